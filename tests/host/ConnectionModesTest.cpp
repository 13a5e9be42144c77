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

std::vector<std::string> PageSays(const std::vector<ConnectionField>& missing) {
  std::vector<std::string> messages;
  for (const char* message : MissingFieldMessages(missing)) messages.push_back(message);
  return messages;
}

TEST(ConnectionRequiredFields, ThePageAndTheUnattendedAnswersAskOneRule) {
  using F = ConnectionField;
  const std::string dialUp = kMissingDialUpFields, proxy = kMissingProxyAddress;
  // The page says once per way what is missing; the answers refuse the
  // first missing key.
  const struct {
    const char* mode;
    ConnectionTexts texts;
    std::vector<F> missing;
    std::vector<std::string> pageSays;
    std::string unattended;
  } cases[] = {
      {"DialUp", {"jdoe", "secret", "555", ""}, {}, {}, ""},
      {"DialUp", {"", "secret", "555", "proxy:80"}, {F::RasUser}, {dialUp}, "RasUserId: " + dialUp},
      {"DialUp",
       {"jdoe", "", "", ""},
       {F::RasPassword, F::RasPhone},
       {dialUp},
       "RasPassword: " + dialUp},
      {"DialUp", {"jdoe", "secret", "", ""}, {F::RasPhone}, {dialUp}, "RasPhone: " + dialUp},
      {"Proxy", {"", "", "", ""}, {F::Proxy}, {proxy}, "Proxy: " + proxy},
      {"Proxy", {"", "", "", "proxy:80"}, {}, {}, ""},
      {"AOL", {"", "", "", ""}, {}, {}, ""},
      {"LAN", {"", "", "", ""}, {}, {}, ""},
  };
  for (const auto& c : cases) {
    const ConnectionView view = ViewOfMode(c.mode == std::string("DialUp")  ? M::DialUp
                                           : c.mode == std::string("Proxy") ? M::Proxy
                                           : c.mode == std::string("AOL")   ? M::Aol
                                                                            : M::Lan);
    const std::vector<F> missing =
        MissingConnectionFields(view.dialUpChecked, view.proxyChecked, c.texts);
    EXPECT_EQ(c.missing, missing) << c.mode;
    EXPECT_EQ(c.pageSays, PageSays(missing)) << c.mode;
    EXPECT_EQ(c.unattended, UnattendedRefusal(c.mode, c.texts)) << c.mode;
  }
  // Both boxes ticked, as the rule allows: one message for each way.
  EXPECT_EQ((std::vector<std::string>{dialUp, proxy}),
            PageSays(MissingConnectionFields(true, true, {})));
}

}  // namespace
