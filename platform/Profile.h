// Profile (INI) files, read and written key by key with 260-byte values.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

// The value of section/key in `file`, at most 259 characters (or
// `bufferSize` - 1), or `defaultValue` when the file, section or key is
// missing.
std::string ReadProfileValue(const char* section, const char* key, const char* defaultValue,
                             const char* file, size_t bufferSize = 260);
// True when the value was written.
bool WriteProfileValue(const char* section, const char* key, const char* value, const char* file);
// The keys of `section` in `file`, in file order; none when either is missing.
std::vector<std::string> ReadProfileKeys(const char* section, const char* file);
