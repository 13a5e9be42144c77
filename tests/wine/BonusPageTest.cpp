// The connection optimisation page against the real registry of the Wine
// prefix: detection when shown, tuning with its backup in the working
// folder's settings file, the exact restore, and the refusal on NT.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "platform/Folders.h"
#include "resources/dlg151-bonus.h"
#include "tests/fakes/FakeSystemVersion.h"
#include "tests/support/TcpRegistry.h"
#include "tests/wine/WizardRun.h"

namespace {

using ui::Driver;
using ui::WizardButton;

const std::string kTitle = "Bonus Package";
constexpr UINT kBonusPage = 5;
void WriteFileText(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

std::string FileText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// Which box is ticked: "optimize", "none", or both/neither spelled out.
std::string Marks(HWND page) {
  const bool optimize = Driver::IsChecked(page, IDC_OPTIMIZE);
  const bool none = Driver::IsChecked(page, IDC_NO_OPTIMIZE);
  if (optimize != none) return optimize ? "optimize" : "none";
  return optimize ? "both" : "neither";
}

// The marks once the page has worked off the last click.
std::string MarksAfterClick(const Driver& user, HWND page, const std::string& expected) {
  std::string seen = Marks(page);
  try {
    user.WaitUntil(
        [&] {
          seen = Marks(page);
          return seen == expected;
        },
        "marks " + expected);
  } catch (const ui::Failure&) {
  }
  return seen;
}

// A click on "Optimize" that the page refuses: the message it shows,
// answered with OK, and "No optimization" still ticked afterwards.
std::string RefusedOptimize(const Driver& user, HWND page) {
  user.Click(page, IDC_OPTIMIZE);
  const ui::MessageBoxView box = user.WaitMessageBox();
  user.Answer(box, IDOK);
  EXPECT_EQ(MarksAfterClick(user, page, "none"), "none");
  return box.text;
}

class BonusPage : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!m_registry.Usable()) GTEST_SKIP() << "the prefix has adapter keys of its own";
    m_folder = GetCurrentFolder() + "\\work" + std::to_string(++s_runs) + "\\deep";
    m_wizard.m_pageWorkFolder.m_strFolder = m_folder;
  }
  void TearDown() override {
    DeleteFileA((m_folder + "\\KQ.INI").c_str());
    RemoveDirectoryA(m_folder.c_str());
    RemoveDirectoryA(m_folder.substr(0, m_folder.rfind('\\')).c_str());
  }
  INT_PTR Run(const std::function<void(const Driver&, HWND sheet, HWND page)>& user) {
    return wizard_run::Run(m_wizard, kTitle, [&](const Driver& driver, HWND sheet) {
      user(driver, sheet, Driver::ActivePage(sheet));
    });
  }
  // Clicks a box and waits for the marks that must follow.
  static void Tick(const Driver& user, HWND page, int box, const std::string& marks) {
    user.Click(page, box);
    EXPECT_EQ(MarksAfterClick(user, page, marks), marks) << "after clicking " << box;
  }
  std::string SettingsText() const { return FileText(m_folder + "\\kq.ini"); }

  static int s_runs;
  TcpRegistry m_registry;
  FakeSystemVersion m_windows98{VER_PLATFORM_WIN32_WINDOWS};
  CProp m_wizard{wizard_run::kCaption, nullptr, kBonusPage};
  std::string m_folder;
};
int BonusPage::s_runs = 0;

