#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>

#include "package/PackageCheck.h"
#include "tests/host/MemoryFileOps.h"
#include "tests/host/PieceBuilder.h"

namespace {

using FileMap = std::map<std::string, std::string>;

// A distribution of "kq" (kq.exe in pieces 1-3) and "ch" (two pages), each
// damage as a user's copy may suffer it, and the first words of the message
// after the common opening.
TEST(PackageCheck, DamagedDistributionsNameTheFirstBadPiece) {
  const struct {
    const char* what;
    std::function<void(FileMap&)> damage;
    const char* problem;
  } cases[] = {
      {"whole", [](FileMap&) {}, nullptr},
      {"no help package",
       [](FileMap& f) {
         for (const char* piece : {"ch0.cab", "ch1.cab", "ch2.cab"}) f.erase(piece);
       },
       nullptr},
      {"bad checksum in the middle of kq", [](FileMap& f) { f["kq2.cab"][45] ^= 0x04; },
       "kq2.cab has checksum"},
      {"piece missing from ch", [](FileMap& f) { f.erase("ch2.cab"); },
       "ch2.cab is missing; the header counts 3 pieces"},
      {"wrong version in one piece",
       [](FileMap& f) { f["kq3.cab"] = DataPiece("kq.exe", "tail", "8"); },
       "kq3.cab holds version 8, the header 7"},
      {"header count one too high", [](FileMap& f) { f["kq0.cab"] = HeaderPiece("7", "5"); },
       "kq4.cab is missing; the header counts 5 pieces"},
      {"hostile name", [](FileMap& f) { f["ch1.cab"] = DataPiece("..\\evil.htm", "x", "7"); },
       "ch1.cab names target \"..\\evil.htm\", which has a folder part"},
      {"device name", [](FileMap& f) { f["ch2.cab"] = DataPiece("aux.html", "x", "7"); },
       "ch2.cab names target \"aux.html\", which is a device name"},
  };
  for (const auto& c : cases) {
    MemoryFileOps files;
    AddPackage(files, "kq", "7", {{"kq.exe", "head"}, {"kq.exe", "middle"}, {"kq.exe", "tail"}});
    AddPackage(files, "ch", "7", {{"index.html", "<p>"}, {"help.html", "<p>"}});
    c.damage(files.files);
    const FileMap before = files.files;
    const std::string message = CheckDistribution(files);
    EXPECT_EQ(before, files.files) << c.what << ": the check changes nothing";
    if (!c.problem) {
      EXPECT_EQ("", message) << c.what;
      continue;
    }
    const std::string opening = "The setup files are damaged and must be fetched again.\n\n";
    EXPECT_EQ(0u, message.find(opening + c.problem)) << c.what << ": " << message;
  }
}

TEST(PackageCheck, FailedJoinsMessageNamesEachPackage) {
  EXPECT_EQ(0u, FailedJoinsMessage({"kq"}).find("The package \"kq\" could not be installed"));
  EXPECT_EQ(0u, FailedJoinsMessage({"kq", "ch"})
                    .find("The packages \"kq\" and \"ch\" could not be installed"));
  EXPECT_NE(std::string::npos, FailedJoinsMessage({"ch"}).find("run the setup again"));
}

}  // namespace
