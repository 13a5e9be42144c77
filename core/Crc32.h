// The CRC-32 of zip and PNG: the installation record's checksum, and the
// short, stable mark that tells the installation folders' entries apart.
#pragma once

#include <cstdint>
#include <string_view>

uint32_t Crc32(std::string_view bytes);
