// The unattended run's log: lines ended with CR LF, begun afresh or after
// the lines of an earlier run, kept until a file is opened later, and
// nothing at all without a path.
#include <gtest/gtest.h>

#include "install/InstallLog.h"
#include "tests/host/MemoryFileOps.h"

namespace {

TEST(InstallLog, WritesLinesAfreshOrAfterTheEarlierOnes) {
  MemoryFileOps disk;
  disk.files["setup.log"] = "old line\r\n";
  {
    InstallLog log("setup.log", InstallLog::Start::Afresh, disk);
    log.Line("step 0: working folder c:\\kq");
    log.Line("exit code 0");
  }
  EXPECT_EQ("step 0: working folder c:\\kq\r\nexit code 0\r\n", disk.files["setup.log"]);
  {
    InstallLog log("setup.log", InstallLog::Start::AfterEarlierLines, disk);
    log.Line("removed");
  }
  EXPECT_EQ("step 0: working folder c:\\kq\r\nexit code 0\r\nremoved\r\n", disk.files["setup.log"]);
  EXPECT_EQ(0u, disk.OpenCount());
}

TEST(InstallLog, WithoutAPathWritesNothing) {
  MemoryFileOps disk;
  InstallLog log("", InstallLog::Start::Afresh, disk);
  log.Line("step 0");
  EXPECT_TRUE(disk.files.empty());
}

TEST(InstallLog, LinesWaitForAFileOpenedLater) {
  MemoryFileOps disk;
  disk.failCreate.insert("c:\\kq\\setup.log");
  InstallLog log("", InstallLog::Start::Later, disk);
  log.Line("answers from c:\\a.ini");
  EXPECT_FALSE(log.Open("c:\\kq\\setup.log"));
  EXPECT_FALSE(log.IsOpen());
  log.Line("step 0: working folder c:\\kq");
  disk.failCreate.clear();
  ASSERT_TRUE(log.Open("c:\\kq\\setup.log"));
  log.Line("exit code 0");
  EXPECT_EQ("answers from c:\\a.ini\r\nstep 0: working folder c:\\kq\r\nexit code 0\r\n",
            disk.files["c:\\kq\\setup.log"]);
}

}  // namespace
