#include "platform/Phonebook.h"

#include "platform/Seam.h"

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

}  // namespace

using PhonebookSeam = Seam<Phonebook, SystemPhonebook>;

Phonebook& GetPhonebook() { return PhonebookSeam::Get(); }
void SetPhonebookForTesting(Phonebook* replacement) { PhonebookSeam::Set(replacement); }
