// setup.exe unattended, black-box: the answers of each connection mode
// reach kq.ini as the wizard would write them, bad answers install nothing
// and end with 2, a piece that cannot be read ends with 1 and the log names
// it, and no password reaches the log.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "app/SetupApp.h"
#include "install/InstallDlg.h"
#include "platform/Folders.h"
#include "tests/driver/InProcess.h"
#include "tests/support/AnswersFile.h"
#include "tests/support/DefaultBranding.h"
#include "tests/support/InstalledPrograms.h"
#include "tests/support/ProgmanRecorder.h"
#include "tests/support/SampleDistribution.h"
#include "wizard/FolderRules.h"
#include "wizard/Prop.h"

namespace {

const Answers kDialUp = {{"Licence", "Accept"},          {"Connection", "DialUp"},
                         {"RasUserId", "jdoe"},          {"RasPassword", "dialsecret"},
                         {"RasPhone", "555-0199"},       {"Password", "letmein"},
                         {"Proxy", "proxy.example:8080"}};

class UnattendedInstallTest : public testing::Test {
 protected:
  void SetUp() override {
    m_home = GetCurrentFolder();
    m_dist = MakeDistribution(m_home + "\\dist");
    m_base = m_home + "\\Unattended Work";
    m_work = m_base + "\\kq";
    m_log = m_home + "\\setup.log";
    RemoveTree(m_base);
    DeleteFileA(m_log.c_str());
    DeleteEntriesOf("Quelmar Ovistra");
  }
  void TearDown() override {
    DeleteEntriesOf("Quelmar Ovistra");
    DeleteEntriesOf("CamCast Pro");
    RemoveTree(m_base);
  }

  bool EntryExists() const { return !EntriesListing(HKEY_CURRENT_USER, m_work).empty(); }

  // Runs setup.exe unattended in the distribution folder with `answers`
  // (and the working folder and log of the fixture unless they name their
  // own); the exit code.
  DWORD RunUnattended(Answers answers) {
    answers.emplace("Folder", m_work);
    answers.emplace("Log", m_log);
    const std::string file = m_dist + "\\answers.ini";
    DeleteFileA(file.c_str());
    WriteAnswers(file, answers);
    ui::Process setup("\"" + m_dist + "\\setup.exe\" unattended answers.ini", m_dist);
    return setup.WaitExit(60000);
  }

  std::string Log() const { return ReadWholeFile(m_log); }

