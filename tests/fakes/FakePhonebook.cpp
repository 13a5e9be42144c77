#include "tests/fakes/FakePhonebook.h"

#include <cstring>

namespace {
// Error numbers of the remote access service.
constexpr DWORD kBufferTooSmall = 603;
constexpr DWORD kCannotFindEntry = 623;
constexpr DWORD kInvalidSize = 632;
// The first layout of an entry record, the smallest the system accepts.
constexpr DWORD kSmallestEntry = 264;

template <size_t N>
void Put(char (&field)[N], const std::string& text) {
  std::strncpy(field, text.c_str(), N - 1);
  field[N - 1] = '\0';
}
}  // namespace

FakePhonebook::FakePhonebook(std::vector<FakeEntry> entries) : m_entries(std::move(entries)) {
  SetPhonebookForTesting(this);
}

FakePhonebook::~FakePhonebook() { SetPhonebookForTesting(nullptr); }

std::vector<FakeEntry> FakePhonebook::Numbered(int count) {
  std::vector<FakeEntry> entries;
  for (int i = 1; i <= count; ++i) {
    const std::string n = std::to_string(i);
    entries.push_back({"Entry " + n, "user" + n, "secret" + n, "555-000" + n});
  }
  return entries;
}

DWORD FakePhonebook::EnumEntries(RASENTRYNAMEA* entries, DWORD* bytes, DWORD* count) {
  ++m_nEnumCalls;
  if (m_bEnumFails) return kCannotFindEntry;
  // The caller's dwSize names the record layout, and so the stride.
  const DWORD stride = entries->dwSize;
  if (stride < kSmallestEntry) return kInvalidSize;
  const DWORD needed = stride * static_cast<DWORD>(m_entries.size());
  if (*bytes < needed) {
    *bytes = needed;
    *count = static_cast<DWORD>(m_entries.size());
    return kBufferTooSmall;
  }
  char* record = reinterpret_cast<char*>(entries);
  for (const FakeEntry& entry : m_entries) {
    auto* name = reinterpret_cast<RASENTRYNAMEA*>(record);
    name->dwSize = stride;
    Put(name->szEntryName, entry.name);
    record += stride;
  }
  *bytes = needed;
  *count = static_cast<DWORD>(m_entries.size());
  return 0;
}

DWORD FakePhonebook::GetEntryDialParams(RASDIALPARAMSA* params, BOOL* passwordRetrieved) {
  m_queried.push_back(params->szEntryName);
  for (const FakeEntry& entry : m_entries) {
    if (entry.name != params->szEntryName) continue;
    if (entry.queryFails) return kCannotFindEntry;
    if (!entry.phone.empty()) Put(params->szPhoneNumber, entry.phone);
    Put(params->szUserName, entry.user);
    Put(params->szPassword, entry.password);
    *passwordRetrieved = TRUE;
    return 0;
  }
  return kCannotFindEntry;
}
