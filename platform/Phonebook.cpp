#include "platform/Phonebook.h"

namespace {
class SystemPhonebook : public Phonebook {
 public:
  DWORD EnumEntries(RASENTRYNAMEA* entries, DWORD* bytes, DWORD* count) override {
    return RasEnumEntriesA(nullptr, nullptr, entries, bytes, count);
  }
  DWORD GetEntryDialParams(RASDIALPARAMSA* params, BOOL* passwordRetrieved) override {
    return RasGetEntryDialParamsA(nullptr, params, passwordRetrieved);
  }
};

SystemPhonebook g_system;
Phonebook* g_current = &g_system;
}  // namespace

Phonebook& GetPhonebook() { return *g_current; }
void SetPhonebookForTesting(Phonebook* phonebook) { g_current = phonebook ? phonebook : &g_system; }
