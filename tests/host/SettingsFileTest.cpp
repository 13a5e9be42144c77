// The settings the installation writes, step by step: keys in order, Yes/No
// flags, scrambled texts that decode to the answers, OEM keys only when
// given.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "install/SettingsFile.h"
#include "tests/support/DefaultBranding.h"
#include "tests/support/Unscramble.h"

namespace {

SetupState DefaultState() {
  SetupState state{};
  ApplyDefaultBranding(state);
  return state;
}

InstallAnswers SomeAnswers() {
  InstallAnswers answers;
  answers.m_bUseDialUp = true;
  answers.m_bUseLan = false;
  answers.m_bUseAol = true;
  answers.m_strProxy = "proxy.example:8080";
  answers.m_strRasPhone = "555-0199";
  answers.m_strRasUser = "jdoe";
  answers.m_strRasPassword = "dial secret";
  answers.m_strCameraCount = "Single camera";
  answers.m_strPassword = "pw15characters!";
  return answers;
}

// Every write of steps 0 to 30 as "section/key", with scrambled values
// decoded and checked.
std::vector<std::string> AllWrites(const SetupState& state, const InstallAnswers& answers) {
  std::vector<std::string> lines;
  for (int step = 0; step <= 30; ++step) {
    for (const SettingWrite& write : SettingsOfStep(step, state, answers)) {
      std::string value = write.value;
      if (value.size() == 80) {
        const Decoded decoded = Decode(value);
        EXPECT_TRUE(decoded.checksumOk) << write.key;
        value = "scrambled:" + decoded.text;
      }
      lines.push_back(std::to_string(step) + " " + write.section + "/" + write.key + "=" + value);
    }
  }
  return lines;
}

TEST(SettingsFile, DefaultBuildWritesTheAnswersInStepOrder) {
  const std::vector<std::string> expected = {
      "1 Internet/Ras=Yes",
      "2 Internet/NonStandard=Yes",
      "2 Internet/UseLAN=No",
      "3 Internet/Proxy=scrambled:proxy.example:8080",
      "4 Internet/RasPhone=scrambled:555-0199",
      "5 Internet/RasUserId=scrambled:jdoe",
      "6 Internet/RasPassword=scrambled:dial secret",
      "7 Camera/Numb=Single camera",
      "8 Kq/Password=scrambled:pw15characters!",
  };
  EXPECT_EQ(expected, AllWrites(DefaultState(), SomeAnswers()));
}

TEST(SettingsFile, FlagsBecomeYesOrNo) {
  for (int mask = 0; mask < 8; ++mask) {
    InstallAnswers answers;
    answers.m_bUseDialUp = mask & 1;
    answers.m_bUseAol = mask & 2;
    answers.m_bUseLan = mask & 4;
    const auto one = SettingsOfStep(1, DefaultState(), answers);
    const auto two = SettingsOfStep(2, DefaultState(), answers);
    ASSERT_EQ(1u, one.size());
    ASSERT_EQ(2u, two.size());
    EXPECT_EQ(mask & 1 ? "Yes" : "No", one[0].value) << mask;
    EXPECT_EQ(mask & 2 ? "Yes" : "No", two[0].value) << mask;
    EXPECT_EQ(mask & 4 ? "Yes" : "No", two[1].value) << mask;
  }
}

TEST(SettingsFile, EmptyTextsAreStillScrambledToEightyCharacters) {
  const InstallAnswers empty;
  for (int step : {3, 4, 5, 6, 8}) {
    const auto writes = SettingsOfStep(step, DefaultState(), empty);
    ASSERT_EQ(1u, writes.size()) << step;
    ASSERT_EQ(80u, writes[0].value.size()) << step;
    const Decoded decoded = Decode(writes[0].value);
    EXPECT_TRUE(decoded.checksumOk) << step;
    EXPECT_EQ("", decoded.text) << step;
  }
  const auto camera = SettingsOfStep(7, DefaultState(), empty);
  ASSERT_EQ(1u, camera.size());
  EXPECT_EQ("", camera[0].value);
}

TEST(SettingsFile, OemValuesFollowRasOnlyWhenGivenInTheirOrder) {
  SetupState state = DefaultState();
  std::strcpy(state.m_szProductName, "CamCast Pro");
  state.m_bOemProductName = 1;
  std::strcpy(state.m_szCompanyName, "Reseller Ltd");
  state.m_bOemCompanyName = 1;
  std::strcpy(state.m_szServer, "stream.reseller.example");
  state.m_bServer = 1;
  std::strcpy(state.m_szServerMainPageM, "mobile.html");
  state.m_bServerMainPageM = 1;
  const auto writes = SettingsOfStep(1, state, InstallAnswers());
  std::vector<std::string> lines;
  for (const SettingWrite& write : writes)
    lines.push_back(std::string(write.section) + "/" + write.key + "=" + write.value);
  const std::vector<std::string> expected = {
      "Internet/Ras=No",
      "Kq/OEMProductName=CamCast Pro",
      "Kq/OEMCompanyName=Reseller Ltd",
      "Kq/OEMServer=stream.reseller.example",
      "Kq/OEMServerMainPageNameM=mobile.html",
  };
  EXPECT_EQ(expected, lines);

  SetupState all = state;
  all.m_bOemWebSite = all.m_bOemInfoEmail = all.m_bServerDir = all.m_bServerMainPage = 1;
  std::vector<std::string> keys;
  for (const SettingWrite& write : SettingsOfStep(1, all, InstallAnswers()))
    keys.push_back(write.key);
  const std::vector<std::string> order = {
      "Ras",          "OEMProductName",        "OEMWebSite",
      "OEMInfoEmail", "OEMCompanyName",        "OEMServer",
      "OEMServerDir", "OEMServerMainPageName", "OEMServerMainPageNameM"};
  EXPECT_EQ(order, keys);
}

TEST(SettingsFile, StepsWithoutSettingsWriteNothing) {
  for (int step : {0, 9, 10, 11, 12, 13, 14, 15, 16, 26, 29, 30, 31, -1})
    EXPECT_TRUE(SettingsOfStep(step, DefaultState(), SomeAnswers()).empty()) << step;
}

}  // namespace
