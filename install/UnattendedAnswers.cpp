#include "install/UnattendedAnswers.h"

#include <algorithm>
#include <cctype>

#include "core/Scramble.h"
#include "platform/DataRules.h"
#include "platform/Text.h"
#include "wizard/CameraRules.h"
#include "wizard/ConnectionModes.h"
#include "wizard/FolderRules.h"
#include "wizard/PasswordRules.h"

namespace {

class AnswerReader {
 public:
  AnswerReader(const KeyReader& read, AnswerProblem& problem) : m_read(read), m_problem(problem) {}

  std::string Value(const char* key, const char* defaultValue = "") {
    const std::string value = m_read(key, kNoValue);
    return value == kNoValue ? defaultValue : value;
  }

  bool Refuse(const char* key, const std::string& message) {
    m_problem = {key, message};
    return false;
  }
  // The page's exchange refuses a text longer than its field.
  bool WithinLimit(const char* key, const std::string& value, int maxChars) {
    return static_cast<int>(value.size()) <= maxChars || Refuse(key, MaxCharsMessage(maxChars));
  }

 private:
  const KeyReader& m_read;
  AnswerProblem& m_problem;
};

const char* AnswerKeyOf(ConnectionField field) {
  switch (field) {
    case ConnectionField::RasUser:
      return "RasUserId";
    case ConnectionField::RasPassword:
      return "RasPassword";
    case ConnectionField::RasPhone:
      return "RasPhone";
    case ConnectionField::Proxy:
    case ConnectionField::None:
      break;
  }
  return "Proxy";
}

bool ReadConnection(AnswerReader& reader, InstallAnswers& answers) {
  static const struct {
    const char* word;
    ConnectionMode mode;
  } kModes[] = {{"DialUp", ConnectionMode::DialUp},
                {"AOL", ConnectionMode::Aol},
                {"LAN", ConnectionMode::Lan},
                {"Proxy", ConnectionMode::Proxy}};
  const std::string word = reader.Value("Connection");
  const ConnectionMode* mode = nullptr;
  for (const auto& known : kModes)
    if (SameTextIgnoringCase(word, known.word)) mode = &known.mode;
  if (!mode) return reader.Refuse("Connection", "Connection must be DialUp, AOL, LAN or Proxy");

  // The flags are the boxes ticked in that mode; the texts are handed on
  // whatever the mode, as the page hands them on.
  const ConnectionView view = ViewOfMode(*mode);
  answers.m_bUseDialUp = view.dialUpChecked;
  answers.m_bUseAol = view.aolChecked;
  answers.m_bUseLan = view.lanChecked;
  answers.m_strProxy = reader.Value("Proxy");
  answers.m_strRasPhone = reader.Value("RasPhone");
  answers.m_strRasUser = reader.Value("RasUserId");
  answers.m_strRasPassword = reader.Value("RasPassword");

  // Next's mandatory fields first, the first missing one refused, then the
  // exchange's limits in its order: the dial-up texts only while their
  // fields are in use.
  const ConnectionField missing = FirstMissingField(
      view.dialUpChecked, view.proxyChecked,
      {answers.m_strRasUser, answers.m_strRasPassword, answers.m_strRasPhone, answers.m_strProxy});
  if (missing != ConnectionField::None)
    return reader.Refuse(AnswerKeyOf(missing), MissingFieldMessage(missing));
  if (view.dialUpFieldsEnabled &&
      !(reader.WithinLimit("RasPhone", answers.m_strRasPhone, kMaxDialUpText) &&
        reader.WithinLimit("RasPassword", answers.m_strRasPassword, kMaxDialUpText) &&
        reader.WithinLimit("RasUserId", answers.m_strRasUser, kMaxDialUpText)))
    return false;
  return reader.WithinLimit("Proxy", answers.m_strProxy, static_cast<int>(kScrambleMaxText));
}

// A list entry as it compares: lower case, each run of blanks one blank,
// none at either end. Some entries hold two blanks that nobody types.
std::string EntryForm(const std::string& text) {
  std::string form;
  for (char c : text) {
    if (c == ' ' || c == '\t') {
      if (!form.empty() && form.back() != ' ') form += ' ';
    } else {
      form += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
  }
  if (!form.empty() && form.back() == ' ') form.pop_back();
  return form;
}

bool ReadCameraCount(AnswerReader& reader, InstallAnswers& answers) {
  // kq.ini gets the entry's own text, as the page would hand it on.
  const std::string typed = EntryForm(reader.Value("Numb", kCameraCounts[0]));
  std::string entries;
  for (const char* entry : kCameraCounts) {
    if (EntryForm(entry) == typed) {
      answers.m_strCameraCount = entry;
      return true;
    }
    entries += std::string(entries.empty() ? "" : "; ") + entry;
  }
  return reader.Refuse(
      "Numb", "Numb must be one of the camera page's Number of devices entries: " + entries);
}

bool ReadOptimization(AnswerReader& reader, Optimization& optimize) {
  const std::string word = reader.Value("Optimize", "Keep");
  if (SameTextIgnoringCase(word, "Keep")) {
    optimize = Optimization::Keep;
  } else if (SameTextIgnoringCase(word, "Yes")) {
    optimize = Optimization::Yes;
  } else if (SameTextIgnoringCase(word, "No")) {
    optimize = Optimization::No;
  } else {
    return reader.Refuse("Optimize", "Optimize must be Yes, No or Keep");
  }
  return true;
}

constexpr const char* kAnswerKeys[] = {"Licence",   "Folder",      "Password", "Connection",
                                       "RasUserId", "RasPassword", "RasPhone", "Proxy",
                                       "Numb",      "Optimize",    "Log"};

// Letters to change, add, leave out or swap (with neighbours) to make one
// text the other, in any case.
size_t TypingDistance(const std::string& a, const std::string& b) {
  std::vector<std::vector<size_t>> d(a.size() + 1, std::vector<size_t>(b.size() + 1));
  for (size_t i = 0; i <= a.size(); ++i) d[i][0] = i;
  for (size_t j = 0; j <= b.size(); ++j) d[0][j] = j;
  const auto lower = [](char c) { return std::tolower(static_cast<unsigned char>(c)); };
  for (size_t i = 1; i <= a.size(); ++i) {
    for (size_t j = 1; j <= b.size(); ++j) {
      const size_t change = lower(a[i - 1]) == lower(b[j - 1]) ? 0 : 1;
      d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + change});
      if (i > 1 && j > 1 && lower(a[i - 1]) == lower(b[j - 2]) &&
          lower(a[i - 2]) == lower(b[j - 1]))
        d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
    }
  }
  return d[a.size()][b.size()];
}

