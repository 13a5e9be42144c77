#include "platform/Profile.h"

#include "platform/Win32.h"

std::string ReadProfileValue(const char* section, const char* key, const char* defaultValue,
                             const char* file, size_t bufferSize) {
  std::string value(bufferSize, '\0');
  const DWORD length = GetPrivateProfileStringA(section, key, defaultValue, &value[0],
                                                static_cast<DWORD>(bufferSize), file);
  value.resize(length);
  return value;
}

bool WriteProfileValue(const char* section, const char* key, const char* value, const char* file) {
  return WritePrivateProfileStringA(section, key, value, file) != FALSE;
}

std::vector<std::string> ReadProfileKeys(const char* section, const char* file) {
  // The names come as one text, each ended by a NUL, the last by two; the
  // platform reports size - 2 when they did not fit.
  std::string names(4096, '\0');
  DWORD length;
  for (;;) {
    length = GetPrivateProfileStringA(section, nullptr, "", &names[0],
                                      static_cast<DWORD>(names.size()), file);
    if (length + 2 < names.size()) break;
    names.resize(names.size() * 2);
  }
  std::vector<std::string> keys;
  for (size_t at = 0; at < length;) {
    const std::string key = names.c_str() + at;
    at += key.size() + 1;
    if (!key.empty()) keys.push_back(key);
  }
  return keys;
}
