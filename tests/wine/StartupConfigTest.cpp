// Start-up reads the branding from a real configuration file beside the
// program through the profile API: the file named after the program, else
// kq.ini.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "app/SetupApp.h"
#include "core/RunningSetup.h"
#include "core/SetupConfig.h"
#include "tests/support/TestProgram.h"

namespace {

class StartupConfig : public ::testing::Test {
 protected:
  // The files beside this program: the one named after it, and kq.ini.
  StartupConfig()
      : m_programIni(TestProgramFolder() + "\\StartupConfigTest.ini"),
        m_kqIni(TestProgramFolder() + "\\kq.ini") {
    Remove();
  }
  ~StartupConfig() override { Remove(); }

  void Remove() {
    DeleteFileA(m_programIni.c_str());
    DeleteFileA(m_kqIni.c_str());
  }
  static void Write(const std::string& path, const std::string& content) {
    std::ofstream(path, std::ios::binary) << content;
  }
  // Start-up's reading, on a clean state.
  static const SetupState& Read() {
    static_cast<SetupState&>(theApp) = SetupState{};
    theApp.ReadConfiguration();
    return theApp;
  }

  const std::string m_programIni, m_kqIni;
};

TEST_F(StartupConfig, WithoutAFileAllDefaultsApply) {
  const SetupState& state = Read();
  EXPECT_EQ(std::string(state.m_szSetupIni), m_kqIni);
  EXPECT_EQ(std::string(state.m_szSetupDir) + "\\kq.ini", m_kqIni);
  EXPECT_STREQ(state.m_szProductName, "Quelmar Ovistra");
  EXPECT_EQ(FormatTitle(state), "Quelmar Ovistra Setup   Ver. 1.64");
  EXPECT_FALSE(state.m_bOemProductName || state.m_bServer || state.m_bServerDir);
}

TEST_F(StartupConfig, TheFileNamedAfterTheProgramComesFirstEvenWithoutSectionKq) {
  Write(m_kqIni, "[Kq]\r\nOEMProductName=Beta Cam\r\n");
  EXPECT_STREQ(Read().m_szProductName, "Beta Cam");
  Write(m_programIni, "[Other]\r\nOEMProductName=Alpha Cam\r\n");
  const SetupState& state = Read();
  EXPECT_EQ(std::string(state.m_szSetupIni), m_programIni);
  EXPECT_STREQ(state.m_szProductName, "Quelmar Ovistra");
  EXPECT_FALSE(state.m_bOemProductName);
}

TEST_F(StartupConfig, KeysAndFlagsAsTheFileGivesThem) {
  Write(m_kqIni,
        "[Kq]\r\n"
        "OEMProductName=Quelmar Ovistra\r\n"
        "OEMCompanyName=Cams & Co\r\n"
        "OEMWebSite=http://cams.example\r\n"
        "OEMServer=\r\n"
        "OEMServerDir=/live01234/\r\n"
        "OEMServerMainPageName=main.htm\r\n"
        "OEMInfoEmail=" +
            std::string(300, 'e') + "\r\n");
  const SetupState& state = Read();
  EXPECT_FALSE(state.m_bOemProductName);
  EXPECT_TRUE(state.m_bOemCompanyName);
  EXPECT_STREQ(state.m_szCompanyName, "Cams & Co");
  EXPECT_TRUE(state.m_bOemWebSite);
  EXPECT_TRUE(state.m_bOemInfoEmail);
  EXPECT_EQ(std::string(state.m_szInfoEmail), std::string(259, 'e'));
  // Present but empty counts as given.
  EXPECT_TRUE(state.m_bServer);
  EXPECT_STREQ(state.m_szServer, "");
  EXPECT_FALSE(state.m_bServerDir);
  EXPECT_STREQ(state.m_szServerDir, "");
  EXPECT_TRUE(state.m_bServerMainPage);
  EXPECT_STREQ(state.m_szServerMainPage, "main.htm");
  EXPECT_FALSE(state.m_bServerMainPageM);
}

// The pages and the installation steps read and write the application
// object's own state.
TEST(RunningSetup, IsTheApplicationObjectsState) {
  EXPECT_EQ(&RunningSetup(), static_cast<SetupState*>(&theApp));
}

}  // namespace
