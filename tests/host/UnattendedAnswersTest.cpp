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

const Answers kDialUp = {{"Licence", "Accept"},    {"Connection", "DialUp"},
                         {"RasUserId", "jdoe"},    {"RasPassword", "dial secret"},
                         {"RasPhone", "555-0199"}, {"Password", "ovistra 7"},
                         {"Folder", "d:\\apps\\"}, {"Log", "c:\\setup.log"}};

TEST(UnattendedAnswers, DialUpAnswersBecomeWhatTheWizardWouldHandOn) {
  UnattendedAnswers read;
  AnswerProblem problem;
  ASSERT_TRUE(ReadUnattendedAnswers(ReaderOf(kDialUp), read, problem)) << problem.message;
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
    ASSERT_TRUE(ReadUnattendedAnswers(ReaderOf(answers), read, problem)) << c.word;
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
  ASSERT_TRUE(ReadUnattendedAnswers(ReaderOf(lan), read, problem)) << problem.message;
  EXPECT_EQ("c:\\kq", read.m_strFolder);
  EXPECT_EQ("", read.m_answers.m_strPassword);
  EXPECT_EQ("Single camera", read.m_answers.m_strCameraCount);
  EXPECT_EQ(Optimization::Keep, read.m_optimize);
  EXPECT_EQ("", read.m_strLog);

  for (const auto& [word, choice] : {std::pair<const char*, Optimization>{"Yes", Optimization::Yes},
                                     {"No", Optimization::No},
                                     {"keep", Optimization::Keep}}) {
    ASSERT_TRUE(ReadUnattendedAnswers(ReaderOf(With(lan, "Optimize", word)), read, problem));
    EXPECT_EQ(choice, read.m_optimize) << word;
  }
  ASSERT_TRUE(
      ReadUnattendedAnswers(ReaderOf(With(lan, "Numb", "3 Cameras Vexo32)")), read, problem));
  EXPECT_EQ("3 Cameras Vexo32)", read.m_answers.m_strCameraCount);
}

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
      {"Numb", "9 Cameras (Vexo32)", "Numb",
       "Numb must be one of the camera page's Number of devices entries"},
      {"Optimize", "Maybe", "Optimize", "Optimize must be Yes, No or Keep"},
  };
  for (const auto& c : cases) {
    UnattendedAnswers read;
    AnswerProblem problem;
    EXPECT_FALSE(ReadUnattendedAnswers(ReaderOf(With(kDialUp, c.key, c.value)), read, problem))
        << c.key;
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
  ASSERT_TRUE(ReadUnattendedAnswers(ReaderOf(lan), read, problem)) << problem.message;
  EXPECT_EQ("0123456789012345", read.m_answers.m_strRasPhone);
}

TEST(UnattendedAnswers, ProxyModeNeedsItsAddressButNoDialUpTexts) {
  const Answers proxy = {{"Licence", "Accept"}, {"Connection", "Proxy"}};
  UnattendedAnswers read;
  AnswerProblem problem;
  EXPECT_FALSE(ReadUnattendedAnswers(ReaderOf(proxy), read, problem));
  EXPECT_EQ("Proxy", problem.key);
  EXPECT_EQ("Missing Mandatory field: Proxy address", problem.message);
  EXPECT_TRUE(
      ReadUnattendedAnswers(ReaderOf(With(proxy, "Proxy", "10.0.0.1:3128")), read, problem));
}

}  // namespace
