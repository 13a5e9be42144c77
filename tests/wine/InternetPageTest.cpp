// The Internet connection page as the user meets it: the phonebook entries
// and their texts, the four ways to connect, the messages on Next and what
// the page hands to the installation.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "resources/dlg131-internet.h"
#include "tests/fakes/FakePhonebook.h"
#include "tests/wine/WizardRun.h"

namespace {

using ui::Driver;
using ui::WizardButton;

const std::string kTitle = "Step3--Internet connection";
const std::string kNextTitle = "Step4--Camera settings";
const std::string kMissingDialUp = "Missing Mandatory fields: User Name,Password, Phone Number";
const std::string kMissingProxy = "Missing Mandatory field: Proxy address";
constexpr UINT kInternetPage = 2;

// Address records of dial-up entries under HKCU, made for one test and
// removed with it.
class AddressRecords {
 public:
  AddressRecords() {
    HKEY parent = nullptr;
    m_bMadeParent = RegOpenKeyA(HKEY_CURRENT_USER, "RemoteAccess", &parent) != ERROR_SUCCESS;
    if (parent) RegCloseKey(parent);
    RegCreateKeyA(HKEY_CURRENT_USER, "RemoteAccess\\Addresses", &m_key);
  }
  ~AddressRecords() {
    for (const std::string& name : m_names) RegDeleteValueA(m_key, name.c_str());
    RegCloseKey(m_key);
    RegDeleteKeyA(HKEY_CURRENT_USER, "RemoteAccess\\Addresses");
    if (m_bMadeParent) RegDeleteKeyA(HKEY_CURRENT_USER, "RemoteAccess");
  }
  void Put(const std::string& entry, const std::vector<unsigned char>& record) {
    RegSetValueExA(m_key, entry.c_str(), 0, REG_BINARY, record.data(),
                   static_cast<DWORD>(record.size()));
    m_names.push_back(entry);
  }

 private:
  HKEY m_key = nullptr;
  bool m_bMadeParent = false;
  std::vector<std::string> m_names;
};

// A record holding `phone` at byte 16, scrambled with `key` (so its last
// two bytes are equal).
std::vector<unsigned char> ScrambledRecord(const std::string& phone, unsigned char key) {
  std::string plain(16, '\0');
  plain[12] = 16;
  plain += phone;
  plain.append(3, '\0');
  std::vector<unsigned char> record(plain.begin(), plain.end());
  for (unsigned char& byte : record) byte ^= key;
  return record;
}

// What the four boxes and the fields show, e.g. "dialup proxy- aol- lan- |
// fields on, address off".
std::string Describe(HWND page) {
  auto box = [&](int id, const char* name) {
    return std::string(name) + (Driver::IsChecked(page, id) ? " " : "- ");
  };
  auto on = [&](int id) { return Driver::IsEnabled(page, id) ? "on" : "off"; };
  std::string fields = on(IDC_RAS_ENTRIES);
  for (int id : {IDC_RAS_USER, IDC_RAS_PASSWORD, IDC_RAS_PHONE})
    if (on(id) != fields) fields = "mixed";
  return box(IDC_USE_DIALUP, "dialup") + box(IDC_USE_PROXY, "proxy") + box(IDC_USE_AOL, "aol") +
         box(IDC_USE_LAN, "lan") + "| fields " + fields + ", address " + on(IDC_PROXY);
}

const std::string kDialUpView = "dialup proxy- aol- lan- | fields on, address off";
const std::string kProxyView = "dialup- proxy aol- lan- | fields off, address on";
const std::string kAolView = "dialup- proxy- aol lan- | fields off, address off";
const std::string kLanView = "dialup- proxy- aol- lan | fields off, address off";

struct Texts {
  std::string user, password, phone;
  bool operator==(const Texts& o) const {
    return user == o.user && password == o.password && phone == o.phone;
  }
};
std::ostream& operator<<(std::ostream& out, const Texts& t) {
  return out << "{" << t.user << ", " << t.password << ", " << t.phone << "}";
}
Texts Shown(HWND page) {
  return {Driver::Text(page, IDC_RAS_USER), Driver::Text(page, IDC_RAS_PASSWORD),
          Driver::Text(page, IDC_RAS_PHONE)};
}

// What `read` shows once the page has worked off the user's last action.
// The driver's sync can return while a posted click is still being
// handled, so the expected value is awaited; on timeout the last value seen
// is returned for the caller's comparison to show.
template <class Read, class T>
T Awaited(const Driver& user, Read read, const T& expected) {
  T seen = read();
  try {
    user.WaitUntil(
        [&] {
          seen = read();
          return seen == expected;
        },
        "the page's answer");
  } catch (const ui::Failure&) {
  }
  return seen;
}
std::string ViewAfterClick(const Driver& user, HWND page, const std::string& expected) {
  return Awaited(
      user, [&] { return Describe(page); }, expected);
}
::testing::AssertionResult ShowsAfterPick(const Driver& user, HWND page, const Texts& expected) {
  const Texts seen = Awaited(
      user, [&] { return Shown(page); }, expected);
  if (seen == expected) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "shows " << seen << ", expected " << expected;
}

// The message box the page shows next, answered with OK; its text.
std::string AnswerMessage(const Driver& user) {
  const ui::MessageBoxView box = user.WaitMessageBox();
  user.Answer(box, IDOK);
  return box.text;
}

INT_PTR RunPage(CProp& wizard,
                const std::function<void(const Driver&, HWND sheet, HWND page)>& user) {
  return wizard_run::Run(wizard, kTitle, [&](const Driver& driver, HWND sheet) {
    user(driver, sheet, Driver::ActivePage(sheet));
  });
}

class InternetPage : public ::testing::Test {
 protected:
  INT_PTR Run(const std::function<void(const Driver&, HWND sheet, HWND page)>& user) {
    return RunPage(m_wizard, user);
  }
  // Next, which must lead to the camera page, then out of the wizard.
  static void NextAndExit(const Driver& user, HWND sheet) {
    user.Press(sheet, WizardButton::Next);
    user.WaitPage(sheet, kNextTitle);
    wizard_run::CancelAndExit(user, sheet);
  }
  void ExpectHandedOn(int dialUp, int aol, int lan) const {
    EXPECT_EQ(m_wizard.m_pageIntern.m_bUseDialUp, dialUp);
    EXPECT_EQ(m_wizard.m_pageIntern.m_bUseAol, aol);
    EXPECT_EQ(m_wizard.m_pageIntern.m_bUseLan, lan);
  }

