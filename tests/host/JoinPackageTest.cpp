#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "package/JoinPackage.h"
#include "tests/host/MemoryFileOps.h"
#include "tests/host/PieceBuilder.h"

namespace {

using FileMap = std::map<std::string, std::string>;

class JoinPackageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::memset(&state, 0, sizeof state);
    state.m_nPackageVersion = 153;
  }

  // The version the join leaves, checked against its result.
  int32_t Join(const char* prefix = "kq") {
    const JoinResult result = JoinPackage(prefix, state, files);
    EXPECT_EQ(0u, files.OpenCount()) << "a join leaves no file open";
    EXPECT_TRUE(files.unflushedMoves.empty()) << "a file moved into place before it was flushed";
    if (result == JoinResult::kJoined) {
      EXPECT_NE(0, state.m_nPackageVersion);
    }
    if (result == JoinResult::kFailed || result == JoinResult::kNoPackage) {
      EXPECT_EQ(0, state.m_nPackageVersion);
    }
    return state.m_nPackageVersion;
  }

  void SetOem(char (&field)[kTextSize], int& flag, const std::string& value) {
    std::snprintf(field, sizeof field, "%s", value.c_str());
    flag = 1;
  }

  SetupState state;
  MemoryFileOps files;
};

TEST_F(JoinPackageTest, JoinsSeveralFilesByteForByteAndDeletesThePieces) {
  const std::string big = Bytes(25000, 1);
  const std::string one = Bytes(1, 2);
  const std::string odd = Bytes(10001, 3);
  std::vector<PieceSpec> pieces = Chunks("kq.exe", big);
  for (const auto& piece : Chunks("b.dat", one)) pieces.push_back(piece);
  for (const auto& piece : Chunks("c.bin", odd)) pieces.push_back(piece);
  AddPackage(files, "kq", "7", pieces);
  files.files["kq.exe"] = "old version";

  EXPECT_EQ(7, Join());
  EXPECT_EQ((FileMap{{"kq.exe", big}, {"b.dat", one}, {"c.bin", odd}}), files.files);
  EXPECT_TRUE(files.waits.empty());
}

TEST_F(JoinPackageTest, ChunksOfEveryLengthClassJoinWithTheirChecksums) {
  for (size_t length : {1u, 2u, 3u, 4u, 5u, 6u, 7u, 9999u, 10000u}) {
    files.files.clear();
    const std::string chunk(length, '\xFF');
    AddPackage(files, "kq", "12", {{"f.bin", chunk}});
    ASSERT_EQ(length + 48, files.files["kq1.cab"].size());
    EXPECT_EQ(12, Join()) << length;
    EXPECT_EQ((FileMap{{"f.bin", chunk}}), files.files) << length;
  }
}

TEST_F(JoinPackageTest, OnlyTheFirst10048BytesOfAPieceCount) {
  const std::string chunk = Bytes(10000, 4);
  AddPackage(files, "kq", "7", {{"f.bin", chunk}});
  files.files["kq1.cab"] += "trailing bytes that the join never reads";
  EXPECT_EQ(7, Join());
  EXPECT_EQ((FileMap{{"f.bin", chunk}}), files.files);
}

TEST_F(JoinPackageTest, ConsecutivePiecesWithTheSameNameMakeOneFile) {
  AddPackage(files, "kq", "7", {{"a.txt", "first "}, {"a.txt", "second"}});
  EXPECT_EQ(7, Join());
  EXPECT_EQ((FileMap{{"a.txt", "first second"}}), files.files);
}

TEST_F(JoinPackageTest, VersionTextsAreReadAsDecimal) {
  const struct {
    std::string header;
    std::string piece;
    int32_t result;
  } cases[] = {{" 42", "42", 42}, {"+5", "5", 5}, {"9x", "9", 9}, {"153", "153", 153}};
  for (const auto& c : cases) {
    files.files = {{"kq0.cab", HeaderPiece(c.header, "2")},
                   {"kq1.cab", DataPiece("f", "x", c.piece)}};
    EXPECT_EQ(c.result, Join()) << c.header;
  }
}

// The package of every failure row: a.txt in piece 1, b.txt in pieces 2 and 3.
struct FailureRow {
  const char* what;
  std::function<void(FileMap&)> damage;
  int32_t result;
  FileMap left;
};

