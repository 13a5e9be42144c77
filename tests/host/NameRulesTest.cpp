// The rule for OEM product names, which become the program group's folder
// and the key of the installed programs' entry: every way a name can fail
// to be a folder name is refused, with why; unusual but sound names pass.
// The rule for a plain name, which the joiner asks of its targets and the
// working folder answer of its folder names.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/NameRules.h"
#include "package/PieceFormat.h"
#include "wizard/FolderRules.h"

namespace {

struct Refusal {
  std::string name;
  const char* why;
};

// Each name refused by `rule`, with words that hold its `why`.
void ExpectRefusedWithWhy(const char* (*rule)(std::string_view),
                          const std::vector<Refusal>& cases) {
  for (const Refusal& c : cases) {
    const char* problem = rule(c.name);
    ASSERT_NE(nullptr, problem) << '"' << c.name << '"';
    EXPECT_NE(std::string::npos, std::string(problem).find(c.why))
        << '"' << c.name << "\": " << problem;
  }
}

TEST(OemNameRule, NamesThatCannotBeFolderNamesAreRefusedWithWhy) {
  const std::vector<Refusal> cases = {
      {"", "blank"},
      {"   ", "blank"},
      {"\t", "blank"},
      {".", "\"..\""},
      {"..", "\"..\""},
      {"..\\..\\..\\Evil Group", "\"..\""},
      {"Cam/../x", "\"..\""},
      {"Acme\\Cam", "character"},
      {"Acme/Cam", "character"},
      {"Acme: Cam*Cast?", "character"},
      {"Cam\"Cast", "character"},
      {"<Cam>", "character"},
      {"Cam|Cast", "character"},
      {"Cam\tCast", "character"},
      {"Cam\x7f"
       "Cast\x01",
       "character"},
      {"Acme CamCast.", "ends in a dot"},
      {"Acme CamCast ", "ends in a dot or a blank"},
      {"...", "ends in a dot"},
      {"CON", "device name"},
      {"con", "device name"},
      {"Nul.txt", "device name"},
      {"LPT1", "device name"},
      {"com9 .cam", "device name"},
      {std::string(250, 'L'), "longer than 80"},
      {std::string(81, 'L'), "longer than 80"},
  };
  ExpectRefusedWithWhy(OemNameProblem, cases);
}

TEST(OemNameRule, UnusualButSoundNamesPass) {
  const std::string names[] = {"Quelmar Ovistra",
                               "CamCast Pro",
                               "Acme & Sons' Cam",
                               "Caf\xe9 M\xfcller \xc6ther",
                               "Cam, (Pro) [2]",
                               "100% Cam",
                               "...Cam",
                               "Cam..Cast",
                               "Console",
                               "COM10",
                               "LPT0",
                               std::string(80, 'L'),
                               " Cam"};
  for (const std::string& name : names) {
    EXPECT_EQ(nullptr, OemNameProblem(name)) << '"' << name << '"';
  }
  // A folder's name may be longer; the product's name may not.
  EXPECT_EQ(nullptr, FolderNameProblem(std::string(250, 'L')));
  EXPECT_NE(nullptr, FolderNameProblem(".."));
}

TEST(OemNameRule, TheLongestNameKeepsTheUninstallersShortcutWithinAPath) {
  const std::string programs = "C:\\Users\\" + std::string(20, 'u') +
                               "\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu\\Programs";
  const std::string name(kMaxOemNameLength, 'n');
  EXPECT_EQ(259u, (programs + "\\" + name + "\\Uninstall " + name + ".lnk").size());
}

TEST(PlainNameRule, TheJoinerAndTheWorkingFolderAnswerRefuseWhatCannotStandAloneInAFolder) {
  const std::vector<Refusal> cases = {
      {"", "empty"},
      {"sub\\kq.exe", "folder part"},
      {"sub/kq.exe", "folder part"},
      {"c:kq.exe", "drive or a stream"},
      {"kq.exe:hidden", "drive or a stream"},
      {"kq?.exe", "character"},
      {"kq.exe.", "ends in a dot"},
      {"kq.exe ", "ends in a dot or a blank"},
      {"..", "ends in a dot"},
      {"aux.htm", "device name"},
  };
  ExpectRefusedWithWhy(PlainNameProblem, cases);
  for (const Refusal& c : cases) {
    EXPECT_NE(nullptr, TargetNameProblem(c.name, "kq")) << '"' << c.name << '"';
    // A folder answer reads the separators and the dot parts itself.
    const bool part =
        c.name.find_first_of("\\/") == std::string::npos && !c.name.empty() && c.name != "..";
    std::string folder;
    EXPECT_EQ(part, !ResolveAnswerFolder("c:\\kq\\" + c.name, folder).empty())
        << '"' << c.name << '"';
  }
  for (const std::string name : {"kq.exe", "Quelmar Ovistra", ".profile", "COM10"}) {
    EXPECT_EQ(nullptr, PlainNameProblem(name)) << '"' << name << '"';
    EXPECT_EQ(nullptr, TargetNameProblem(name, "kq")) << '"' << name << '"';
    std::string folder;
    EXPECT_EQ("", ResolveAnswerFolder("c:\\kq\\" + name, folder)) << '"' << name << '"';
  }
}

}  // namespace
