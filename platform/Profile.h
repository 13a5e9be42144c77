// Profile (INI) files, read and written key by key with 260-byte values.
#pragma once

#include <string>

// The value of section/key in `file`, at most 259 characters, or
// `defaultValue` when the file, section or key is missing.
std::string ReadProfileValue(const char* section, const char* key, const char* defaultValue,
                             const char* file);
void WriteProfileValue(const char* section, const char* key, const char* value, const char* file);