TEST_F(JoinPackageTest, FailureTable) {
  const std::string a = "AAAA", b1 = "BBBBB", b2 = "bb";
  auto corruptChecksum = [](std::string& piece) { piece[40] ^= 0x01; };
  const FailureRow rows[] = {
      {"header piece missing",
       [](FileMap& f) { f.erase("kq0.cab"); },
       0,
       {{"kq1.cab", ""}, {"kq2.cab", ""}, {"kq3.cab", ""}}},
      {"48-byte piece",
       [](FileMap& f) { f["kq2.cab"].resize(48); },
       0,
       {{"kq0.cab", ""}, {"kq1.cab", ""}, {"kq3.cab", ""}}},
      {"empty piece",
       [](FileMap& f) { f["kq2.cab"].clear(); },
       0,
       {{"kq0.cab", ""}, {"kq1.cab", ""}, {"kq3.cab", ""}}},
      {"checksum of a new file's first piece",
       [&](FileMap& f) { corruptChecksum(f["kq2.cab"]); },
       0,
       {{"kq0.cab", ""}, {"kq1.cab", ""}, {"kq3.cab", ""}, {"a.txt", a}}},
      {"checksum of a continuing piece",
       [&](FileMap& f) { corruptChecksum(f["kq3.cab"]); },
       0,
       {{"kq0.cab", ""}, {"kq1.cab", ""}, {"kq2.cab", ""}, {"a.txt", a}}},
      {"piece version differs",
       [&](FileMap& f) { f["kq3.cab"] = DataPiece("b.txt", b2, "8"); },
       0,
       {{"a.txt", a}, {"temp.cab", b1}}},
      {"missing piece",
       [](FileMap& f) { f.erase("kq2.cab"); },
       0,
       {{"kq0.cab", ""}, {"kq1.cab", ""}, {"kq3.cab", ""}, {"temp.cab", a}}},
      {"more pieces than the count",
       [](FileMap& f) { f["kq4.cab"] = DataPiece("b.txt", "!", "7"); },
       0,
       {{"kq0.cab", ""},
        {"kq1.cab", ""},
        {"kq2.cab", ""},
        {"kq3.cab", ""},
        {"kq4.cab", ""},
        {"a.txt", a},
        {"temp.cab", b1 + b2 + "!"}}},
      {"count says one piece more than there are",
       [](FileMap& f) { f["kq0.cab"] = HeaderPiece("7", "5"); },
       0,
       {{"kq0.cab", ""},
        {"kq1.cab", ""},
        {"kq2.cab", ""},
        {"kq3.cab", ""},
        {"a.txt", a},
        {"temp.cab", b1 + b2}}},
      {"header count 1 and no data piece",
       [](FileMap& f) {
         f = {{"kq0.cab", HeaderPiece("7", "1")}};
       },
       153,
       {}},
  };
  for (const FailureRow& row : rows) {
    SetUp();
    files.files.clear();
    AddPackage(files, "kq", "7", {{"a.txt", a}, {"b.txt", b1}, {"b.txt", b2}});
    row.damage(files.files);
    const FileMap before = files.files;
    EXPECT_EQ(row.result, Join()) << row.what;
    // Pieces are compared by presence (and unchanged content), other files by content.
    FileMap expected;
    for (const auto& [name, content] : row.left) {
      expected[name] = content.empty() && before.count(name) ? before.at(name) : content;
    }
    EXPECT_EQ(expected, files.files) << row.what;
  }
}

TEST_F(JoinPackageTest, VersionMismatchDeletesNoMoreThanThePackageHolds) {
  files.files = {{"kq0.cab", HeaderPiece("7", "2000000000")},
                 {"kq1.cab", DataPiece("a", "x", "8")},
                 {"kq2.cab", DataPiece("a", "y", "7")}};
  EXPECT_EQ(0, Join());
  EXPECT_EQ((FileMap{{"temp.cab", ""}}), files.files);
  EXPECT_LT(files.deleteAttempts.size(), 10u);
}

