// The connection page's four boxes as one choice: what each mode shows and
// where each click leads.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "install/UnattendedAnswers.h"
#include "wizard/ConnectionModes.h"

namespace {

using M = ConnectionMode;

std::string Describe(const ConnectionView& v) {
  return std::string(v.dialUpChecked ? "D" : "-") + (v.proxyChecked ? "P" : "-") +
         (v.aolChecked ? "A" : "-") + (v.lanChecked ? "L" : "-") + " fields " +
         (v.dialUpFieldsEnabled ? "on" : "off") + " address " +
         (v.proxyAddressEnabled ? "on" : "off");
}

TEST(ConnectionModes, EachModeTicksOneBoxAndOpensItsFields) {
  EXPECT_EQ(Describe(ViewOfMode(M::DialUp)), "D--- fields on address off");
  EXPECT_EQ(Describe(ViewOfMode(M::Proxy)), "-P-- fields off address on");
  EXPECT_EQ(Describe(ViewOfMode(M::Aol)), "--A- fields off address off");
  EXPECT_EQ(Describe(ViewOfMode(M::Lan)), "---L fields off address off");
}

TEST(ConnectionModes, ClicksLeadToTheirModes) {
  struct Case {
    M box;
    bool nowChecked;
    M result;
  };
  const Case cases[] = {
      {M::DialUp, true, M::DialUp}, {M::DialUp, false, M::Proxy}, {M::Proxy, true, M::Proxy},
      {M::Proxy, false, M::DialUp}, {M::Aol, true, M::Aol},       {M::Aol, false, M::DialUp},
      {M::Lan, true, M::Lan},       {M::Lan, false, M::Lan},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ModeAfterClick(c.box, c.nowChecked), c.result)
        << "box " << static_cast<int>(c.box) << " now " << c.nowChecked;
}

// The unattended answers' first refusal for `texts` in `mode`, as "key:
// message", or empty when they are accepted.
std::string UnattendedRefusal(const char* mode, const ConnectionTexts& texts) {
  const std::map<std::string, std::string> answers = {
      {"Licence", "Accept"},        {"Connection", mode},
      {"RasUserId", texts.rasUser}, {"RasPassword", texts.rasPassword},
      {"RasPhone", texts.rasPhone}, {"Proxy", texts.proxy}};
  std::vector<std::string> keys;
  for (const auto& answer : answers) keys.push_back(answer.first);
  UnattendedAnswers read;
  const AnswerProblem problem = ReadUnattendedAnswers(
      [&answers](const char* key, const char* defaultValue) {
        const auto found = answers.find(key);
        return found == answers.end() ? std::string(defaultValue) : found->second;
      },
      keys, read);
  return problem.message.empty() ? "" : problem.key + ": " + problem.message;
}

TEST(ConnectionRequiredFields, ThePageAndTheUnattendedAnswersAskOneRule) {
  using F = ConnectionField;
  const std::string dialUp = kMissingDialUpFields, proxy = kMissingProxyAddress;
  // The page asks for each ticked way and says its message once; the
  // answers ask for both and refuse the first missing key.
  const struct {
    M mode;
    const char* word;
    ConnectionTexts texts;
    F first;
    std::string unattended;
  } cases[] = {
      {M::DialUp, "DialUp", {"jdoe", "secret", "555", ""}, F::None, ""},
      {M::DialUp, "DialUp", {"", "secret", "555", "proxy:80"}, F::RasUser, "RasUserId: " + dialUp},
      {M::DialUp, "DialUp", {"jdoe", "", "", ""}, F::RasPassword, "RasPassword: " + dialUp},
      {M::DialUp, "DialUp", {"jdoe", "secret", "", ""}, F::RasPhone, "RasPhone: " + dialUp},
      {M::Proxy, "Proxy", {"", "", "", ""}, F::Proxy, "Proxy: " + proxy},
      {M::Proxy, "Proxy", {"", "", "", "proxy:80"}, F::None, ""},
      {M::Aol, "AOL", {"", "", "", ""}, F::None, ""},
      {M::Lan, "LAN", {"", "", "", ""}, F::None, ""},
  };
  for (const auto& c : cases) {
    const ConnectionView view = ViewOfMode(c.mode);
    EXPECT_EQ(c.first, FirstMissingField(view.dialUpChecked, view.proxyChecked, c.texts)) << c.word;
    EXPECT_EQ(c.unattended, UnattendedRefusal(c.word, c.texts)) << c.word;
  }
  // Both boxes ticked, as the page may find them: each way lacks its own
  // text and has its own message.
  const ConnectionTexts none;
  EXPECT_EQ(F::RasUser, FirstMissingField(true, true, none));
  EXPECT_EQ(dialUp, MissingFieldMessage(FirstMissingField(true, false, none)));
  EXPECT_EQ(proxy, MissingFieldMessage(FirstMissingField(false, true, none)));
  EXPECT_EQ(F::None, FirstMissingField(false, false, none));
}

}  // namespace
