#include "core/SetupConfig.h"

#include <cstring>
#include <string_view>

#include "core/NameRules.h"
#include "core/PathReading.h"
#include "core/WorkFolderFiles.h"
#include "platform/Text.h"

namespace {

constexpr char kTitleSuffix[] = " Setup   Ver. %d.%02d";
constexpr char kUnattendedWord[] = "unattended";

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

// What follows "unattended" and a blank, or null when the line does not
// begin with that word on its own. Deployment scripts write it in any case
// and with a switch's "/" or "-"; a form that fell through to the wizard
// would hang them on its first page.
const char* AfterUnattendedWord(const char* commandLine) {
  const char* word = commandLine;
  if (*word == '/' || *word == '-') ++word;
  const size_t length = sizeof kUnattendedWord - 1;
  if (std::strlen(word) < length ||
      !SameTextIgnoringCase(std::string_view(word, length), kUnattendedWord))
    return nullptr;
  const char* rest = word + length;
  if (*rest && !IsBlank(*rest)) return nullptr;
  return rest;
}

int ReadText(const KeyReader& read, const char* key, const char* defaultValue,
             char (&field)[kTextSize]) {
  StoreText(field, read(key, defaultValue));
  return std::strcmp(field, defaultValue) != 0;
}

// A blank product name counts as not given: no group, entry or question is
// ever made from it.
int ReadProductName(const KeyReader& read, char (&field)[kTextSize]) {
  const std::string name = read(kProductNameKey, kDefaultProductName);
  StoreText(field, IsBlankName(name) ? kDefaultProductName : name);
  return std::strcmp(field, kDefaultProductName) != 0;
}

// A server key counts as given unless its value holds the placeholder; only
// a given value is kept.
int ReadServer(const KeyReader& read, const char* key, char (&field)[kTextSize]) {
  std::string value = read(key, kServerPlaceholder);
  if (value.size() > kTextSize - 1) value.resize(kTextSize - 1);
  if (value.find(kServerPlaceholder) != std::string::npos) return 0;
  StoreText(field, value);
  return 1;
}

// A number below 100 with two digits: "05", "64".
std::string TwoDigits(int number) {
  return std::string(1, static_cast<char>('0' + number / 10 % 10)) +
         static_cast<char>('0' + number % 10);
}

}  // namespace

std::string VersionText() { return std::to_string(kVersionMajor) + "." + TwoDigits(kVersionMinor); }

void StoreText(char (&field)[kTextSize], const std::string& value) {
  const size_t length = value.size() < kTextSize - 1 ? value.size() : kTextSize - 1;
  std::memcpy(field, value.data(), length);
  field[length] = '\0';
}

std::string ProgramIniPath(const std::string& programPath) {
  const size_t dot = programPath.find_last_of('.');
  return (dot == std::string::npos ? programPath : programPath.substr(0, dot)) + ".ini";
}

std::string ProgramFolder(const std::string& programPath) {
  const size_t slash = programPath.find_last_of('\\');
  return slash == std::string::npos ? std::string() : programPath.substr(0, slash);
}

std::string FolderIniPath(const std::string& programPath) {
  return JoinPath(ProgramFolder(programPath), kSettingsFileName);
}

void ReadBranding(SetupState& state, const KeyReader& read) {
  state.m_bOemProductName = ReadProductName(read, state.m_szProductName);
  state.m_bOemWebSite = ReadText(read, "OEMWebSite", kDefaultWebSite, state.m_szWebSite);
  state.m_bOemCompanyName =
      ReadText(read, "OEMCompanyName", kDefaultCompanyName, state.m_szCompanyName);
  state.m_bOemInfoEmail = ReadText(read, "OEMInfoEmail", kDefaultInfoEmail, state.m_szInfoEmail);
  state.m_bServer = ReadServer(read, "OEMServer", state.m_szServer);
  state.m_bServerDir = ReadServer(read, "OEMServerDir", state.m_szServerDir);
  state.m_bServerMainPage = ReadServer(read, "OEMServerMainPageName", state.m_szServerMainPage);
  state.m_bServerMainPageM = ReadServer(read, "OEMServerMainPageNameM", state.m_szServerMainPageM);
}

std::string BrandingProblem(const SetupState& state) {
  const char* problem = OemNameProblem(state.m_szProductName);
  if (!problem) return std::string();
  return std::string("The value of ") + kProductNameKey + " in " + state.m_szSetupIni + ", \"" +
         state.m_szProductName + "\", " + problem +
         ": it cannot name the program group and the entry of the installed programs. Nothing "
         "was installed; the supplier of this setup must correct it.";
}

void BuildTitleFormat(SetupState& state) {
  const size_t room = kTextSize - 1 - (sizeof kTitleSuffix - 1);
  std::string format;
  for (const char* p = state.m_szProductName; *p; ++p) {
    const size_t width = *p == '%' ? 2 : 1;
    // Cut whole characters only, so a doubled percent sign stays whole.
    if (format.size() + width > room) break;
    format.append(width, *p);
  }
  format += kTitleSuffix;
  StoreText(state.m_szTitleFormat, format);
}

std::string FormatTitle(const SetupState& state) {
  const std::string numbers[] = {std::to_string(kVersionMajor), TwoDigits(kVersionMinor)};
  size_t next = 0;
  std::string title;
  for (const char* p = state.m_szTitleFormat; *p; ++p) {
    if (*p != '%') {
      title += *p;
    } else if (p[1] == '%') {
      title += *++p;
    } else {
      // A conversion ("%d", then "%02d"): the next number of the version.
      while (p[1] && p[1] != 'd') ++p;
      if (!*++p) break;
      if (next < 2) title += numbers[next++];
    }
  }
  return title.substr(0, kTextSize - 1);
}

SetupMode ChooseMode(const char* commandLine) {
  if (std::strcmp(commandLine, "upgrade") == 0) return SetupMode::Update;
  if (std::strcmp(commandLine, "split") == 0) return SetupMode::Pack;
  if (AfterUnattendedWord(commandLine)) return SetupMode::Unattended;
  return SetupMode::Install;
}

std::string UnattendedAnswersFile(const char* commandLine) {
  const char* rest = AfterUnattendedWord(commandLine);
  if (!rest) return std::string();
  while (*rest && IsBlank(*rest)) ++rest;
  std::string file = rest;
  while (!file.empty() && IsBlank(file.back())) file.pop_back();
  // A path with blanks comes in quotes.
  if (file.size() >= 2 && file.front() == '"' && file.back() == '"')
    file = file.substr(1, file.size() - 2);
  return file;
}
