// A phonebook of the test's making in place of the system's, for as long
// as the object lives.
#pragma once

#include <string>
#include <vector>

#include "platform/Phonebook.h"

struct FakeEntry {
  std::string name;
  std::string user;
  std::string password;
  std::string phone;  // empty: no stored number
  bool queryFails = false;
};

class FakePhonebook : public Phonebook {
 public:
  explicit FakePhonebook(std::vector<FakeEntry> entries = {});
  ~FakePhonebook() override;
  FakePhonebook(const FakePhonebook&) = delete;
  FakePhonebook& operator=(const FakePhonebook&) = delete;

  // "Entry 1" … "Entry n", each with a user, password and number of its own.
  static std::vector<FakeEntry> Numbered(int count);

  DWORD EnumEntries(RASENTRYNAMEA* entries, DWORD* bytes, DWORD* count) override;
  // Like the system's, a failing query leaves the record as it was.
  DWORD GetEntryDialParams(RASDIALPARAMSA* params, BOOL* passwordRetrieved) override;

  std::vector<FakeEntry> m_entries;
  bool m_bEnumFails = false;
  int m_nEnumCalls = 0;
  std::vector<std::string> m_queried;
};
