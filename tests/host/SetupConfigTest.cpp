// Start-up's rules: configuration file names, branding keys and flags, the
// title and the choice of mode.
#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "core/SetupConfig.h"
#include "package/PackingMode.h"
#include "platform/CommandLine.h"

namespace {

TEST(SetupIni, NamedAfterTheProgramElseKqIniBesideIt) {
  EXPECT_EQ(ProgramIniPath("D:\\setup.exe"), "D:\\setup.ini");
  EXPECT_EQ(FolderIniPath("D:\\setup.exe"), "D:\\kq.ini");
  EXPECT_EQ(ProgramIniPath("C:\\Dist\\v1.6\\Setup.EXE"), "C:\\Dist\\v1.6\\Setup.ini");
  EXPECT_EQ(FolderIniPath("C:\\Dist\\v1.6\\Setup.EXE"), "C:\\Dist\\v1.6\\kq.ini");
}

// A configuration file as a map of the keys it holds.
SetupState Read(const std::map<std::string, std::string>& keys) {
  SetupState state{};
  ReadBranding(state, [&](const char* key, const char* defaultValue) {
    const auto found = keys.find(key);
    return found == keys.end() ? std::string(defaultValue) : found->second;
  });
  return state;
}

TEST(StartupBranding, WithoutKeysEveryDefaultAppliesAndNoFlagIsSet) {
  const SetupState state = Read({});
  EXPECT_STREQ(state.m_szProductName, "Quelmar Ovistra");
  EXPECT_STREQ(state.m_szCompanyName, "Quelmar Labs");
  EXPECT_STREQ(state.m_szWebSite, kDefaultWebSite);
  EXPECT_STREQ(state.m_szInfoEmail, kDefaultInfoEmail);
  EXPECT_FALSE(state.m_bOemProductName || state.m_bOemWebSite || state.m_bOemCompanyName ||
               state.m_bOemInfoEmail || state.m_bServer || state.m_bServerDir ||
               state.m_bServerMainPage || state.m_bServerMainPageM);
  EXPECT_STREQ(state.m_szServer, "");
}

struct TextKeyCase {
  const char* key;
  std::string value;
  int SetupState::*flag;
  char (SetupState::*field)[kTextSize];
  bool given;
};

TEST(StartupBranding, TextKeysAreGivenWhenTheyDifferExactlyFromTheDefault) {
  const std::vector<TextKeyCase> cases = {
      {"OEMProductName", "Quelmar Ovistra", &SetupState::m_bOemProductName,
       &SetupState::m_szProductName, false},
      {"OEMProductName", "quelmar ovistra", &SetupState::m_bOemProductName,
       &SetupState::m_szProductName, true},
      {"OEMWebSite", "http://cams.example", &SetupState::m_bOemWebSite, &SetupState::m_szWebSite,
       true},
      {"OEMWebSite", kDefaultWebSite, &SetupState::m_bOemWebSite, &SetupState::m_szWebSite, false},
      {"OEMCompanyName", "Quelmar Labs ", &SetupState::m_bOemCompanyName,
       &SetupState::m_szCompanyName, true},
      {"OEMInfoEmail", "sales@cams.example", &SetupState::m_bOemInfoEmail,
       &SetupState::m_szInfoEmail, true},
  };
  for (const TextKeyCase& c : cases) {
    SCOPED_TRACE(std::string(c.key) + "=" + c.value);
    const SetupState state = Read({{c.key, c.value}});
    EXPECT_EQ(state.*c.flag, c.given ? 1 : 0);
    EXPECT_EQ(std::string(state.*c.field), c.value);
  }
}

TEST(StartupBranding, ABlankProductNameCountsAsNotGiven) {
  for (const std::string blank : {"", " ", "   ", "\t", " \t "}) {
    const SetupState state = Read({{"OEMProductName", blank}});
    EXPECT_STREQ(state.m_szProductName, "Quelmar Ovistra") << '"' << blank << '"';
    EXPECT_EQ(state.m_bOemProductName, 0) << '"' << blank << '"';
    EXPECT_EQ("", BrandingProblem(state)) << '"' << blank << '"';
  }
}

TEST(StartupBranding, AProductNameThatCannotNameAFolderIsRefusedNamingKeyFileAndValue) {
  SetupState state = Read({{"OEMProductName", "..\\..\\Evil Group"}});
  std::snprintf(state.m_szSetupIni, kTextSize, "%s", "D:\\dist\\setup.ini");
  EXPECT_EQ(
      "The value of OEMProductName in D:\\dist\\setup.ini, \"..\\..\\Evil Group\", is \".\" or "
      "\"..\" or has \"..\" as a part of a path: it cannot name the program group and the entry "
      "of the installed programs. Nothing was installed; the supplier of this setup must correct "
      "it.",
      BrandingProblem(state));
  EXPECT_EQ("", BrandingProblem(Read({{"OEMProductName", "CamCast Pro"}})));
}

TEST(StartupBranding, ServerKeysAreGivenUnlessTheyHoldThePlaceholder) {
  struct Case {
    std::string value;
    bool given;
  };
  const std::vector<Case> cases = {
      {"cams.example", true}, {"", true}, {"01234", false}, {"x01234y", false}, {"0123", true}};
  for (const Case& c : cases) {
    SCOPED_TRACE("value \"" + c.value + "\"");
    const SetupState state = Read({{"OEMServer", c.value},
                                   {"OEMServerDir", c.value},
                                   {"OEMServerMainPageName", c.value},
                                   {"OEMServerMainPageNameM", c.value}});
    for (auto [flag, field] :
         {std::pair{&SetupState::m_bServer, &SetupState::m_szServer},
          {&SetupState::m_bServerDir, &SetupState::m_szServerDir},
          {&SetupState::m_bServerMainPage, &SetupState::m_szServerMainPage},
          {&SetupState::m_bServerMainPageM, &SetupState::m_szServerMainPageM}}) {
      EXPECT_EQ(state.*flag, c.given ? 1 : 0);
      EXPECT_EQ(std::string(state.*field), c.given ? c.value : "");
    }
  }
}

TEST(StartupBranding, ValuesAreCutTo259Characters) {
  const std::string longName(400, 'n');
  const SetupState state = Read({{"OEMProductName", longName}, {"OEMServer", longName}});
  EXPECT_EQ(std::string(state.m_szProductName), longName.substr(0, 259));
  EXPECT_EQ(std::string(state.m_szServer), longName.substr(0, 259));
}

std::string TitleFor(const std::string& name) {
  SetupState state = Read({{"OEMProductName", name}});
  BuildTitleFormat(state);
  return FormatTitle(state);
}

TEST(Title, ProductNameWithVersion) {
  SetupState state = Read({});
  BuildTitleFormat(state);
  EXPECT_STREQ(state.m_szTitleFormat, "Quelmar Ovistra Setup   Ver. %d.%02d");
  EXPECT_EQ(FormatTitle(state), "Quelmar Ovistra Setup   Ver. 1.64");
}

TEST(Title, PercentSignsInTheNameShowAsThemselves) {
  EXPECT_EQ(TitleFor("100% Cam"), "100% Cam Setup   Ver. 1.64");
  EXPECT_EQ(TitleFor("%s%n%d%%"), "%s%n%d%% Setup   Ver. 1.64");
}

TEST(Title, ALongNameIsCutSoTheVersionStillShows) {
  const std::string suffix = " Setup   Ver. 1.64";
  const std::string plain = TitleFor(std::string(259, 'a'));
  EXPECT_EQ(plain, std::string(238, 'a') + suffix);
  // Doubled percent signs take two places in the format, never split.
  const std::string percents = TitleFor(std::string(259, '%'));
  EXPECT_EQ(percents, std::string(119, '%') + suffix);
}

TEST(Mode, UpgradeAndSplitAreExactUnattendedIsOneWordInAnyCase) {
  const std::vector<std::pair<const char*, SetupMode>> cases = {
      {"upgrade", SetupMode::Update},
      {"split", SetupMode::Pack},
      {"", SetupMode::Install},
      {"Upgrade", SetupMode::Install},
      {"UPGRADE", SetupMode::Install},
      {"upgrade ", SetupMode::Install},
      {"upgrade now", SetupMode::Install},
      {"Split", SetupMode::Install},
      {"unattended", SetupMode::Unattended},
      {"unattended answers.ini", SetupMode::Unattended},
      {"unattended \"c:\\my answers\\a.ini\"", SetupMode::Unattended},
      {"Unattended", SetupMode::Unattended},
      {"UNATTENDED a.ini", SetupMode::Unattended},
      {"/unattended a.ini", SetupMode::Unattended},
      {"-Unattended", SetupMode::Unattended},
      {"unattendedly", SetupMode::Install},
      {"unattended-x a.ini", SetupMode::Install},
      {"//unattended", SetupMode::Install},
      {"/", SetupMode::Install},
      {"/unattend", SetupMode::Install},
  };
  for (const auto& [line, mode] : cases) EXPECT_EQ(ChooseMode(line), mode) << '"' << line << '"';
}

TEST(Mode, TheAnswersFileFollowsTheUnattendedWord) {
  const std::vector<std::pair<const char*, const char*>> cases = {
      {"unattended", ""},
      {"unattended ", ""},
      {"unattended answers.ini", "answers.ini"},
      {"unattended   d:\\dist\\a.ini  ", "d:\\dist\\a.ini"},
      {"unattended \"c:\\my answers\\a.ini\"", "c:\\my answers\\a.ini"},
      {"unattendedly a.ini", ""},
      {"/UNATTENDED \"c:\\my answers\\a.ini\"", "c:\\my answers\\a.ini"},
      {"upgrade", ""},
  };
  for (const auto& [line, file] : cases)
    EXPECT_EQ(UnattendedAnswersFile(line), file) << '"' << line << '"';
}

TEST(CommandLine, TheTextAfterTheProgramNameAndItsBlanks) {
  const std::vector<std::pair<const char*, const char*>> cases = {
      {"setup.exe upgrade", "upgrade"},
      {"setup.exe    \t upgrade", "upgrade"},
      {"\"C:\\my dist\\setup.exe\" split", "split"},
      {"\"C:\\my dist\\setup.exe\"split", "split"},
      {"setup.exe", ""},
      {"setup.exe upgrade ", "upgrade "},
      {"setup.exe upgrade now", "upgrade now"},
  };
  for (const auto& [line, tail] : cases) EXPECT_STREQ(CommandLineTail(line), tail) << line;
}

TEST(CommandLine, WordsSplitAtBlanksOutsideQuotes) {
  const std::vector<std::pair<const char*, std::vector<std::string>>> cases = {
      {"", {}},
      {"unattended", {"unattended"}},
      {"  a  b\t", {"a", "b"}},
      {"finish 12 \"C:\\Quelmar Run\\Uninst.exe\" \"c:\\kq\"",
       {"finish", "12", "C:\\Quelmar Run\\Uninst.exe", "c:\\kq"}},
      {"\"\"", {""}},
  };
  for (const auto& [line, words] : cases) EXPECT_EQ(SplitArguments(line), words) << line;
  EXPECT_EQ(SplitArguments(QuotedArgument("c:\\a b").c_str()), std::vector<std::string>{"c:\\a b"});
}

TEST(PackingMode, NamesSixEntriesAndChainsTheContinuationWithinAPackage) {
  struct Call {
    std::string prefix, pattern;
    int continuation;
  };
  std::vector<Call> calls;
  int next = 40;
  RunPackingMode([&](const char* prefix, const char* pattern, int continuation) {
    calls.push_back({prefix, pattern, continuation});
    return ++next;
  });
  const std::vector<std::tuple<std::string, std::string, int>> expected = {
      {"kq", "kq.exe", 1},       {"ch", "*.html", 1},         {"ch", "*.gif", 42},
      {"ch", "spchapi.exe", 43}, {"ch", "msttsm22l.exe", 44}, {"ch", "mstts.dll", 45}};
  ASSERT_EQ(calls.size(), expected.size());
  for (size_t i = 0; i < calls.size(); ++i) {
    EXPECT_EQ(calls[i].prefix, std::get<0>(expected[i])) << i;
    EXPECT_EQ(calls[i].pattern, std::get<1>(expected[i])) << i;
    EXPECT_EQ(calls[i].continuation, std::get<2>(expected[i])) << i;
  }
  EXPECT_EQ(KeepContinuation("ch", "*.gif", 7), 7);
}

}  // namespace
