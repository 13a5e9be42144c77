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

void WriteProfileValue(const char* section, const char* key, const char* value, const char* file) {
  WritePrivateProfileStringA(section, key, value, file);
}
