// The rule for OEM product names, which become the program group's folder
// and the key of the installed programs' entry: every way a name can fail
// to be a folder name is refused, with why; unusual but sound names pass.
#include <gtest/gtest.h>

#include <string>

#include "core/NameRules.h"

namespace {

TEST(OemNameRule, NamesThatCannotBeFolderNamesAreRefusedWithWhy) {
  const struct {
    std::string name;
    const char* why;
  } cases[] = {
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
  for (const auto& c : cases) {
    const char* problem = OemNameProblem(c.name);
    ASSERT_NE(nullptr, problem) << '"' << c.name << '"';
    EXPECT_NE(std::string::npos, std::string(problem).find(c.why))
        << '"' << c.name << "\": " << problem;
  }
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

}  // namespace

TEST(PlainNameRule, NamesThatCannotStandAloneInAFolderAreRefusedWithWhy) {
  const struct {
    std::string name;
    const char* why;
  } cases[] = {
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
  for (const auto& c : cases) {
    const char* problem = PlainNameProblem(c.name);
    ASSERT_NE(nullptr, problem) << '"' << c.name << '"';
    EXPECT_NE(std::string::npos, std::string(problem).find(c.why))
        << '"' << c.name << "\": " << problem;
  }
  for (const std::string name : {"kq.exe", "Quelmar Ovistra", ".profile", "temp.cab", "COM10"})
    EXPECT_EQ(nullptr, PlainNameProblem(name)) << '"' << name << '"';
}