TEST_F(JoinPackageTest, BrandingReplacesTheDefaultsInOrderInHtmlFilesOnly) {
  SetOem(state.m_szProductName, state.m_bOemProductName, "Zeta Cam");
  SetOem(state.m_szWebSite, state.m_bOemWebSite, "http://zeta.example");
  SetOem(state.m_szInfoEmail, state.m_bOemInfoEmail, "help@zeta.example");
  SetOem(state.m_szCompanyName, state.m_bOemCompanyName, "Zeta Inc");
  const std::string page =
      "<b>Quelmar Ovistra</b> by Quelmar Labs: Ovistra, http://www.quelmar.example, "
      "info@quelmar.example";
  const std::string branded =
      "<b>Zeta Cam</b> by Zeta Inc: Zeta Cam, http://zeta.example, help@zeta.example";
  const struct {
    const char* name;
    bool html;
  } names[] = {{"index.html", true}, {"PAGE.HTM", true},    {"help.HtMl", true},
               {"a.htm.txt", true},  {"readme.txt", false}, {"htm", false}};
  for (const auto& n : names) {
    files.files.clear();
    AddPackage(files, "ch", "3", {{n.name, page}});
    EXPECT_EQ(3, Join("ch"));
    EXPECT_EQ(n.html ? branded : page, files.files[n.name]) << n.name;
  }
}

TEST_F(JoinPackageTest, EachOemValueReplacesOnlyItsOwnDefault) {
  const std::string page =
      "Quelmar Ovistra|Ovistra|http://www.quelmar.example|"
      "info@quelmar.example|Quelmar Labs";
  const struct {
    std::function<void()> set;
    std::string expected;
  } cases[] = {
      {[&] { SetOem(state.m_szProductName, state.m_bOemProductName, "P"); },
       "P|P|http://www.quelmar.example|info@quelmar.example|Quelmar Labs"},
      {[&] { SetOem(state.m_szWebSite, state.m_bOemWebSite, "W"); },
       "Quelmar Ovistra|Ovistra|W|info@quelmar.example|Quelmar Labs"},
      {[&] { SetOem(state.m_szInfoEmail, state.m_bOemInfoEmail, "E"); },
       "Quelmar Ovistra|Ovistra|http://www.quelmar.example|E|Quelmar Labs"},
      {[&] { SetOem(state.m_szCompanyName, state.m_bOemCompanyName, "C"); },
       "Quelmar Ovistra|Ovistra|http://www.quelmar.example|info@quelmar.example|C"},
  };
  for (const auto& c : cases) {
    SetUp();
    c.set();
    files.files.clear();
    AddPackage(files, "ch", "3", {{"p.html", page}});
    EXPECT_EQ(3, Join("ch"));
    EXPECT_EQ(c.expected, files.files["p.html"]);
  }
}

// A value inserted by one replacement is never rewritten by a later one,
// even when it holds the default text that the later one replaces.
TEST_F(JoinPackageTest, OemValuesHoldingDefaultTextsStayWhole) {
  const struct {
    const char* product;
    const char* company;
    std::string page;
    std::string expected;
  } cases[] = {
      {"Quelmar Ovistra Plus", nullptr, "Quelmar Ovistra, Ovistra.",
       "Quelmar Ovistra Plus, Quelmar Ovistra Plus."},
      {"Ovistra Cam", nullptr, "Ovistra|Quelmar Ovistra", "Ovistra Cam|Ovistra Cam"},
      {"Cam by Quelmar Labs", "Zeta", "Quelmar Ovistra (Quelmar Labs)",
       "Cam by Quelmar Labs (Zeta)"},
      {nullptr, "Quelmar Labs Ovistra", "Quelmar Labs", "Quelmar Labs Ovistra"},
  };
  for (const auto& c : cases) {
    SetUp();
    if (c.product) SetOem(state.m_szProductName, state.m_bOemProductName, c.product);
    if (c.company) SetOem(state.m_szCompanyName, state.m_bOemCompanyName, c.company);
    files.files.clear();
    AddPackage(files, "ch", "3", {{"p.html", c.page}});
    EXPECT_EQ(3, Join("ch"));
    EXPECT_EQ(c.expected, files.files["p.html"]) << c.page;
  }
}

TEST_F(JoinPackageTest, WithoutOemValuesHtmlPassesUnchangedNulsIncluded) {
  const std::string page = std::string("Quelmar Ovistra\0tail", 20);
  AddPackage(files, "ch", "3", {{"p.html", page}});
  EXPECT_EQ(3, Join("ch"));
  EXPECT_EQ(page, files.files["p.html"]);
}

TEST_F(JoinPackageTest, AnOccurrenceSplitBetweenPiecesIsNotReplaced) {
  SetOem(state.m_szProductName, state.m_bOemProductName, "Zeta");
  AddPackage(files, "ch", "3", {{"p.html", "Ovistra, Ovi"}, {"p.html", "stra"}});
  EXPECT_EQ(3, Join("ch"));
  EXPECT_EQ("Zeta, Ovistra", files.files["p.html"]);
}