  FakePhonebook m_phonebook;
  CProp m_wizard{wizard_run::kCaption, nullptr, kInternetPage};
};

TEST_F(InternetPage, EmptyPhonebookOpensInLanModeAndNextPasses) {
  Run([](const Driver& user, HWND sheet, HWND page) {
    EXPECT_EQ(Describe(page), kLanView);
    EXPECT_TRUE(Driver::ComboEntries(page, IDC_RAS_ENTRIES).empty());
    NextAndExit(user, sheet);
  });
  ExpectHandedOn(0, 0, 1);
}

TEST_F(InternetPage, UnreadablePhonebookOpensInLanMode) {
  m_phonebook.m_entries = FakePhonebook::Numbered(2);
  m_phonebook.m_bEnumFails = true;
  Run([](const Driver& user, HWND sheet, HWND page) {
    EXPECT_EQ(Describe(page), kLanView);
    wizard_run::CancelAndExit(user, sheet);
  });
}

TEST_F(InternetPage, FirstEntryIsLoadedAndHandedOnWithDialUp) {
  m_phonebook.m_entries = {{"Home", "alice", "pw1", "555-0101"},
                           {"Work", "bob", "pw2", "555-0202"}};
  Run([](const Driver& user, HWND sheet, HWND page) {
    EXPECT_EQ(Describe(page), kDialUpView);
    EXPECT_EQ(Driver::ComboEntries(page, IDC_RAS_ENTRIES),
              (std::vector<std::string>{"Home", "Work"}));
    EXPECT_EQ(Driver::Text(page, IDC_RAS_ENTRIES), "Home");
    EXPECT_EQ(Shown(page), (Texts{"alice", "pw1", "555-0101"}));
    EXPECT_TRUE(Driver::Style(page, IDC_RAS_PASSWORD) & ES_PASSWORD);
    user.PickCombo(page, IDC_RAS_ENTRIES, "Work");
    EXPECT_TRUE(ShowsAfterPick(user, page, {"bob", "pw2", "555-0202"}));
    wizard_run::Screenshot(user, sheet, "page-internet");
    NextAndExit(user, sheet);
  });
  ExpectHandedOn(1, 0, 0);
  const CCIntern& page = m_wizard.m_pageIntern;
  EXPECT_EQ(page.m_strRasUser, "bob");
  EXPECT_EQ(page.m_strRasPassword, "pw2");
  EXPECT_EQ(page.m_strRasPhone, "555-0202");
  EXPECT_EQ(m_phonebook.m_queried, (std::vector<std::string>{"Home", "Work"}));
}

TEST_F(InternetPage, TabOrderFollowsTheQuestions) {
  m_phonebook.m_entries = FakePhonebook::Numbered(1);
  Run([](const Driver& user, HWND sheet, HWND page) {
    // Every control enabled, so that none is skipped.
    for (HWND child = GetWindow(page, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
      EnableWindow(child, TRUE);
    const std::vector<int> expected = {IDC_USE_DIALUP,   IDC_RAS_USER,    IDC_RAS_PHONE,
                                       IDC_RAS_PASSWORD, IDC_USE_PROXY,   IDC_PROXY,
                                       IDC_USE_AOL,      IDC_RAS_ENTRIES, IDC_USE_LAN};
    std::vector<int> seen;
    HWND control = Driver::Control(page, IDC_USE_DIALUP);
    for (size_t i = 0; i < expected.size(); ++i) {
      seen.push_back(GetDlgCtrlID(control));
      control = GetNextDlgTabItem(page, control, FALSE);
    }
    EXPECT_EQ(seen, expected);
    EXPECT_EQ(GetDlgCtrlID(control), IDC_USE_DIALUP);  // round again
    wizard_run::CancelAndExit(user, sheet);
  });
}

TEST_F(InternetPage, BoxClicksMoveBetweenTheFourModes) {
  m_phonebook.m_entries = FakePhonebook::Numbered(1);
  struct Step {
    int box;
    std::string view;
  };
  const std::vector<Step> steps = {
      {IDC_USE_DIALUP, kProxyView},  // clearing dial-up leads to the proxy
      {IDC_USE_PROXY, kDialUpView},  // clearing the proxy leads back
      {IDC_USE_AOL, kAolView},      {IDC_USE_AOL, kDialUpView},
      {IDC_USE_LAN, kLanView},      {IDC_USE_LAN, kLanView},  // the ticked LAN box stays ticked
      {IDC_USE_PROXY, kProxyView},  {IDC_USE_DIALUP, kDialUpView},
      {IDC_USE_LAN, kLanView},      {IDC_USE_DIALUP, kDialUpView},
  };
  Run([&](const Driver& user, HWND sheet, HWND page) {
    ASSERT_EQ(Describe(page), kDialUpView);
    for (size_t i = 0; i < steps.size(); ++i) {
      user.Click(page, steps[i].box);
      EXPECT_EQ(ViewAfterClick(user, page, steps[i].view), steps[i].view)
          << "after click " << i + 1;
    }
    wizard_run::CancelAndExit(user, sheet);
  });
}

TEST_F(InternetPage, ProxyModeInsistsOnTheAddress) {
  m_phonebook.m_entries = FakePhonebook::Numbered(1);
  Run([](const Driver& user, HWND sheet, HWND page) {
    user.Click(page, IDC_USE_DIALUP);
    ASSERT_EQ(ViewAfterClick(user, page, kProxyView), kProxyView);
    user.Press(sheet, WizardButton::Next);
    EXPECT_EQ(AnswerMessage(user), kMissingProxy);
    EXPECT_EQ(Driver::ActivePageTitle(sheet), kTitle);
    user.Type(page, IDC_PROXY, "10.0.0.1:3128");
    NextAndExit(user, sheet);
  });
  ExpectHandedOn(0, 0, 0);
  EXPECT_EQ(m_wizard.m_pageIntern.m_strProxy, "10.0.0.1:3128");
  // The dial-up texts of the entry are handed on as well.
  EXPECT_EQ(m_wizard.m_pageIntern.m_strRasUser, "user1");
}

// The scrambled value holds 35 characters: no longer address is taken,
// neither typed nor pasted.
TEST_F(InternetPage, ProxyAddressLongerThanTheStoredValueIsRefused) {
  const std::string address = "http://proxy.corporate-network.example:8080";  // 43 characters
  m_phonebook.m_entries = FakePhonebook::Numbered(1);
  Run([&](const Driver& user, HWND sheet, HWND page) {
    user.Click(page, IDC_USE_PROXY);
    ASSERT_EQ(ViewAfterClick(user, page, kProxyView), kProxyView);
    user.Type(page, IDC_PROXY, address);
    EXPECT_EQ(Driver::Text(page, IDC_PROXY), address.substr(0, 35));
    user.SetText(page, IDC_PROXY, address);
    user.Press(sheet, WizardButton::Next);
    EXPECT_EQ(AnswerMessage(user), "Please enter no more than 35 characters.");
    EXPECT_EQ(Driver::ActivePageTitle(sheet), kTitle);
    EXPECT_EQ(GetDlgCtrlID(Driver::Focus(page)), IDC_PROXY);
    user.SetText(page, IDC_PROXY, "proxy.example:8080");
    NextAndExit(user, sheet);
  });
  EXPECT_EQ(m_wizard.m_pageIntern.m_strProxy, "proxy.example:8080");
}

TEST_F(InternetPage, AolModePassesWithoutQuestions) {
  Run([](const Driver& user, HWND sheet, HWND page) {
    user.Click(page, IDC_USE_AOL);
    ASSERT_EQ(ViewAfterClick(user, page, kAolView), kAolView);
    NextAndExit(user, sheet);
  });
  ExpectHandedOn(0, 1, 0);
}

TEST_F(InternetPage, DialUpModeInsistsOnAllThreeTexts) {
  m_phonebook.m_entries = FakePhonebook::Numbered(1);
  for (int emptied : {IDC_RAS_USER, IDC_RAS_PASSWORD, IDC_RAS_PHONE}) {
    CProp wizard(wizard_run::kCaption, nullptr, kInternetPage);
    RunPage(wizard, [&](const Driver& user, HWND sheet, HWND page) {
      user.SetText(page, emptied, "");
      user.Press(sheet, WizardButton::Next);
      EXPECT_EQ(AnswerMessage(user), kMissingDialUp) << "field " << emptied;
      EXPECT_EQ(Driver::ActivePageTitle(sheet), kTitle);
      user.Type(page, emptied, "x");
      NextAndExit(user, sheet);
    });
    EXPECT_EQ(wizard.m_pageIntern.m_bUseDialUp, 1);
  }
}

TEST_F(InternetPage, PhoneNumberFromTheAddressRecordOnlyWhenScrambled) {
  AddressRecords records;
  m_phonebook.m_entries = {{"Scrambled", "u1", "p1", ""},
                           {"Plain", "u2", "p2", ""},
                           {"Stored", "u3", "p3", "555-0303"},
                           {"Short", "u4", "p4", ""}};
  records.Put("Scrambled", ScrambledRecord("555-7777", 0x5A));
  std::vector<unsigned char> plain = ScrambledRecord("555-8888", 0x21);
  plain.back() ^= 1;  // last two bytes differ: not a scrambled record
  records.Put("Plain", plain);
  records.Put("Short", {7, 7, 7, 7, 7, 7, 7});
  Run([](const Driver& user, HWND sheet, HWND page) {
    EXPECT_EQ(Shown(page), (Texts{"u1", "p1", "555-7777"}));
    // No number found: the field keeps the previous entry's number.
    user.PickCombo(page, IDC_RAS_ENTRIES, "Plain");
    EXPECT_TRUE(ShowsAfterPick(user, page, {"u2", "p2", "555-7777"}));
    user.PickCombo(page, IDC_RAS_ENTRIES, "Stored");
    EXPECT_TRUE(ShowsAfterPick(user, page, {"u3", "p3", "555-0303"}));
    user.PickCombo(page, IDC_RAS_ENTRIES, "Short");
    EXPECT_TRUE(ShowsAfterPick(user, page, {"u4", "p4", "555-0303"}));
    wizard_run::CancelAndExit(user, sheet);
  });
}

TEST_F(InternetPage, EntryWithoutAnyNumberLeavesThePhoneEmptyAndNextComplains) {
  m_phonebook.m_entries = {{"Bare", "carol", "pw", ""}};
  Run([](const Driver& user, HWND sheet, HWND page) {
    EXPECT_EQ(Shown(page), (Texts{"carol", "pw", ""}));
    user.Press(sheet, WizardButton::Next);
    EXPECT_EQ(AnswerMessage(user), kMissingDialUp);
    EXPECT_EQ(Driver::ActivePageTitle(sheet), kTitle);
    wizard_run::CancelAndExit(user, sheet);
  });
}

TEST_F(InternetPage, FailedDialParameterQueryShowsEmptyTexts) {
  m_phonebook.m_entries = FakePhonebook::Numbered(2);
  m_phonebook.m_entries[1].queryFails = true;
  Run([](const Driver& user, HWND sheet, HWND page) {
    EXPECT_EQ(Shown(page), (Texts{"user1", "secret1", "555-0001"}));
    user.PickCombo(page, IDC_RAS_ENTRIES, "Entry 2");
    EXPECT_TRUE(ShowsAfterPick(user, page, {"", "", ""}));
    wizard_run::CancelAndExit(user, sheet);
  });
}

TEST_F(InternetPage, HundredEntriesAreListedOnceButFallBackToLanEachTime) {
  m_phonebook.m_entries = FakePhonebook::Numbered(100);
  Run([&](const Driver& user, HWND sheet, HWND page) {
    EXPECT_EQ(Describe(page), kLanView);
    const std::vector<std::string> listed = Driver::ComboEntries(page, IDC_RAS_ENTRIES);
    EXPECT_EQ(listed.size(), 100u);
    user.Click(page, IDC_USE_DIALUP);
    ASSERT_EQ(ViewAfterClick(user, page, kDialUpView), kDialUpView);
    user.PickCombo(page, IDC_RAS_ENTRIES, "Entry 7");
    EXPECT_EQ(ViewAfterClick(user, page, kLanView), kLanView);
    EXPECT_EQ(Driver::ComboEntries(page, IDC_RAS_ENTRIES), listed);
    EXPECT_EQ(Driver::Text(page, IDC_RAS_ENTRIES), "Entry 7") << "the pick stays shown";
    EXPECT_EQ(m_phonebook.m_nEnumCalls, 2);
    EXPECT_TRUE(m_phonebook.m_queried.empty());
    wizard_run::CancelAndExit(user, sheet);
  });
}

TEST_F(InternetPage, LongPhonebookTextsShowInFullButMustBeShortenedToLeave) {
  const std::string longUser = "a.very.long.user.name";  // 21 characters
  m_phonebook.m_entries = {{"Long", longUser, "pw", "555-0101"}};
  Run([&](const Driver& user, HWND sheet, HWND page) {
    EXPECT_EQ(Driver::Text(page, IDC_RAS_USER), longUser);
    user.Press(sheet, WizardButton::Next);
    EXPECT_EQ(AnswerMessage(user), "Please enter no more than 15 characters.");
    EXPECT_EQ(Driver::ActivePageTitle(sheet), kTitle);
    EXPECT_EQ(GetDlgCtrlID(Driver::Focus(page)), IDC_RAS_USER);
    // Typing stops at the limit.
    user.SetText(page, IDC_RAS_USER, "");
    user.Type(page, IDC_RAS_USER, longUser);
    EXPECT_EQ(Driver::Text(page, IDC_RAS_USER), longUser.substr(0, 15));
    NextAndExit(user, sheet);
  });
  EXPECT_EQ(m_wizard.m_pageIntern.m_strRasUser, longUser.substr(0, 15));
}

// Fields out of use, and the way back, are no reason to shorten anything.
TEST(InternetPageLimits, LongPhonebookTextsNeitherHoldLanModeNorBack) {
  const std::string longUser = "a.very.long.user.name";
  const struct {
    const char* name;
    bool tickLan;
    WizardButton button;
    std::string reached;
  } cases[] = {
      {"LAN, then Next", true, WizardButton::Next, kNextTitle},
      {"dial-up, then Back", false, WizardButton::Back, "Step2--User Password"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FakePhonebook phonebook;
    phonebook.m_entries = {{"Long", longUser, "pw", "555-0101"}};
    CProp wizard(wizard_run::kCaption, nullptr, kInternetPage);
    RunPage(wizard, [&](const Driver& user, HWND sheet, HWND page) {
      if (c.tickLan) {
        user.Click(page, IDC_USE_LAN);
        ASSERT_EQ(ViewAfterClick(user, page, kLanView), kLanView);
      }
      user.Press(sheet, c.button);
      user.WaitPage(sheet, c.reached);
      wizard_run::CancelAndExit(user, sheet);
    });
    EXPECT_EQ(wizard.m_pageIntern.m_strRasUser, longUser) << "handed on as the phonebook has it";
  }
}

TEST_F(InternetPage, ComingBackShowsTheTextsLastLeftThere) {
  m_phonebook.m_entries = FakePhonebook::Numbered(1);
  Run([](const Driver& user, HWND sheet, HWND page) {
    user.SetText(page, IDC_RAS_PHONE, "555-9999");
    user.Press(sheet, WizardButton::Next);
    user.WaitPage(sheet, kNextTitle);
    user.Press(sheet, WizardButton::Back);
    user.WaitPage(sheet, kTitle);
    EXPECT_EQ(Shown(page), (Texts{"user1", "secret1", "555-9999"}));
    EXPECT_EQ(Describe(page), kDialUpView);
    wizard_run::CancelAndExit(user, sheet);
  });
  EXPECT_EQ(m_phonebook.m_nEnumCalls, 1);
}

}  // namespace
