// The TCP/IP registry keys of the connection optimisation page, arranged
// by a test in the Wine prefix's real registry and put back afterwards.
#pragma once

#include <windows.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

inline constexpr char kMstcp[] = "System\\CurrentControlSet\\Services\\VxD\\MSTCP";
inline constexpr char kNetTrans[] = "System\\CurrentControlSet\\Services\\Class\\netTrans";
inline const char* const kMstcpNames[] = {"DefaultRcvWindow", "DefaultTTL", "PMTUBlackHoleDetect",
                                          "PMTUDiscovery"};

struct Value {
  DWORD type;
  std::string bytes;
  bool operator==(const Value& o) const { return type == o.type && bytes == o.bytes; }
};
inline Value Dword(uint32_t n) { return {REG_DWORD, std::string(reinterpret_cast<char*>(&n), 4)}; }
inline Value Text(const std::string& text) { return {REG_SZ, text + '\0'}; }

inline std::string AdapterKey(int n) {
  return std::string(kNetTrans) + "\\000" + std::to_string(n);
}

// Every value of a key, by name; empty when the key does not exist.
inline std::map<std::string, Value> ValuesOf(const std::string& key) {
  std::map<std::string, Value> values;
  HKEY opened = nullptr;
  if (RegOpenKeyA(HKEY_LOCAL_MACHINE, key.c_str(), &opened) != ERROR_SUCCESS) return values;
  for (DWORD i = 0;; ++i) {
    char name[256];
    DWORD nameSize = sizeof name;
    BYTE data[512];
    DWORD dataSize = sizeof data;
    DWORD type = 0;
    if (RegEnumValueA(opened, i, name, &nameSize, nullptr, &type, data, &dataSize) != ERROR_SUCCESS)
      break;
    values[name] = {type, std::string(reinterpret_cast<char*>(data), dataSize)};
  }
  RegCloseKey(opened);
  return values;
}

inline void Put(const std::string& key, const std::string& name, const Value& value) {
  HKEY opened = nullptr;
  ASSERT_EQ(RegOpenKeyA(HKEY_LOCAL_MACHINE, key.c_str(), &opened), ERROR_SUCCESS) << key;
  RegSetValueExA(opened, name.c_str(), 0, value.type,
                 reinterpret_cast<const BYTE*>(value.bytes.data()),
                 static_cast<DWORD>(value.bytes.size()));
  RegCloseKey(opened);
}

// The TCP/IP keys as one test wants them: the MSTCP key with chosen values
// and chosen adapter keys. Everything is put back as it was afterwards.
class TcpRegistry {
 public:
  TcpRegistry() {
    m_bHadMstcp = Exists(kMstcp);
    for (const char* name : kMstcpNames) {
      const auto values = ValuesOf(kMstcp);
      if (values.count(name)) m_savedMstcp[name] = values.at(name);
    }
    Create(kMstcp);
    DeleteMstcpValues();
    Create("System\\CurrentControlSet\\Services\\Class");
    Create(kNetTrans);
  }
  ~TcpRegistry() {
    if (m_bRemovedMstcp && m_bHadMstcp) {
      HKEY made = nullptr;
      if (RegCreateKeyA(HKEY_LOCAL_MACHINE, kMstcp, &made) == ERROR_SUCCESS) RegCloseKey(made);
    }
    DeleteMstcpValues();
    for (const auto& saved : m_savedMstcp) Put(kMstcp, saved.first, saved.second);
    for (auto key = m_created.rbegin(); key != m_created.rend(); ++key) {
      HKEY opened = nullptr;
      if (RegOpenKeyA(HKEY_LOCAL_MACHINE, key->c_str(), &opened) == ERROR_SUCCESS) {
        for (const auto& value : ValuesOf(*key)) RegDeleteValueA(opened, value.first.c_str());
        RegCloseKey(opened);
      }
      RegDeleteKeyA(HKEY_LOCAL_MACHINE, key->c_str());
    }
  }
  bool Usable() const { return m_bUsable; }
  // Takes the MSTCP key away, as on a machine without the dial-up stack;
  // false when it holds values of the prefix's own.
  bool RemoveMstcp() {
    DeleteMstcpValues();
    if (!ValuesOf(kMstcp).empty()) return false;
    m_bRemovedMstcp = RegDeleteKeyA(HKEY_LOCAL_MACHINE, kMstcp) == ERROR_SUCCESS;
    return m_bRemovedMstcp;
  }
  void Mstcp(const std::string& name, const Value& value) { Put(kMstcp, name, value); }
  void AddAdapter(int n) { Create(AdapterKey(n)); }
  void AddAdapter(int n, const std::string& maxMtu) {
    AddAdapter(n);
    Put(AdapterKey(n), "MaxMTU", Text(maxMtu));
  }
  // The values of the MSTCP key and of every adapter key, by key.
  static std::map<std::string, std::map<std::string, Value>> Snapshot() {
    std::map<std::string, std::map<std::string, Value>> all;
    all[kMstcp] = ValuesOf(kMstcp);
    for (int n = 0; n < 9; ++n)
      if (Exists(AdapterKey(n))) all[AdapterKey(n)] = ValuesOf(AdapterKey(n));
    return all;
  }

 private:
  static bool Exists(const std::string& key) {
    HKEY opened = nullptr;
    if (RegOpenKeyA(HKEY_LOCAL_MACHINE, key.c_str(), &opened) != ERROR_SUCCESS) return false;
    RegCloseKey(opened);
    return true;
  }
  void Create(const std::string& key) {
    if (Exists(key)) {
      // Adapter keys of the machine itself would take part in every test.
      if (key == kNetTrans) m_bUsable = false;
      return;
    }
    HKEY made = nullptr;
    if (RegCreateKeyA(HKEY_LOCAL_MACHINE, key.c_str(), &made) == ERROR_SUCCESS) RegCloseKey(made);
    m_created.push_back(key);
  }
  void DeleteMstcpValues() {
    HKEY opened = nullptr;
    if (RegOpenKeyA(HKEY_LOCAL_MACHINE, kMstcp, &opened) != ERROR_SUCCESS) return;
    for (const char* name : kMstcpNames) RegDeleteValueA(opened, name);
    RegCloseKey(opened);
  }

  bool m_bHadMstcp = false;
  bool m_bUsable = true;
  bool m_bRemovedMstcp = false;
  std::map<std::string, Value> m_savedMstcp;
  std::vector<std::string> m_created;
};
