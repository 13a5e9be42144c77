#include <gtest/gtest.h>

#include <cstring>

#include "core/RunningSetup.h"

namespace {

TEST(RunningSetup, IsTheStateRegisteredLast) {
  SetupState first{};
  SetupState second{};
  SetRunningSetup(&first);
  EXPECT_EQ(&RunningSetup(), &first);
  // What a page or a step writes through it lands in the registered state.
  std::strcpy(RunningSetup().m_szProductIni, "c:\\kq\\kq.ini");
  EXPECT_STREQ(first.m_szProductIni, "c:\\kq\\kq.ini");
  SetRunningSetup(&second);
  EXPECT_EQ(&RunningSetup(), &second);
  EXPECT_STREQ(second.m_szProductIni, "");
  SetRunningSetup(nullptr);
}

}  // namespace