TEST_F(BonusPage, OptimizeTunesBacksUpAndNoOptimizationPutsEverythingBack) {
  m_registry.Mstcp("DefaultRcvWindow", Dword(8760));
  m_registry.Mstcp("DefaultTTL", Text("32"));
  m_registry.Mstcp("PMTUBlackHoleDetect", Dword(1));
  m_registry.AddAdapter(0, "1500");
  m_registry.AddAdapter(2);  // an adapter without MaxMTU
  m_registry.AddAdapter(4, "1006");
  const auto before = TcpRegistry::Snapshot();

  Run([&](const Driver& user, HWND sheet, HWND page) {
    EXPECT_EQ(Marks(page), "none");
    wizard_run::Screenshot(user, sheet, "page-bonus");
    Tick(user, page, IDC_OPTIMIZE, "optimize");

    const auto tuned = TcpRegistry::Snapshot();
    EXPECT_EQ(tuned.at(kMstcp).at("DefaultRcvWindow"), Dword(2144));
    EXPECT_EQ(tuned.at(kMstcp).at("DefaultTTL"), Text("128"));
    EXPECT_EQ(tuned.at(kMstcp).at("PMTUBlackHoleDetect"), Dword(0));
    EXPECT_EQ(tuned.at(kMstcp).at("PMTUDiscovery"), Dword(1));
    for (int n : {0, 2, 4}) EXPECT_EQ(tuned.at(AdapterKey(n)).at("MaxMTU"), Text("576")) << n;
    // The plain sections as older setups read them, then every value again
    // with its type and bytes.
    EXPECT_EQ(SettingsText(),
              "[RasSpeed]\r\nDefaultRcvWindow=8760\r\nDefaultTTL=32\r\n"
              "PMTUBlackHoleDetect=1\r\nPMTUDiscovery=-1\r\n"
              "[RasSpeedTyped]\r\nDefaultRcvWindow=4:38220000\r\nDefaultTTL=1:333200\r\n"
              "PMTUBlackHoleDetect=4:01000000\r\nPMTUDiscovery=-1\r\n"
              "[netTrans]\r\nP0000=1500\r\nP0002=-1\r\nP0004=1006\r\n"
              "[netTransTyped]\r\nP0000=1:3135303000\r\nP0002=-1\r\nP0004=1:3130303600\r\n");

    Tick(user, page, IDC_NO_OPTIMIZE, "none");
    EXPECT_EQ(TcpRegistry::Snapshot(), before);
    wizard_run::CancelAndExit(user, sheet);
  });
}

TEST_F(BonusPage, TheWorkingFolderIsCreatedWithUpperCaseNames) {
  m_registry.AddAdapter(0, "1500");
  Run([&](const Driver& user, HWND sheet, HWND page) {
    Tick(user, page, IDC_OPTIMIZE, "optimize");
    wizard_run::CancelAndExit(user, sheet);
  });
  WIN32_FIND_DATAA found = {};
  HANDLE search = FindFirstFileA((GetCurrentFolder() + "\\*").c_str(), &found);
  std::vector<std::string> names;
  for (BOOL more = search != INVALID_HANDLE_VALUE; more; more = FindNextFileA(search, &found))
    names.push_back(found.cFileName);
  FindClose(search);
  const std::string made = "WORK" + std::to_string(s_runs);
  EXPECT_NE(std::find(names.begin(), names.end(), made), names.end());
  EXPECT_NE(SettingsText().find("P0000=1500"), std::string::npos);
}

TEST_F(BonusPage, ClickingTheBoxInForceOnlySetsTheMarksAgain) {
  m_registry.AddAdapter(0, "1500");
  const auto before = TcpRegistry::Snapshot();
  Run([&](const Driver& user, HWND sheet, HWND page) {
    Tick(user, page, IDC_NO_OPTIMIZE, "none");
    EXPECT_EQ(TcpRegistry::Snapshot(), before);
    Tick(user, page, IDC_OPTIMIZE, "optimize");
    const auto tuned = TcpRegistry::Snapshot();
    Tick(user, page, IDC_OPTIMIZE, "optimize");
    EXPECT_EQ(TcpRegistry::Snapshot(), tuned);
    Tick(user, page, IDC_NO_OPTIMIZE, "none");
    wizard_run::CancelAndExit(user, sheet);
  });
  EXPECT_EQ(m_windows98.m_nCalls, 2);
}

TEST_F(BonusPage, NoOptimizationWithoutBackupDeletesTheTunedValues) {
  m_registry.Mstcp("DefaultRcvWindow", Dword(2144));
  m_registry.Mstcp("DefaultTTL", Text("128"));
  m_registry.Mstcp("PMTUBlackHoleDetect", Dword(0));
  m_registry.Mstcp("PMTUDiscovery", Dword(1));
  m_registry.AddAdapter(1, "576");
  m_registry.AddAdapter(3, "576");
  Run([&](const Driver& user, HWND sheet, HWND page) {
    EXPECT_EQ(Marks(page), "optimize");
    Tick(user, page, IDC_NO_OPTIMIZE, "none");
    wizard_run::CancelAndExit(user, sheet);
  });
  const auto after = TcpRegistry::Snapshot();
  EXPECT_TRUE(after.at(kMstcp).empty());
  EXPECT_TRUE(after.at(AdapterKey(1)).empty());
  EXPECT_TRUE(after.at(AdapterKey(3)).empty());
}