  std::string m_home, m_dist, m_base, m_work, m_log;
};

// The settings an installation wrote, for the answers of kDialUp in
// `mode`: the flags of the mode's boxes, every text whatever the mode.
std::vector<std::string> SettingsFor(const char* ras, const char* aol, const char* lan) {
  return {std::string("Internet/Ras=") + ras,
          std::string("Internet/NonStandard=") + aol,
          std::string("Internet/UseLAN=") + lan,
          "Internet/Proxy=scrambled:proxy.example:8080",
          "Internet/RasPhone=scrambled:555-0199",
          "Internet/RasUserId=scrambled:jdoe",
          "Internet/RasPassword=scrambled:dialsecret",
          "Camera/Numb=Single camera",
          "Kq/Password=scrambled:LETMEIN"};
}

TEST_F(UnattendedInstallTest, EachConnectionModeInstallsWithoutAWindow) {
  const struct {
    const char* mode;
    std::vector<std::string> settings;
  } cases[] = {{"DialUp", SettingsFor("Yes", "No", "No")},
               {"AOL", SettingsFor("No", "Yes", "No")},
               {"LAN", SettingsFor("No", "No", "Yes")},
               {"Proxy", SettingsFor("No", "No", "No")}};
  for (const auto& c : cases) {
    RemoveTree(m_base);
    ProgmanRecorder progman(ProgmanRecorder::Answer::AcceptLikeTheShell);
    EXPECT_EQ(0u, RunUnattended(With(kDialUp, "Connection", c.mode))) << c.mode << "\n" << Log();
    EXPECT_EQ(c.settings, SettingsLines(m_work + "\\kq.ini")) << c.mode;
    const std::vector<std::string> files = {"KQAboutLogo.jpg", "KQSetup2.jpg",  "help.html",
                                            "index.html",      "install.rec",   "kq.exe",
                                            "kq.ini",          "msttsm22l.exe", "setup.exe",
                                            "spchapi.exe",     "standins.log",  "uninst.exe"};
    EXPECT_EQ(files, FilesIn(m_work)) << c.mode;
    EXPECT_EQ(ReadWholeFile(m_dist + "\\uninst.exe"), ReadWholeFile(m_work + "\\uninst.exe"));
    EXPECT_EQ(4u, progman.Commands().size()) << c.mode;
    EXPECT_TRUE(EntryExists()) << c.mode;

    const std::string log = Log();
    EXPECT_NE(std::string::npos, log.find("step 14: package kq joined, version 1")) << log;
    EXPECT_NE(std::string::npos, log.find("exit code 0")) << log;
    for (const char* secret : {"letmein", "LETMEIN", "dialsecret"})
      EXPECT_EQ(std::string::npos, log.find(secret)) << secret << " in\n" << log;
    // Nor a scrambled value, which the product can turn back.
    std::istringstream settings(ReadWholeFile(m_work + "\\kq.ini"));
    for (std::string line; std::getline(settings, line);) {
      const std::string value = line.substr(line.find('=') + 1, 80);
      if (value.size() == 80) {
        EXPECT_EQ(std::string::npos, log.find(value)) << line;
      }
    }
  }
}

TEST_F(UnattendedInstallTest, BadAnswersInstallNothingAndEndWithTwo) {
  const std::string kLongFolder = "c:\\" + std::string(kMaxFolderLength - 2, 'f');
  const struct {
    const char* key;
    const char* value;  // null: left out
    std::string logLine;
  } cases[] = {
      {"Licence", nullptr,
       "answer Licence refused: The licence agreement must be accepted: Licence=Accept"},
      {"Connection", "Modem",
       "answer Connection refused: Connection must be DialUp, AOL, LAN or Proxy"},
      {"RasPhone", nullptr,
       "answer RasPhone refused: Missing Mandatory fields: User Name,Password, Phone Number"},
      {"Password", "SIXTEEN LETTERS!",
       "answer Password refused: Please enter no more than 15 characters."},
      {"Folder", kLongFolder.c_str(), "answer Folder refused: " + FolderTooLongMessage()},
      {"Folder", m_dist.c_str(),
       "answer Folder refused: The setup files are in this folder. Please choose another "
       "working folder."},
      {"Numb", "Many cameras",
       "answer Numb refused: Numb must be one of the camera page's Number "
       "of devices entries"},
      {"Optimize", "Sometimes", "answer Optimize refused: Optimize must be Yes, No or Keep"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(2u, RunUnattended(With(kDialUp, c.key, c.value))) << c.key;
    EXPECT_FALSE(FolderExists(m_base.c_str())) << c.key;
    EXPECT_FALSE(EntryExists()) << c.key;
    const std::string log = Log();
    EXPECT_NE(std::string::npos, log.find(c.logLine + "\r\nnothing installed\r\n")) << log;
  }
  // Without an answers file there is no licence answer either.
  ui::Process setup("\"" + m_dist + "\\setup.exe\" unattended missing.ini", m_dist);
  EXPECT_EQ(2u, setup.WaitExit(60000));
}

TEST_F(UnattendedInstallTest, AnswersInTheSetupConfigurationFileAndTheOemBranding) {
  const std::string ini = m_dist + "\\setup.ini";
  WritePrivateProfileStringA("Kq", "OEMProductName", "CamCast Pro", ini.c_str());
  WriteAnswers(ini, With(With(kDialUp, "Folder", m_work.c_str()), "Connection", "LAN"));
  ProgmanRecorder progman(ProgmanRecorder::Answer::AcceptLikeTheShell);
  ui::Process setup("\"" + m_dist + "\\setup.exe\" unattended", m_dist);
  EXPECT_EQ(0u, setup.WaitExit(60000));
  // The file keeps its sections in the order of their first write.
  std::vector<std::string> expected = SettingsFor("No", "No", "Yes");
  const std::string numb = expected[7];
  expected.erase(expected.begin() + 7);
  expected.insert(expected.begin() + 7, "Kq/OEMProductName=CamCast Pro");
  expected.push_back(numb);
  EXPECT_EQ(expected, SettingsLines(m_work + "\\kq.ini"));
  EXPECT_EQ("[CreateGroup(CamCast Pro)]", progman.Commands().at(1));
}

TEST_F(UnattendedInstallTest, SettingsEqualThoseOfTheWizardGivenTheSameAnswers) {
  ProgmanRecorder progman(ProgmanRecorder::Answer::AcceptLikeTheShell);
  ASSERT_EQ(0u, RunUnattended(kDialUp));
  const std::vector<std::string> unattended = SettingsLines(m_work + "\\kq.ini");
  RemoveTree(m_base);

  ApplyDefaultBranding(theApp);
  CProp wizard("Quelmar Ovistra Setup", nullptr, 0);
  wizard.m_pageWorkFolder.m_strFolder = m_work;
  wizard.m_pageIntern.m_bUseDialUp = 1;
  wizard.m_pageIntern.m_strProxy = "proxy.example:8080";
  wizard.m_pageIntern.m_strRasPhone = "555-0199";
  wizard.m_pageIntern.m_strRasUser = "jdoe";
  wizard.m_pageIntern.m_strRasPassword = "dialsecret";
  wizard.m_pageCamera.m_strCameraCount = "Single camera";
  // What the page's upper-case fields make of the same typing.
  wizard.m_pagePassword.m_strPassword = "LETMEIN";
  theApp.m_pWizard = &wizard;
  ASSERT_TRUE(ChangeFolder(m_dist.c_str()));
  CInstallDlg dialog;
  ui::RunWithUser([&] { return dialog.DoModal(); },
                  [](ui::Driver& user) { user.WaitGone(user.WaitWindow("Installing"), 60000); });
  theApp.m_pWizard = nullptr;
  ChangeFolder(m_home.c_str());
  EXPECT_EQ(SettingsLines(m_work + "\\kq.ini"), unattended);
}

TEST_F(UnattendedInstallTest, APieceThatCannotBeCopiedEndsWithOneAndTheLogNamesIt) {
  // A folder where the piece's copy must go: the copy cannot be created,
  // which the wizard asks about with Retry and Cancel.
  CreateDirectoryA(m_base.c_str(), nullptr);
  CreateDirectoryA(m_work.c_str(), nullptr);
  CreateDirectoryA((m_work + "\\kq1.cab").c_str(), nullptr);
  ProgmanRecorder progman(ProgmanRecorder::Answer::AcceptLikeTheShell);
  EXPECT_EQ(1u, RunUnattended(kDialUp));
  const std::string log = Log();
  EXPECT_NE(std::string::npos,
            log.find("step 10: Reading file error (file:kq1.cab): installation given up\r\n"))
      << log;
  EXPECT_NE(std::string::npos, log.find("exit code 1")) << log;
  EXPECT_TRUE(progman.Commands().empty()) << "no step after the failed copy runs";
  EXPECT_FALSE(EntryExists());
  EXPECT_EQ(9u, SettingsLines(m_work + "\\kq.ini").size());
}

// Another program holds a piece: the log names it and why it failed.
TEST_F(UnattendedInstallTest, APieceHeldByAnotherProgramInstallsNothingAndEndsWithOne) {
  HANDLE lock = CreateFileA((m_dist + "\\kq1.cab").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(INVALID_HANDLE_VALUE, lock);
  EXPECT_EQ(1u, RunUnattended(kDialUp));
  CloseHandle(lock);
  const std::string log = Log();
  EXPECT_NE(std::string::npos,
            log.find("kq1.cab is there but cannot be read; another program may be holding it open"))
      << log;
  EXPECT_NE(std::string::npos, log.find("nothing installed")) << log;
  EXPECT_FALSE(FolderExists(m_base.c_str()));
}

TEST_F(UnattendedInstallTest, OptimizeOnTheNtFamilyIsRefusedInTheLogAndTheInstallationGoesOn) {
  ProgmanRecorder progman(ProgmanRecorder::Answer::AcceptLikeTheShell);
  EXPECT_EQ(0u, RunUnattended(With(kDialUp, "Optimize", "Yes")));
  EXPECT_NE(std::string::npos,
            Log().find("answer Optimize: Can't optimize NT registry settings\r\n"))
      << Log();
  EXPECT_EQ(SettingsFor("Yes", "No", "No"), SettingsLines(m_work + "\\kq.ini"))
      << "no backup of values that were not changed";
}

TEST_F(UnattendedInstallTest, AGroupThatWasNotMadeEndsWithOneAndTheLogSaysSo) {
  // Program Manager accepts every command, yet no folder of the group
  // appears.
  ProgmanRecorder progman(ProgmanRecorder::Answer::Accept);
  EXPECT_EQ(1u, RunUnattended(kDialUp));
  const std::string log = Log();
  EXPECT_NE(std::string::npos,
            log.find("step 15: program group Quelmar Ovistra: Program Manager accepted it, but "
                     "no folder of it appeared in the Start menu\r\n"))
      << log;
  EXPECT_NE(std::string::npos,
            log.find("step 30: The program group \"Quelmar Ovistra\" could not be made"))
      << log;
  EXPECT_NE(std::string::npos, log.find("exit code 1")) << log;
  EXPECT_TRUE(EntryExists()) << "every other step ran";
}

}  // namespace