TEST_F(JoinPackageTest, BrandingGrowthHasNoLimit) {
  SetOem(state.m_szProductName, state.m_bOemProductName, std::string(259, 'Z'));
  std::string page;
  while (page.size() + 7 <= 10000) page += "Ovistra";
  AddPackage(files, "ch", "3", {{"p.html", page}, {"p.html", page}});
  EXPECT_EQ(3, Join("ch"));
  EXPECT_EQ(std::string(2 * page.size() / 7 * 259, 'Z'), files.files["p.html"]);
}

TEST_F(JoinPackageTest, LockedLastTargetGetsFifteenRetriesThenTheJoinFailsKeepingEverything) {
  AddPackage(files, "kq", "7", {{"kq.exe", "new"}});
  files.files["kq.exe"] = "old";
  files.failDelete["kq.exe"] = 1000;
  const FileMap pieces = files.files;

  EXPECT_EQ(0, Join());
  EXPECT_EQ(std::vector<unsigned>(15, 1000), files.waits);
  EXPECT_EQ(16, std::count(files.replaceAttempts.begin(), files.replaceAttempts.end(), "kq.exe"));
  FileMap expected = pieces;
  expected["temp.cab"] = "new";
  EXPECT_EQ(expected, files.files);
}

TEST_F(JoinPackageTest, LastTargetReleasedDuringTheRetriesIsReplaced) {
  AddPackage(files, "kq", "7", {{"kq.exe", "new"}});
  files.files["kq.exe"] = "old";
  files.failDelete["kq.exe"] = 3;
  EXPECT_EQ(7, Join());
  EXPECT_EQ(3u, files.waits.size());
  EXPECT_EQ((FileMap{{"kq.exe", "new"}}), files.files);
}

TEST_F(JoinPackageTest, AMissingLastTargetNeedsNoWaiting) {
  AddPackage(files, "kq", "7", {{"kq.exe", "new"}});
  EXPECT_EQ(7, Join());
  EXPECT_TRUE(files.waits.empty());
}

// Another program holds the old kq.exe open with one of the three share
// modes, and lets go after three of the join's waits or only after the
// join. Whatever it does, the folder keeps the old program or gets the
// complete new one, never neither; the pieces go only with the old file.
TEST_F(JoinPackageTest, TargetHeldOpenByAnotherProgramIsNeverLost) {
  const struct {
    const char* what;
    bool shareDelete;
    int waits;
  } cases[] = {{"no sharing, released", false, 3},
               {"delete sharing, released", true, 3},
               {"no sharing, held for good", false, -1},
               {"delete sharing, held for good", true, -1}};
  for (const auto& c : cases) {
    SetUp();
    files = MemoryFileOps();
    AddPackage(files, "kq", "7", {{"kq.exe", "new"}});
    const FileMap pieces = files.files;
    files.files["kq.exe"] = "old";
    files.held["kq.exe"] = {c.shareDelete, c.waits};

    const int32_t result = Join();
    files.Release();
    if (c.waits > 0) {
      EXPECT_EQ(7, result) << c.what;
      EXPECT_EQ((FileMap{{"kq.exe", "new"}}), files.files) << c.what;
    } else {
      EXPECT_EQ(0, result) << c.what;
      FileMap expected = pieces;
      expected["kq.exe"] = "old";
      expected["temp.cab"] = "new";
      EXPECT_EQ(expected, files.files) << c.what;
      EXPECT_EQ(std::vector<unsigned>(15, 1000), files.waits) << c.what;
    }
  }
}

// A target takes its name only once its data is on the disk: where the
// flush fails, the old file stays, and so do the pieces for a later try.
TEST_F(JoinPackageTest, EveryTargetIsFlushedBeforeItTakesItsName) {
  const struct {
    const char* what;
    std::set<int> failFlush;
    FileMap placed;  // the targets and the staging file afterwards
  } cases[] = {
      {"every flush works", {}, {{"a.txt", "new a"}, {"b.txt", "new b more"}}},
      {"the first target's flush fails",
       {0},
       {{"a.txt", "old a"}, {"b.txt", "old b"}, {"temp.cab", "new a"}}},
      {"the last target's flush fails",
       {1},
       {{"a.txt", "new a"}, {"b.txt", "old b"}, {"temp.cab", "new b more"}}},
  };
  for (const auto& c : cases) {
    files = MemoryFileOps();
    AddPackage(files, "kq", "7", {{"a.txt", "new a"}, {"b.txt", "new b"}, {"b.txt", " more"}});
    FileMap expected = c.failFlush.empty() ? FileMap() : files.files;
    files.files["a.txt"] = "old a";
    files.files["b.txt"] = "old b";
    files.failFlush = c.failFlush;
    EXPECT_EQ(c.failFlush.empty() ? 7 : 0, Join()) << c.what;
    for (const auto& file : c.placed) expected[file.first] = file.second;
    EXPECT_EQ(expected, files.files) << c.what;
  }
}

