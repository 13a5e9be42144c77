#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>

#include "package/PackageCheck.h"
#include "tests/host/MemoryFileOps.h"
#include "tests/host/PieceBuilder.h"

namespace {

using FileMap = std::map<std::string, std::string>;

constexpr char kDamaged[] = "The setup files are damaged and must be fetched again.\n\n";
constexpr char kUnreadable[] = "A setup file cannot be read.\n\n";

// A distribution of "kq" (kq.exe in pieces 1-3) and "ch" (two pages), each
// damage as a user's copy may suffer it, and how the message begins.
TEST(PackageCheck, DamagedDistributionsNameTheFirstBadPiece) {
  const struct {
    const char* what;
    std::function<void(MemoryFileOps&)> damage;
    std::string message;  // empty: the distribution is whole
  } cases[] = {
      {"whole", [](MemoryFileOps&) {}, ""},
      {"no help package",
       [](MemoryFileOps& f) {
         for (const char* piece : {"ch0.cab", "ch1.cab", "ch2.cab"}) f.files.erase(piece);
       },
       ""},
      {"bad checksum in the middle of kq", [](MemoryFileOps& f) { f.files["kq2.cab"][45] ^= 0x04; },
       std::string(kDamaged) + "kq2.cab has checksum"},
      {"piece missing from ch", [](MemoryFileOps& f) { f.files.erase("ch2.cab"); },
       std::string(kDamaged) + "ch2.cab is missing; the header counts 3 pieces"},
      {"wrong version in one piece",
       [](MemoryFileOps& f) { f.files["kq3.cab"] = DataPiece("kq.exe", "tail", "8"); },
       std::string(kDamaged) + "kq3.cab holds version 8, the header 7"},
      {"header count one too high",
       [](MemoryFileOps& f) { f.files["kq0.cab"] = HeaderPiece("7", "5"); },
       std::string(kDamaged) + "kq4.cab is missing; the header counts 5 pieces"},
      {"hostile name",
       [](MemoryFileOps& f) { f.files["ch1.cab"] = DataPiece("..\\evil.htm", "x", "7"); },
       std::string(kDamaged) + "ch1.cab names target \"..\\evil.htm\", which has a folder part"},
      {"device name",
       [](MemoryFileOps& f) { f.files["ch2.cab"] = DataPiece("aux.html", "x", "7"); },
       std::string(kDamaged) + "ch2.cab names target \"aux.html\", which is a device name"},
      // A broken download leaves a header of zeros.
      {"header of zeros", [](MemoryFileOps& f) { f.files["kq0.cab"] = std::string(100, '\0'); },
       std::string(kDamaged) +
           "kq0.cab (the header piece) is damaged: its package version reads 0 but must be 1 or "
           "more."},
      {"header count 0", [](MemoryFileOps& f) { f.files["ch0.cab"] = HeaderPiece("7", "0"); },
       std::string(kDamaged) +
           "ch0.cab (the header piece) is damaged: its piece count reads 0 but must be 1 or "
           "more."},
      // Another program holds a piece: it is there, and fetching it again
      // would not help.
      {"piece held by another program", [](MemoryFileOps& f) { f.failOpen.insert("kq2.cab"); },
       std::string(kUnreadable) +
           "kq2.cab is there but cannot be read; another program may be holding it open.\n\n"
           "Close any program that may be using it and start the setup again."},
      {"header held by another program", [](MemoryFileOps& f) { f.failOpen.insert("ch0.cab"); },
       std::string(kUnreadable) + "ch0.cab is there but cannot be read"},
  };
  for (const auto& c : cases) {
    MemoryFileOps files;
    AddPackage(files, "kq", "7", {{"kq.exe", "head"}, {"kq.exe", "middle"}, {"kq.exe", "tail"}});
    AddPackage(files, "ch", "7", {{"index.html", "<p>"}, {"help.html", "<p>"}});
    c.damage(files);
    const FileMap before = files.files;
    const std::string message = CheckDistribution(files);
    EXPECT_EQ(before, files.files) << c.what << ": the check changes nothing";
    if (c.message.empty()) {
      EXPECT_EQ("", message) << c.what;
      continue;
    }
    EXPECT_EQ(0u, message.find(c.message)) << c.what << ": " << message;
  }
}

TEST(PackageCheck, FailedJoinsMessageNamesEachPackage) {
  EXPECT_EQ(0u, FailedJoinsMessage({"kq"}).find("The package \"kq\" could not be installed"));
  EXPECT_EQ(0u, FailedJoinsMessage({"kq", "ch"})
                    .find("The packages \"kq\" and \"ch\" could not be installed"));
  EXPECT_NE(std::string::npos, FailedJoinsMessage({"ch"}).find("run the setup again"));
}

}  // namespace
