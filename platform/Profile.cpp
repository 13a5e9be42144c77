#include "platform/Profile.h"

#include "app/SetupState.h"
#include "platform/Win32.h"

std::string ReadProfileValue(const char* section, const char* key, const char* defaultValue,
                             const char* file) {
  char value[kTextSize] = {};
  GetPrivateProfileStringA(section, key, defaultValue, value, kTextSize, file);
  return value;
}

void WriteProfileValue(const char* section, const char* key, const char* value, const char* file) {
  WritePrivateProfileStringA(section, key, value, file);
}
