// The answers of an unattended installation: each connection mode with its
// flags, the defaults, and every refused answer one at a time with the key
// it names and the page's own words.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "core/Scramble.h"
#include "install/UnattendedAnswers.h"
#include "tests/support/Answers.h"
#include "wizard/FolderRules.h"

namespace {

// The profile reader's behaviour: a missing key gives the default.
KeyReader ReaderOf(const Answers& answers) {
  return [&answers](const char* key, const char* defaultValue) {
    const auto found = answers.find(key);
    return found == answers.end() ? std::string(defaultValue) : found->second;
  };
}

std::vector<std::string> KeysOf(const Answers& answers) {
  std::vector<std::string> keys;
  for (const auto& answer : answers) keys.push_back(answer.first);
  return keys;
}

bool ReadAnswers(const Answers& answers, UnattendedAnswers& read, AnswerProblem& problem) {
  problem = ReadUnattendedAnswers(ReaderOf(answers), KeysOf(answers), read);
  return problem.message.empty();
}

const Answers kDialUp = {{"Licence", "Accept"},    {"Connection", "DialUp"},
                         {"RasUserId", "jdoe"},    {"RasPassword", "dial secret"},
                         {"RasPhone", "555-0199"}, {"Password", "ovistra 7"},
                         {"Folder", "d:\\apps\\"}, {"Log", "c:\\setup.log"}};

TEST(UnattendedAnswers, DialUpAnswersBecomeWhatTheWizardWouldHandOn) {
  UnattendedAnswers read;
  AnswerProblem problem;
  ASSERT_TRUE(ReadAnswers(kDialUp, read, problem)) << problem.message;
  EXPECT_EQ("d:\\apps", read.m_strFolder);
  EXPECT_EQ("c:\\setup.log", read.m_strLog);
  EXPECT_EQ(Optimization::Keep, read.m_optimize);
  const InstallAnswers& a = read.m_answers;
  EXPECT_TRUE(a.m_bUseDialUp);
  EXPECT_FALSE(a.m_bUseAol);
  EXPECT_FALSE(a.m_bUseLan);
  EXPECT_EQ("jdoe", a.m_strRasUser);
  EXPECT_EQ("dial secret", a.m_strRasPassword);
  EXPECT_EQ("555-0199", a.m_strRasPhone);
  EXPECT_EQ("", a.m_strProxy);
  EXPECT_EQ("OVISTRA 7", a.m_strPassword);
  EXPECT_EQ("Single camera", a.m_strCameraCount);
}

TEST(UnattendedAnswers, EachConnectionModeTicksItsBoxesAndHandsOnEveryText) {
  const struct {
    const char* word;
    bool dialUp, aol, lan;
  } cases[] = {{"DialUp", true, false, false},
               {"AOL", false, true, false},
               {"aol", false, true, false},
               {"LAN", false, false, true},
               {"Proxy", false, false, false}};
  for (const auto& c : cases) {
    Answers answers = With(kDialUp, "Connection", c.word);
    answers["Proxy"] = "proxy.example:8080";
    UnattendedAnswers read;
    AnswerProblem problem;
    ASSERT_TRUE(ReadAnswers(answers, read, problem)) << c.word;
    EXPECT_EQ(c.dialUp, read.m_answers.m_bUseDialUp) << c.word;
    EXPECT_EQ(c.aol, read.m_answers.m_bUseAol) << c.word;
    EXPECT_EQ(c.lan, read.m_answers.m_bUseLan) << c.word;
    EXPECT_EQ("proxy.example:8080", read.m_answers.m_strProxy) << c.word;
    EXPECT_EQ("jdoe", read.m_answers.m_strRasUser) << c.word;
  }
}

TEST(UnattendedAnswers, DefaultsOfTheOptionalAnswers) {
  const Answers lan = {{"Licence", "Accept"}, {"Connection", "LAN"}};
  UnattendedAnswers read;
  AnswerProblem problem;
  ASSERT_TRUE(ReadAnswers(lan, read, problem)) << problem.message;
  EXPECT_EQ("c:\\kq", read.m_strFolder);
  EXPECT_EQ("", read.m_answers.m_strPassword);
  EXPECT_EQ("Single camera", read.m_answers.m_strCameraCount);
  EXPECT_EQ(Optimization::Keep, read.m_optimize);
  EXPECT_EQ("", read.m_strLog);

  for (const auto& [word, choice] : {std::pair<const char*, Optimization>{"Yes", Optimization::Yes},
                                     {"No", Optimization::No},
                                     {"keep", Optimization::Keep}}) {
    ASSERT_TRUE(ReadAnswers(With(lan, "Optimize", word), read, problem));
    EXPECT_EQ(choice, read.m_optimize) << word;
  }
  ASSERT_TRUE(ReadAnswers(With(lan, "Numb", "3 Cameras Vexo32)"), read, problem));
  EXPECT_EQ("3 Cameras Vexo32)", read.m_answers.m_strCameraCount);
}

const char kNumbRefusal[] =
    "Numb must be one of the camera page's Number of devices entries: Single camera; "
    "1 Camera  (Vexo16); 2 Cameras (Vexo16); 3 Cameras (Vexo16); 4 Cameras (Vexo16); "
    "1 Cameras (Vexo32); 2 Cameras (Vexo32); 3 Cameras Vexo32); 4 Cameras (Vexo32); "
    "5 Cameras (Vexo32); 6 Cameras (Vexo32); 7 Cameras (Vexo32); 8 Cameras (Vexo32)";

TEST(UnattendedAnswers, BadOrMissingAnswersAreRefusedInThePagesWords) {
  const std::string longFolder = "c:\\" + std::string(kMaxFolderLength - 2, 'f');
  const std::string longProxy(kScrambleMaxText + 1, 'p');
  const std::string longProxyMessage =
      "Please enter no more than " + std::to_string(kScrambleMaxText) + " characters.";
  const struct {
    const char* key;
    const char* value;  // null: the key is left out
    const char* refusedKey;
    std::string message;
  } cases[] = {
      {"Licence", nullptr, "Licence", "The licence agreement must be accepted: Licence=Accept"},
      {"Licence", "Decline", "Licence", "The licence agreement must be accepted: Licence=Accept"},
      {"Folder", longFolder.c_str(), "Folder", FolderTooLongMessage()},
      {"Proxy", longProxy.c_str(), "Proxy", longProxyMessage},
      {"Password", "sixteen chars xx", "Password", "Please enter no more than 15 characters."},
      {"Connection", nullptr, "Connection", "Connection must be DialUp, AOL, LAN or Proxy"},
      {"Connection", "ISDN", "Connection", "Connection must be DialUp, AOL, LAN or Proxy"},
      {"RasUserId", "", "RasUserId", "Missing Mandatory fields: User Name,Password, Phone Number"},
      {"RasPassword", nullptr, "RasPassword",
       "Missing Mandatory fields: User Name,Password, Phone Number"},
      {"RasPhone", "", "RasPhone", "Missing Mandatory fields: User Name,Password, Phone Number"},
      {"RasPhone", "0123456789012345", "RasPhone", "Please enter no more than 15 characters."},
      {"RasPassword", "0123456789012345", "RasPassword",
       "Please enter no more than 15 characters."},
      {"RasUserId", "0123456789012345", "RasUserId", "Please enter no more than 15 characters."},
      {"Numb", "9 Cameras (Vexo32)", "Numb", kNumbRefusal},
      {"Folder", "inst\\a16", "Folder",
       "inst\\a16 has no drive; give the whole path, such as c:\\kq"},
      {"Optimize", "Maybe", "Optimize", "Optimize must be Yes, No or Keep"},
  };
  for (const auto& c : cases) {
    UnattendedAnswers read;
    AnswerProblem problem;
    EXPECT_FALSE(ReadAnswers(With(kDialUp, c.key, c.value), read, problem)) << c.key;
    EXPECT_EQ(c.refusedKey, problem.key) << c.key;
    EXPECT_EQ(c.message, problem.message) << c.key;
    EXPECT_EQ("c:\\setup.log", read.m_strLog) << "the log is known before any refusal";
  }
}

TEST(UnattendedAnswers, DialUpTextsAreLimitedOnlyWhileTheirFieldsAreInUse) {
  // A long phonebook text in a disabled field does not hold the page.
  const Answers lan = With(With(kDialUp, "Connection", "LAN"), "RasPhone", "0123456789012345");
  UnattendedAnswers read;
  AnswerProblem problem;
  ASSERT_TRUE(ReadAnswers(lan, read, problem)) << problem.message;
  EXPECT_EQ("0123456789012345", read.m_answers.m_strRasPhone);
}

TEST(UnattendedAnswers, ProxyModeNeedsItsAddressButNoDialUpTexts) {
  const Answers proxy = {{"Licence", "Accept"}, {"Connection", "Proxy"}};
  UnattendedAnswers read;
  AnswerProblem problem;
  EXPECT_FALSE(ReadAnswers(proxy, read, problem));
  EXPECT_EQ("Proxy", problem.key);
  EXPECT_EQ("Missing Mandatory field: Proxy address", problem.message);
  EXPECT_TRUE(ReadAnswers(With(proxy, "Proxy", "10.0.0.1:3128"), read, problem));
}

TEST(UnattendedAnswers, AFolderIsResolvedOnceToAWholePathOrRefusedWithTheReason) {
  const std::string longFolder = "c:\\" + std::string(kMaxFolderLength - 2, 'f');
  const struct {
    const char* typed;
    const char* folder;  // null: refused
    std::string reason;
  } cases[] = {
      {"c:\\kq", "c:\\kq", ""},
      {"d:\\apps\\", "d:\\apps", ""},
      {"c:/inst/x", "c:\\inst\\x", ""},
      {"C:\\inst\\\\x\\.\\y\\..\\z", "C:\\inst\\x\\z", ""},
      {"c:\\..\\kq", "c:\\kq", ""},
      {"e:\\", "e:", ""},
      {"inst\\a16", nullptr, "inst\\a16 has no drive; give the whole path, such as c:\\kq"},
      {".", nullptr, ". has no drive; give the whole path, such as c:\\kq"},
      {"", nullptr, "the answer is empty; give the whole path, such as c:\\kq"},
      {"\\\\server\\share\\x", nullptr,
       "\\\\server\\share\\x is a network path; the working folder must be on a drive, such as "
       "c:\\kq"},
      {"//server/share", nullptr,
       "//server/share is a network path; the working folder must be on a drive, such as c:\\kq"},
      {"c:ovistra", nullptr,
       "c:ovistra is relative to the current folder of drive c:; give the whole path, such as "
       "c:\\ovistra"},
      {"c:\\a?b", nullptr,
       "the folder name \"a?b\" holds a character that a file name cannot hold (\\ / : * ? \" "
       "< > | or a control character)"},
      {"c:\\kq\\con", nullptr,
       "the folder name \"con\" is a device name of Windows (CON, NUL, COM1, LPT1, ...)"},
      {"c:\\kq.\\x", nullptr, "the folder name \"kq.\" ends in a dot or a blank"},
      {"c:\\a:b", nullptr, "the folder name \"a:b\" names a drive or a stream (\":\")"},
      {longFolder.c_str(), nullptr, FolderTooLongMessage()},
  };
  for (const auto& c : cases) {
    UnattendedAnswers read;
    AnswerProblem problem;
    const bool accepted = ReadAnswers(With(kDialUp, "Folder", c.typed), read, problem);
    EXPECT_EQ(c.folder != nullptr, accepted) << c.typed;
    if (c.folder) {
      EXPECT_EQ(c.folder, read.m_strFolder) << c.typed;
    } else {
      EXPECT_EQ("Folder", problem.key) << c.typed;
      EXPECT_EQ(c.reason, problem.message) << c.typed;
    }
  }
}

TEST(UnattendedAnswers, AnUnknownKeyIsRefusedWithTheNearestKnownKey) {
  const struct {
    const char* key;
    std::string message;  // empty: accepted
  } cases[] = {
      {"Folde", "[Unattended] has no key Folde; did you mean Folder?"},
      {"Pasword", "[Unattended] has no key Pasword; did you mean Password?"},
      {"License", "[Unattended] has no key License; did you mean Licence?"},
      {"Optimise", "[Unattended] has no key Optimise; did you mean Optimize?"},
      {"RasUserID", ""},
      {"LOG", ""},
      {"Colour", "[Unattended] has no key Colour"},
      {"Lo", "[Unattended] has no key Lo; did you mean Log?"},
      {"Key", "[Unattended] has no key Key"},
  };
  for (const auto& c : cases) {
    UnattendedAnswers read;
    AnswerProblem problem;
    // Refused before the licence, which such a slip could otherwise hide.
    const Answers answers = With(With(kDialUp, c.key, "x"), "Licence", nullptr);
    const bool accepted = ReadAnswers(answers, read, problem);
    EXPECT_FALSE(accepted) << c.key;
    EXPECT_EQ(c.message.empty() ? "Licence" : c.key, problem.key) << c.key;
    if (!c.message.empty()) {
      EXPECT_EQ(c.message, problem.message) << c.key;
    }
  }
}

TEST(UnattendedAnswers, TheCameraCountComparesWithoutCaseAndRunsOfBlanks) {
  const std::pair<const char*, const char*> cases[] = {
      {"single camera", "Single camera"},
      {"1 Camera (Vexo16)", "1 Camera  (Vexo16)"},
      {"  3 CAMERAS   vexo32)  ", "3 Cameras Vexo32)"},
      {"8\tcameras (vexo32)", "8 Cameras (Vexo32)"},
  };
  for (const auto& [typed, entry] : cases) {
    UnattendedAnswers read;
    AnswerProblem problem;
    ASSERT_TRUE(ReadAnswers(With(kDialUp, "Numb", typed), read, problem)) << typed;
    EXPECT_EQ(entry, read.m_answers.m_strCameraCount) << typed;
  }
  UnattendedAnswers read;
  AnswerProblem problem;
  EXPECT_FALSE(ReadAnswers(With(kDialUp, "Numb", "3 Cameras (Vexo32) x"), read, problem));
  EXPECT_EQ(kNumbRefusal, problem.message);
}

}  // namespace
