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

RegistryLookup RegistryQuery(HKEY root, const char* key, const char* name, DWORD maxSize,
                             DWORD* type, std::string* bytes) {
  HKEY opened = nullptr;
  const LONG open = RegOpenKeyA(root, key, &opened);
  if (open == ERROR_FILE_NOT_FOUND) return RegistryLookup::Absent;
  if (open != ERROR_SUCCESS) return RegistryLookup::Failed;
  DWORD size = 0;
  LONG result = RegQueryValueExA(opened, name, nullptr, type, nullptr, &size);
  if (result == ERROR_SUCCESS && size <= maxSize) {
    bytes->assign(size, '\0');
    result =
        RegQueryValueExA(opened, name, nullptr, type,
                         reinterpret_cast<BYTE*>(bytes->empty() ? nullptr : &(*bytes)[0]), &size);
    bytes->resize(size);
  } else if (result == ERROR_SUCCESS) {
    result = ERROR_MORE_DATA;
  }
  RegCloseKey(opened);
  if (result == ERROR_FILE_NOT_FOUND) return RegistryLookup::Absent;
  return result == ERROR_SUCCESS ? RegistryLookup::Found : RegistryLookup::Failed;
}

std::string RegistryText(HKEY root, const char* key, const char* name) {
  constexpr DWORD kMaxText = 32767;
  DWORD type = 0;
  std::string bytes;
  if (RegistryQuery(root, key, name, kMaxText, &type, &bytes) != RegistryLookup::Found ||
      (type != REG_SZ && type != REG_EXPAND_SZ))
    return std::string();
  return bytes.substr(0, bytes.find('\0'));
}

std::vector<std::string> RegistrySubkeys(HKEY root, const char* key) {
  std::vector<std::string> names;
  HKEY opened = OpenKey(root, key);
  if (!opened) return names;
  char name[256];
  for (DWORD i = 0;; ++i) {
    DWORD size = sizeof name;
    if (RegEnumKeyExA(opened, i, name, &size, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
      break;
    names.emplace_back(name, size);
  }
  RegCloseKey(opened);
  return names;
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

bool RegistryCreateKey(HKEY root, const char* key, std::vector<std::string>& created) {
  const std::string path = key;
  for (size_t end = 0; end != std::string::npos;) {
    end = path.find('\\', end + 1);
    const std::string level = path.substr(0, end);
    if (RegistryKeyExists(root, level.c_str())) continue;
    HKEY made = nullptr;
    if (RegCreateKeyA(root, level.c_str(), &made) != ERROR_SUCCESS) return false;
    RegCloseKey(made);
    created.push_back(level);
  }
  return true;
}

bool RegistryDeleteKey(HKEY root, const char* key) {
  return RegDeleteKeyA(root, key) == ERROR_SUCCESS;
}

bool RegistryKeyIsEmpty(HKEY root, const char* key) {
  HKEY opened = OpenKey(root, key);
  if (!opened) return false;
  DWORD subkeys = 0, values = 0;
  const bool read = RegQueryInfoKeyA(opened, nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr,
                                     &values, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
  RegCloseKey(opened);
  return read && subkeys == 0 && values == 0;
}
