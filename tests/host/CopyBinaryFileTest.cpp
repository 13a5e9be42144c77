// File copying: byte-exact whatever the size, and every failure reported,
// including one in the middle of the copy.
#include <gtest/gtest.h>

#include <string>

#include "core/FolderPath.h"
#include "tests/host/MemoryFileOps.h"

namespace {

std::string Pattern(size_t size) {
  std::string bytes(size, '\0');
  for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>((i * 131 + i / 256) & 0xFF);
  return bytes;
}

// Reads fail once so many bytes have been delivered, as on a bad sector.
class FailingReadFileOps : public MemoryFileOps {
 public:
  explicit FailingReadFileOps(long failAfter) : m_failAfter(failAfter) {}
  long Read(int file, void* buffer, size_t size) override {
    if (m_delivered >= m_failAfter) return -1;
    const long n = MemoryFileOps::Read(file, buffer, size);
    m_delivered += n;
    return n;
  }

 private:
  long m_failAfter;
  long m_delivered = 0;
};

TEST(CopyBinaryFile, CopiesEveryByteAroundTheBlockSize) {
  for (size_t size : {0u, 1u, 4095u, 4096u, 4097u, 3u * 4096u, 10000u}) {
    MemoryFileOps files;
    files.files["kq1.cab"] = Pattern(size);
    files.files["C:\\KQ\\kq1.cab"] = "old and longer content that must go";
    EXPECT_EQ(1, CopyBinaryFile("kq1.cab", "C:\\KQ\\kq1.cab", files)) << size;
    EXPECT_EQ(Pattern(size), files.files["C:\\KQ\\kq1.cab"]) << size;
    EXPECT_EQ(0u, files.OpenCount()) << size;
  }
}

TEST(CopyBinaryFile, MissingSourceCreatesNothing) {
  MemoryFileOps files;
  EXPECT_EQ(0, CopyBinaryFile("kq7.cab", "C:\\KQ\\kq7.cab", files));
  EXPECT_EQ(0u, files.files.count("C:\\KQ\\kq7.cab"));
  EXPECT_EQ(0u, files.OpenCount());
}

TEST(CopyBinaryFile, DestinationThatCannotBeCreatedFails) {
  MemoryFileOps files;
  files.files["setup.exe"] = Pattern(100);
  files.failCreate.insert("C:\\KQ\\setup.exe");
  EXPECT_EQ(0, CopyBinaryFile("setup.exe", "C:\\KQ\\setup.exe", files));
  EXPECT_EQ(0u, files.OpenCount());
}

TEST(CopyBinaryFile, ReadOrWriteErrorInTheMiddleFails) {
  FailingReadFileOps badRead(4096);
  badRead.files["kq2.cab"] = Pattern(10000);
  EXPECT_EQ(0, CopyBinaryFile("kq2.cab", "C:\\KQ\\kq2.cab", badRead));
  EXPECT_EQ(0u, badRead.OpenCount());

  MemoryFileOps fullDisk;
  fullDisk.files["kq2.cab"] = Pattern(10000);
  fullDisk.writeLimit = 5000;
  EXPECT_EQ(0, CopyBinaryFile("kq2.cab", "C:\\KQ\\kq2.cab", fullDisk));
  EXPECT_EQ(0u, fullDisk.OpenCount());
}

}  // namespace
