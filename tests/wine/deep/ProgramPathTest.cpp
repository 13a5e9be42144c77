// The setup finds its own folder from the program's path, however long:
// this test program runs from a folder whose path is longer than the 259
// characters that the narrow system call keeps.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "platform/Folders.h"
#include "tests/driver/Process.h"

namespace {

TEST(ProgramPath, IsTheWholePathOfAProgramInADeepFolder) {
  const std::string started = ui::WindowsPath(DEEP_PROGRAM_PATH);
  ASSERT_GT(started.size(), 259u) << "the test program runs from its deep folder";
  EXPECT_EQ(ProgramPath(), started);
  // What the narrow call makes of the same path.
  char narrow[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, narrow, MAX_PATH);
  EXPECT_NE(ProgramPath(), std::string(narrow, length));
}

}  // namespace
