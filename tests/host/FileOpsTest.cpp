#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

#include "core/FolderPath.h"
#include "package/JoinPackage.h"
#include "package/PackageWriter.h"
#include "platform/FileOps.h"
#include "tests/host/PieceBuilder.h"

namespace {

// A fresh folder on disk for each test, removed afterwards.
class DiskFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    char name[] = "/tmp/fileops-XXXXXX";
    ASSERT_NE(nullptr, mkdtemp(name));
    path = name;
    files = FolderFileOps(path);
  }
  void TearDown() override { std::system(("rm -rf '" + path + "'").c_str()); }

  void Put(const std::string& name, const std::string& content) {
    std::ofstream(path + "/" + name, std::ios::binary) << content;
  }
  std::string Get(const std::string& name) {
    std::ifstream in(path + "/" + name, std::ios::binary);
    std::stringstream content;
    content << in.rdbuf();
    return content.str();
  }

  std::string path;
  std::unique_ptr<FileOps> files;
};

TEST_F(DiskFolder, WritesAndReadsBinaryData) {
  const std::string data = Bytes(70000, 3);
  const int out = files->Create("a.bin");
  ASSERT_NE(FileOps::kNoFile, out);
  EXPECT_TRUE(files->Write(out, data.data(), data.size()));
  files->Close(out);
  EXPECT_EQ(data, Get("a.bin"));
  EXPECT_EQ(70000, files->Size("a.bin"));

  std::string back(80000, '\0');
  const int in = files->OpenRead("a.bin");
  ASSERT_NE(FileOps::kNoFile, in);
  EXPECT_EQ(70000, files->Read(in, &back[0], back.size()));
  EXPECT_EQ(0, files->Read(in, &back[0], back.size()));
  files->Close(in);
  EXPECT_EQ(data, back.substr(0, 70000));
}

TEST_F(DiskFolder, CreateTruncates) {
  Put("a.txt", "long old content");
  const int out = files->Create("a.txt");
  files->Write(out, "new", 3);
  files->Close(out);
  EXPECT_EQ("new", Get("a.txt"));
}

TEST_F(DiskFolder, ReplaceMovesOntoAnExistingTarget) {
  Put("from.txt", "from");
  Put("to.txt", "to");
  EXPECT_TRUE(files->Replace("from.txt", "to.txt"));
  EXPECT_EQ("from", Get("to.txt"));
  EXPECT_FALSE(files->Exists("from.txt"));
}

TEST_F(DiskFolder, MissingFilesFailQuietly) {
  EXPECT_EQ(FileOps::kNoFile, files->OpenRead("none"));
  EXPECT_FALSE(files->Delete("none"));
  EXPECT_FALSE(files->Replace("none", "other"));
  EXPECT_EQ(-1, files->Size("none"));
  EXPECT_FALSE(files->Exists("none"));
}

TEST_F(DiskFolder, ListsPlainFilesOnly) {
  Put("b.html", "");
  Put("a.gif", "");
  ASSERT_EQ(0, std::system(("mkdir '" + path + "/sub'").c_str()));
  Put("sub/c.txt", "");
  std::vector<std::string> names = files->List("");
  std::sort(names.begin(), names.end());
  EXPECT_EQ((std::vector<std::string>{"a.gif", "b.html"}), names);
  EXPECT_EQ((std::vector<std::string>{"c.txt"}), files->List("sub"));
}

TEST_F(DiskFolder, PackedPackageJoinsOnDisk) {
  const std::string exe = Bytes(123457, 8);
  Put("kq.exe", exe);
  const std::unique_ptr<FileOps> out = FolderFileOps(path + "/out");
  ASSERT_EQ(0, std::system(("mkdir '" + path + "/out'").c_str()));
  ASSERT_TRUE(PackPackage("kq", 153, {"kq.exe"}, *files, *out).ok);

  Put("out/kq.exe", "previous version");
  SetupState state;
  std::memset(&state, 0, sizeof state);
  EXPECT_EQ(JoinResult::kJoined, JoinPackage("kq", state, *out));
  EXPECT_EQ(153, state.m_nPackageVersion);
  EXPECT_EQ(exe, Get("out/kq.exe"));
  EXPECT_EQ((std::vector<std::string>{"kq.exe"}), out->List(""));
}

// Installing into the folder that holds the distribution must not empty it:
// however the destination is spelt, the source is never truncated.
TEST_F(DiskFolder, CopyOntoItselfLeavesTheSourceWhole) {
  const std::string data = Bytes(10000, 5);
  Put("kq0.cab", data);
  ASSERT_EQ(0, mkdir((path + "/sub").c_str(), 0777));
  ASSERT_EQ(0, link((path + "/kq0.cab").c_str(), (path + "/hard.cab").c_str()));
  ASSERT_EQ(0, symlink("kq0.cab", (path + "/soft.cab").c_str()));
  for (const char* destination :
       {"kq0.cab", "./kq0.cab", "sub/../kq0.cab", "hard.cab", "soft.cab"}) {
    EXPECT_TRUE(files->SameFile("kq0.cab", destination)) << destination;
    EXPECT_EQ(0, CopyBinaryFile("kq0.cab", destination, *files)) << destination;
    EXPECT_EQ(data, Get("kq0.cab")) << destination;
  }
}

TEST_F(DiskFolder, SameFileTellsFilesAndFoldersApart) {
  Put("a.cab", "same bytes");
  Put("b.cab", "same bytes");
  ASSERT_EQ(0, mkdir((path + "/sub").c_str(), 0777));
  EXPECT_FALSE(files->SameFile("a.cab", "b.cab"));
  EXPECT_FALSE(files->SameFile("a.cab", "missing.cab"));
  EXPECT_FALSE(files->SameFile("missing.cab", "missing.cab"));
  EXPECT_TRUE(files->SameFile("sub", "sub/."));
  EXPECT_FALSE(files->SameFile("sub", "."));
  EXPECT_EQ(1, CopyBinaryFile("a.cab", "sub/a.cab", *files));
  EXPECT_EQ("same bytes", Get("sub/a.cab"));
}

}  // namespace
