// The program group conversation against a Program Manager of the test's
// own: exactly four commands in order, whole and unquoted; no server, no
// harm.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "install/ProgramGroup.h"
#include "platform/Dde.h"
#include "tests/support/ProgmanRecorder.h"

namespace {

TEST(ProgramGroup, SendsTheFourCommandsInOneConversation) {
  struct Case {
    std::string group, folder;
  } cases[] = {
      {"Quelmar Ovistra", "c:\\program files\\kq"},
      {std::string(259, 'N'), "c:\\kq"},
      {"Cam, (Pro)", "d:\\apps\\" + std::string(240, 'f')},
  };
  for (const Case& c : cases) {
    ProgmanRecorder progman;
    CreateProgramGroup(c.group, c.folder);
    const std::vector<std::string> expected = {
        "[DeleteGroup(" + c.group + ")]",
        "[CreateGroup(" + c.group + ")]",
        "[AddItem(" + c.folder + "\\kq.exe," + c.group + ")]",
        "[AddItem(" + c.folder + "\\Uninst.exe, Uninstall " + c.group + ")]",
    };
    EXPECT_EQ(expected, progman.Commands()) << c.group.size();
  }
}

TEST(ProgramGroup, NoServerMeansNoConversationAndNoWait) {
  const DWORD start = GetTickCount();
  EXPECT_FALSE(DdeExecuteAll("KQNOSUCHSERVICE", {"[CreateGroup(x)]"}, 1000));
  EXPECT_LT(GetTickCount() - start, 1000u);
}

}  // namespace
