// The CRC-32 of zip and PNG: the installation record's checksum, and the
// short, stable mark that tells the installation folders' entries apart.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

uint32_t Crc32(std::string_view bytes);

// `value` as eight lower-case hexadecimal digits, as the record and the
// entries' marks show it.
std::string Hex8(uint32_t value);
