// The unattended installation's joins straight from the distribution: the
// targets appear in the working folder as after a copy and join there, the
// distribution keeps every piece and gets no staging file, and a damaged
// package leaves the working folder as a failed join there would.
#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>

#include "install/DistributionPieces.h"
#include "package/JoinPackage.h"
#include "tests/host/MemoryFileOps.h"
#include "tests/host/PieceBuilder.h"

namespace {

using FileMap = std::map<std::string, std::string>;

TEST(DistributionPieces, JoinsIntoTheWorkingFolderAndLeavesThePiecesWhereTheyAre) {
  MemoryFileOps dist, work, copied;
  const std::string big = Bytes(25000, 1);
  std::vector<PieceSpec> kq = Chunks("kq.exe", big);
  kq.push_back({"help.html", "<p>Quelmar Ovistra</p>"});
  AddPackage(dist, "kq", "7", kq);
  AddPackage(dist, "ch", "160", {{"spchapi.exe", "speech"}});
  dist.files["setup.exe"] = "program";
  work.files["kq.exe"] = "old version";
  work.files["user.txt"] = "the user's own";
  const FileMap distribution = dist.files;
  // The same packages copied into a folder and joined there, as the wizard
  // does.
  copied.files = dist.files;
  copied.files.erase("setup.exe");
  for (const auto& [name, content] : work.files) copied.files[name] = content;

  SetupState state{};
  SetupState copiedState{};
  DistributionPieces files(dist, work, {"kq", "ch"});
  for (const char* prefix : {"kq", "ch"}) {
    EXPECT_EQ(JoinResult::kJoined, JoinPackage(prefix, state, files)) << prefix;
    EXPECT_EQ(JoinResult::kJoined, JoinPackage(prefix, copiedState, copied)) << prefix;
  }
  EXPECT_EQ(160, state.m_nPackageVersion);
  EXPECT_EQ(copied.files, work.files);
  EXPECT_EQ(big, work.files["kq.exe"]);
  EXPECT_EQ(distribution, dist.files);
  EXPECT_EQ(0u, dist.OpenCount());
  EXPECT_EQ(0u, work.OpenCount());
}

TEST(DistributionPieces, ADamagedPackageFailsAsItWouldAfterACopy) {
  MemoryFileOps dist, work, copied;
  AddPackage(dist, "kq", "7", Chunks("kq.exe", Bytes(25000, 2)));
  dist.files["kq2.cab"][50] ^= 1;  // a chunk whose checksum no longer fits
  const FileMap distribution = dist.files;
  copied.files = dist.files;
  SetupState state{};
  DistributionPieces files(dist, work, {"kq", "ch"});
  EXPECT_EQ(JoinResult::kFailed, JoinPackage("kq", state, files));
  EXPECT_EQ(JoinResult::kFailed, JoinPackage("kq", state, copied));
  EXPECT_EQ(distribution, dist.files);
  // No target and no staging file: what the failed join left of its own.
  FileMap leftInCopy;
  for (const auto& [name, content] : copied.files)
    if (!distribution.count(name)) leftInCopy[name] = content;
  EXPECT_EQ(leftInCopy, work.files);
}

}  // namespace
