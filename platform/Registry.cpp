#include "platform/Registry.h"

namespace {
// RegOpenKeyA, unlike RegCreateKey, never creates the key it is asked for.
HKEY OpenKey(HKEY root, const char* key) {
  HKEY opened = nullptr;
  return RegOpenKeyA(root, key, &opened) == ERROR_SUCCESS ? opened : nullptr;
}
}  // namespace

bool RegistryKeyExists(HKEY root, const char* key) {
  HKEY opened = OpenKey(root, key);
  if (!opened) return false;
  RegCloseKey(opened);
  return true;
}

bool RegistryRead(HKEY root, const char* key, const char* name, void* data, DWORD* size) {
  HKEY opened = OpenKey(root, key);
  if (!opened) return false;
  DWORD type = 0;
  const bool ok = RegQueryValueExA(opened, name, nullptr, &type, static_cast<BYTE*>(data), size) ==
                  ERROR_SUCCESS;
  RegCloseKey(opened);
  return ok;
}

void RegistryWrite(HKEY root, const char* key, const char* name, DWORD type, const void* data,
                   DWORD size) {
  HKEY opened = OpenKey(root, key);
  if (!opened) return;
  RegSetValueExA(opened, name, 0, type, static_cast<const BYTE*>(data), size);
  RegCloseKey(opened);
}

void RegistryDelete(HKEY root, const char* key, const char* name) {
  HKEY opened = OpenKey(root, key);
  if (!opened) return;
  RegDeleteValueA(opened, name);
  RegCloseKey(opened);
}