TEST_F(BonusPage, BackAndNextAgainFindsTheTuning) {
  m_registry.AddAdapter(0, "1500");
  Run([&](const Driver& user, HWND sheet, HWND page) {
    Tick(user, page, IDC_OPTIMIZE, "optimize");
    user.Press(sheet, WizardButton::Back);
    user.WaitPage(sheet, "Step 5--Working folder");
    user.Press(sheet, WizardButton::Next);
    user.WaitPage(sheet, kTitle);
    EXPECT_EQ(Marks(page), "optimize");
    wizard_run::CancelAndExit(user, sheet);
  });
  // Cancelling keeps the tuning.
  EXPECT_EQ(TcpRegistry::Snapshot().at(AdapterKey(0)).at("MaxMTU"), Text("576"));
}

TEST_F(BonusPage, DetectionWhenShown) {
  struct Case {
    const char* name;
    std::vector<std::pair<std::string, Value>> mstcp;
    std::vector<std::pair<int, std::string>> adapters;
    std::string marks;
  };
  const std::vector<std::pair<std::string, Value>> tuned = {{"DefaultRcvWindow", Dword(2144)},
                                                            {"DefaultTTL", Text("128")},
                                                            {"PMTUBlackHoleDetect", Dword(0)},
                                                            {"PMTUDiscovery", Dword(1)}};
  const std::vector<std::pair<std::string, Value>> tunedWithoutPmtu = {
      {"DefaultRcvWindow", Dword(2144)}, {"DefaultTTL", Text("128")}};
  const Case cases[] = {
      {"never tuned", {}, {{0, "1500"}}, "none"},
      {"fully tuned", tuned, {{0, "576"}, {5, "576"}}, "optimize"},
      {"PMTU values absent", tunedWithoutPmtu, {{2, "576"}}, "optimize"},
      {"last readable adapter decides", tuned, {{0, "576"}, {1, "1500"}}, "none"},
      {"last readable adapter decides, other way", tuned, {{0, "1500"}, {8, "576"}}, "optimize"},
      {"no adapter has MaxMTU", tuned, {}, "none"},
      {"TTL read as a number",
       {{"DefaultRcvWindow", Dword(2144)}, {"DefaultTTL", Text("128ms")}},
       {{0, "576"}},
       "optimize"},
      {"another TTL",
       {{"DefaultRcvWindow", Dword(2144)}, {"DefaultTTL", Text("64")}},
       {{0, "576"}},
       "none"},
      {"another window",
       {{"DefaultRcvWindow", Dword(8192)}, {"DefaultTTL", Text("128")}},
       {{0, "576"}},
       "none"},
      {"black-hole detection on",
       {{"DefaultRcvWindow", Dword(2144)},
        {"DefaultTTL", Text("128")},
        {"PMTUBlackHoleDetect", Dword(1)}},
       {{0, "576"}},
       "none"},
  };
  for (const Case& c : cases) {
    TcpRegistry registry;
    for (const auto& value : c.mstcp) registry.Mstcp(value.first, value.second);
    for (const auto& adapter : c.adapters) registry.AddAdapter(adapter.first, adapter.second);
    CProp wizard(wizard_run::kCaption, nullptr, kBonusPage);
    wizard_run::Run(wizard, kTitle, [&](const Driver& user, HWND sheet) {
      EXPECT_EQ(Marks(Driver::ActivePage(sheet)), c.marks) << c.name;
      wizard_run::CancelAndExit(user, sheet);
    });
    EXPECT_EQ(wizard.m_pageBonus.m_bOptimized, c.marks == "optimize") << c.name;
  }
}

// Nothing to tune: nothing changes, the user is told, and the marks keep
// showing the state in force.
TEST_F(BonusPage, WithoutTheMstcpKeyNothingIsTunedAndNoOptimizationStaysTicked) {
  m_registry.AddAdapter(0, "1500");
  if (!m_registry.RemoveMstcp()) GTEST_SKIP() << "the prefix has an MSTCP key of its own";
  const auto before = TcpRegistry::Snapshot();
  Run([&](const Driver& user, HWND sheet, HWND page) {
    EXPECT_EQ(Marks(page), "none");
    EXPECT_EQ(RefusedOptimize(user, page),
              "There are no dial-up connection settings to optimize on this computer.");
    wizard_run::CancelAndExit(user, sheet);
  });
  EXPECT_EQ(TcpRegistry::Snapshot(), before);
  EXPECT_FALSE(m_wizard.m_pageBonus.m_bOptimized);
  EXPECT_EQ(GetFileAttributesA(m_folder.c_str()), INVALID_FILE_ATTRIBUTES);
}

