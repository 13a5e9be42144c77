#include "install/UnattendedAnswers.h"

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

  // Next's mandatory fields first, then the exchange's limits in its order:
  // the dial-up texts only while their fields are in use.
  if (view.dialUpChecked) {
    for (const auto& [key, text] :
         {std::pair<const char*, const std::string*>{"RasUserId", &answers.m_strRasUser},
          {"RasPassword", &answers.m_strRasPassword},
          {"RasPhone", &answers.m_strRasPhone}})
      if (text->empty()) return reader.Refuse(key, kMissingDialUpFields);
  }
  if (view.proxyChecked && answers.m_strProxy.empty())
    return reader.Refuse("Proxy", kMissingProxyAddress);
  if (view.dialUpFieldsEnabled &&
      !(reader.WithinLimit("RasPhone", answers.m_strRasPhone, kMaxDialUpText) &&
        reader.WithinLimit("RasPassword", answers.m_strRasPassword, kMaxDialUpText) &&
        reader.WithinLimit("RasUserId", answers.m_strRasUser, kMaxDialUpText)))
    return false;
  return reader.WithinLimit("Proxy", answers.m_strProxy, static_cast<int>(kScrambleMaxText));
}

bool ReadCameraCount(AnswerReader& reader, InstallAnswers& answers) {
  answers.m_strCameraCount = reader.Value("Numb", kCameraCounts[0]);
  for (const char* entry : kCameraCounts)
    if (answers.m_strCameraCount == entry) return true;
  return reader.Refuse("Numb", "Numb must be one of the camera page's Number of devices entries");
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

}  // namespace

bool ReadUnattendedAnswers(const KeyReader& read, UnattendedAnswers& answers,
                           AnswerProblem& problem) {
  AnswerReader reader(read, problem);
  answers.m_strLog = reader.Value("Log");

  if (!SameTextIgnoringCase(reader.Value("Licence"), "Accept"))
    return reader.Refuse("Licence", "The licence agreement must be accepted: Licence=Accept");

  answers.m_strFolder = NormalizedFolder(reader.Value("Folder", kDefaultFolder));
  if (answers.m_strFolder.size() > kMaxFolderLength)
    return reader.Refuse("Folder", FolderTooLongMessage());

  const std::string password = PasswordAsTyped(reader.Value("Password"));
  if (!reader.WithinLimit("Password", password, kMaxPasswordLength)) return false;
  answers.m_answers.m_strPassword = password;

  return ReadConnection(reader, answers.m_answers) && ReadCameraCount(reader, answers.m_answers) &&
         ReadOptimization(reader, answers.m_optimize);
}