TEST_F(JoinPackageTest, EarlierTargetGetsTheSameRetries) {
  AddPackage(files, "kq", "7", {{"a.txt", "new a"}, {"b.txt", "new b"}});
  files.files["a.txt"] = "old a";
  files.failDelete["a.txt"] = 2;
  EXPECT_EQ(7, Join());
  EXPECT_EQ(std::vector<unsigned>(2, 1000), files.waits);
  EXPECT_EQ((FileMap{{"a.txt", "new a"}, {"b.txt", "new b"}}), files.files);
}

TEST_F(JoinPackageTest, LockedEarlierTargetStopsTheJoinWithItsDataInStaging) {
  AddPackage(files, "kq", "7", {{"a.txt", "new a"}, {"b.txt", "new b"}});
  files.files["a.txt"] = "old a";
  files.failDelete["a.txt"] = 1000;
  FileMap expected = files.files;

  EXPECT_EQ(0, Join());
  expected["temp.cab"] = "new a";
  EXPECT_EQ(expected, files.files);
  EXPECT_EQ(std::vector<unsigned>(15, 1000), files.waits);
}

TEST_F(JoinPackageTest, TargetThatCannotBeRenamedIntoKeepsEverything) {
  AddPackage(files, "kq", "7", {{"a.txt", "new a"}});
  files.failRenameTo.insert("a.txt");
  FileMap expected = files.files;
  EXPECT_EQ(0, Join());
  expected["temp.cab"] = "new a";
  EXPECT_EQ(expected, files.files);
}

TEST_F(JoinPackageTest, StagingFileThatCannotBeCreatedFailsWithoutDeletingTargets) {
  AddPackage(files, "kq", "7", {{"a.txt", "new a"}, {"b.txt", "new b"}});
  files.files["a.txt"] = "old a";
  files.failCreate.insert("temp.cab");
  const FileMap before = files.files;
  EXPECT_EQ(0, Join());
  EXPECT_EQ(before, files.files);
}

TEST_F(JoinPackageTest, WriteFailureFailsTheJoinKeepingThePieces) {
  AddPackage(files, "kq", "7", {{"a.txt", "new a"}, {"a.txt", " more"}});
  files.writeLimit = 6;
  EXPECT_EQ(0, Join());
  EXPECT_EQ(3u, files.files.count("kq0.cab") + files.files.count("kq1.cab") +
                    files.files.count("kq2.cab"));
  EXPECT_EQ(0u, files.files.count("a.txt"));
}

TEST_F(JoinPackageTest, HostileNamesFailBeforeAnythingIsWritten) {
  const std::string names[] = {"../evil.txt",
                               "..\\evil.txt",
                               "sub/../../evil.txt",
                               "/etc/evil",
                               "\\\\server\\share\\evil",
                               "C:\\evil.txt",
                               "c:evil.txt",
                               "temp.cab",
                               "kq5.cab",
                               "evil.txt.",
                               "con.txt",
                               "LPT1",
                               ""};
  for (const std::string& name : names) {
    files.files.clear();
    AddPackage(files, "kq", "7", {{name, "payload"}});
    const FileMap before = files.files;
    EXPECT_EQ(0, Join()) << name;
    EXPECT_EQ(before, files.files) << name;
  }
}

TEST_F(JoinPackageTest, NameFieldWithoutTerminatorFails) {
  AddPackage(files, "kq", "7", {{"a.txt", "payload"}});
  std::memset(&files.files["kq1.cab"][0], 'n', 40);
  const FileMap before = files.files;
  EXPECT_EQ(0, Join());
  EXPECT_EQ(before, files.files);
}

TEST_F(JoinPackageTest, HostileNameAfterAGoodFileLeavesThatFileStagedAndThePiecesInPlace) {
  AddPackage(files, "kq", "7", {{"a.txt", "good"}, {"../evil.txt", "payload"}});
  FileMap expected = files.files;
  EXPECT_EQ(0, Join());
  expected["temp.cab"] = "good";
  EXPECT_EQ(expected, files.files);
}

}  // namespace