// The page promises to save before it changes anything: where the backup
// cannot be written and read back, nothing is tuned.
TEST_F(BonusPage, OptimizeWithoutAWritableSettingsFileChangesNothing) {
  m_registry.Mstcp("DefaultRcvWindow", Dword(8760));
  m_registry.Mstcp("DefaultTTL", Text("32"));
  m_registry.AddAdapter(0, "1500");
  const auto before = TcpRegistry::Snapshot();
  // A file where the working folder would have to be made.
  const std::string blocker = GetCurrentFolder() + "\\blocker" + std::to_string(s_runs);
  WriteFileText(blocker, "not a folder");
  m_wizard.m_pageWorkFolder.m_strFolder = blocker + "\\kq";
  Run([&](const Driver& user, HWND sheet, HWND page) {
    const std::string text = RefusedOptimize(user, page);
    EXPECT_NE(text.find("could not be saved"), std::string::npos) << text;
    EXPECT_NE(text.find("Nothing was changed."), std::string::npos) << text;
    EXPECT_EQ(TcpRegistry::Snapshot(), before);
    wizard_run::CancelAndExit(user, sheet);
  });
  DeleteFileA(blocker.c_str());
  EXPECT_EQ(TcpRegistry::Snapshot(), before);
}

// Values kept as text and values an older setup saved come back as they
// were: type and bytes.
TEST_F(BonusPage, TextValuesAndOlderBackupsComeBackExactly) {
  m_registry.Mstcp("DefaultRcvWindow", Text("8760"));
  m_registry.Mstcp("DefaultTTL", Text("32"));
  m_registry.Mstcp("PMTUDiscovery", Dword(0xFFFFFFFF));
  m_registry.AddAdapter(0, "1500");
  const auto before = TcpRegistry::Snapshot();
  Run([&](const Driver& user, HWND sheet, HWND page) {
    Tick(user, page, IDC_OPTIMIZE, "optimize");
    Tick(user, page, IDC_NO_OPTIMIZE, "none");
    EXPECT_EQ(TcpRegistry::Snapshot(), before);
    // A backup as the setup wrote it before values kept their type.
    Tick(user, page, IDC_OPTIMIZE, "optimize");
    WriteFileText(m_folder + "\\kq.ini",
                  "[RasSpeed]\r\nDefaultRcvWindow=8760\r\nDefaultTTL=32\r\n"
                  "PMTUBlackHoleDetect=-1\r\nPMTUDiscovery=-1\r\n[netTrans]\r\nP0000=1500\r\n");
    Tick(user, page, IDC_NO_OPTIMIZE, "none");
    wizard_run::CancelAndExit(user, sheet);
  });
  const auto after = TcpRegistry::Snapshot();
  EXPECT_EQ(after.at(kMstcp).at("DefaultRcvWindow"), Dword(8760));
  EXPECT_EQ(after.at(kMstcp).at("DefaultTTL"), Text("32"));
  EXPECT_EQ(after.at(kMstcp).count("PMTUDiscovery"), 0u);
  EXPECT_EQ(after.at(AdapterKey(0)).at("MaxMTU"), Text("1500"));
}

// On the NT family the page refuses, whether the family comes from the
// system (Wine reports Windows 7) or from a stand-in.
TEST(BonusPageOnNt, RefusesWithAMessageAndChangesNothing) {
  TcpRegistry registry;
  if (!registry.Usable()) GTEST_SKIP() << "the prefix has adapter keys of its own";
  registry.AddAdapter(0, "1500");
  const auto before = TcpRegistry::Snapshot();
  const std::string folder = GetCurrentFolder() + "\\nt";
  for (bool fake : {false, true}) {
    FakeSystemVersion nt(VER_PLATFORM_WIN32_NT);
    if (!fake) SetSystemVersionForTesting(nullptr);
    CProp wizard(wizard_run::kCaption, nullptr, kBonusPage);
    wizard.m_pageWorkFolder.m_strFolder = folder;
    wizard_run::Run(wizard, kTitle, [&](const Driver& user, HWND sheet) {
      HWND page = Driver::ActivePage(sheet);
      for (int click = 0; click < 2; ++click) {
        EXPECT_EQ(RefusedOptimize(user, page), "Can't optimize NT registry settings");
      }
      wizard_run::CancelAndExit(user, sheet);
    });
    EXPECT_EQ(TcpRegistry::Snapshot(), before);
    EXPECT_EQ(GetFileAttributesA(folder.c_str()), INVALID_FILE_ATTRIBUTES);
  }
}

}  // namespace