bool IsAnswerKey(const std::string& key) {
  for (const char* known : kAnswerKeys)
    if (SameTextIgnoringCase(key, known)) return true;
  return false;
}

}  // namespace

std::string NearestAnswerKey(const std::string& key) {
  std::string nearest;
  // Two slips at most, and fewer than half the known key's letters, so that
  // a short key is not offered for any short word.
  size_t best = 3;
  for (const char* known : kAnswerKeys) {
    const size_t distance = TypingDistance(key, known);
    if (distance < best && distance * 2 < std::string(known).size()) {
      best = distance;
      nearest = known;
    }
  }
  return nearest;
}

namespace {

// False with the first refused answer in `problem`.
bool ReadAll(const KeyReader& read, const std::vector<std::string>& keys,
             UnattendedAnswers& answers, AnswerProblem& problem) {
  AnswerReader reader(read, problem);
  answers.m_strLog = reader.Value("Log");

  for (const std::string& key : keys) {
    if (IsAnswerKey(key)) continue;
    const std::string nearest = NearestAnswerKey(key);
    problem = {key, "[" + std::string(kUnattendedSection) + "] has no key " + key +
                        (nearest.empty() ? "" : "; did you mean " + nearest + "?")};
    return false;
  }

  if (!SameTextIgnoringCase(reader.Value("Licence"), "Accept"))
    return reader.Refuse("Licence", "The licence agreement must be accepted: Licence=Accept");

  // Left out, the folder is the page's default; given, it is never replaced
  // by one.
  const std::string folder = reader.Value("Folder", kDefaultFolder);
  if (const std::string why = ResolveAnswerFolder(folder, answers.m_strFolder); !why.empty())
    return reader.Refuse("Folder", why);

  const std::string password = PasswordAsTyped(reader.Value("Password"));
  if (!reader.WithinLimit("Password", password, kMaxPasswordLength)) return false;
  answers.m_answers.m_strPassword = password;

  return ReadConnection(reader, answers.m_answers) && ReadCameraCount(reader, answers.m_answers) &&
         ReadOptimization(reader, answers.m_optimize);
}

}  // namespace

AnswerProblem ReadUnattendedAnswers(const KeyReader& read, const std::vector<std::string>& keys,
                                    UnattendedAnswers& answers) {
  AnswerProblem problem;
  ReadAll(read, keys, answers, problem);
  return problem;
}
