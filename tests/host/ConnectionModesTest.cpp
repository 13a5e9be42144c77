// The connection page's four boxes as one choice: what each mode shows and
// where each click leads.
#include <gtest/gtest.h>

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

}  // namespace
