#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "package/JoinPackage.h"
#include "package/PackageInspect.h"
#include "package/PackageWriter.h"
#include "tests/host/MemoryFileOps.h"
#include "tests/host/PieceBuilder.h"

namespace {

using FileMap = std::map<std::string, std::string>;

class PackageTest : public ::testing::Test {
 protected:
  PackResult Pack(const std::vector<std::string>& names, int version = 12) {
    return PackPackage("ch", version, names, source, target);
  }

  std::vector<std::string> Problems() {
    std::vector<std::string> texts;
    for (const PieceProblem& problem : InspectPackage("ch", target).problems) {
      texts.push_back(problem.text);
    }
    return texts;
  }

  MemoryFileOps source;
  MemoryFileOps target;
};

TEST_F(PackageTest, PiecesAreExactlyTheFormat) {
  source.files = {{"kq.exe", Bytes(20003, 5)}, {"index.html", "<p>page</p>"}};
  const PackResult result = Pack({"kq.exe", "index.html"});
  ASSERT_TRUE(result.ok) << result.error;
  EXPECT_EQ(5, result.pieces);
  const std::string& exe = source.files["kq.exe"];
  EXPECT_EQ((FileMap{{"ch0.cab", HeaderPiece("12", "5")},
                     {"ch1.cab", DataPiece("kq.exe", exe.substr(0, 10000), "12")},
                     {"ch2.cab", DataPiece("kq.exe", exe.substr(10000, 10000), "12")},
                     {"ch3.cab", DataPiece("kq.exe", exe.substr(20000), "12")},
                     {"ch4.cab", DataPiece("index.html", "<p>page</p>", "12")}}),
            target.files);
}

TEST_F(PackageTest, PackedFilesJoinBackByteForByte) {
  const FileMap originals = {{"a.bin", Bytes(10000, 1)},
                             {"b.bin", Bytes(10001, 2)},
                             {"c.gif", Bytes(1, 3)},
                             {"page.html", "Quelmar Ovistra by Quelmar Labs"}};
  source.files = originals;
  ASSERT_TRUE(Pack({"a.bin", "b.bin", "c.gif", "page.html"}, 999).ok);
  EXPECT_TRUE(InspectPackage("ch", target).ok());

  SetupState state;
  std::memset(&state, 0, sizeof state);
  EXPECT_EQ(JoinResult::kJoined, JoinPackage("ch", state, target));
  EXPECT_EQ(999, state.m_nPackageVersion);
  EXPECT_EQ(originals, target.files);
}

TEST_F(PackageTest, ProgressCountsEveryPiece) {
  source.files = {{"big.bin", Bytes(35000, 9)}};
  std::vector<int> done;
  ASSERT_TRUE(PackPackage("ch", 1, {"big.bin"}, source, target, [&](int piece, int total) {
                EXPECT_EQ(5, total);
                done.push_back(piece);
              }).ok);
  EXPECT_EQ((std::vector<int>{1, 2, 3, 4, 5}), done);
}

TEST_F(PackageTest, RefusesWhatTheFormatCannotCarry) {
  source.files = {{"ok.txt", "x"}, {"empty.txt", ""}, {"OK.TXT", "y"}};
  target.files = {{"ch3.cab", "stale"}};
  const struct {
    std::vector<std::string> names;
    int version;
    const char* error;
  } cases[] = {
      {{"ok.txt"}, 0, "version 0"},
      {{"ok.txt"}, 1000, "version 1000"},
      {{}, 1, "no file"},
      {{"missing.txt"}, 1, "cannot be found"},
      {{"empty.txt"}, 1, "is empty"},
      {{"ok.txt", "ok.txt"}, 1, "listed twice"},
      {{"ok.txt", "OK.TXT"}, 1, "\"ok.txt\" and \"OK.TXT\" are one file on Windows"},
      {{std::string(40, 'n')}, 1, "longer than 39"},
      {{"../ok.txt"}, 1, "folder part"},
      {{"c:ok.txt"}, 1, "drive"},
      {{"con.txt"}, 1, "device name"},
      {{"temp.cab"}, 1, "staging"},
      {{"ch7.cab"}, 1, "piece of the package"},
      {{"ok.txt", "ok.txt2"}, 1, nullptr},
  };
  source.files["ok.txt2"] = "zz";
  for (const auto& c : cases) {
    const PackResult result = Pack(c.names, c.version);
    if (c.error) {
      EXPECT_FALSE(result.ok);
      EXPECT_NE(std::string::npos, result.error.find(c.error)) << result.error;
      EXPECT_EQ((FileMap{{"ch3.cab", "stale"}}), target.files) << "nothing written";
    } else {
      EXPECT_FALSE(result.ok);
      EXPECT_NE(std::string::npos, result.error.find("stale piece ch3.cab")) << result.error;
    }
  }
}

TEST_F(PackageTest, RefusesPrefixesWhosePiecesPassForAnotherPackagesOrAFolder) {
  source.files = {{"a.txt", "x"}};
  const struct {
    const char* prefix;
    const char* error;
  } cases[] = {{"kq1", "ends in a digit"},
               {"x9", "ends in a digit"},
               {"", "does not make plain"},
               {"sub/kq", "does not make plain"}};
  for (const auto& c : cases) {
    const PackResult result = PackPackage(c.prefix, 1, {"a.txt"}, source, target);
    EXPECT_FALSE(result.ok) << c.prefix;
    EXPECT_NE(std::string::npos, result.error.find(c.error)) << c.prefix << ": " << result.error;
  }
  EXPECT_TRUE(target.files.empty());
  EXPECT_TRUE(PackPackage("kq1x", 1, {"a.txt"}, source, target).ok);
}

// Default texts placed across the 10,000-byte marks: an HTML file's chunks
// end before them, so a join with OEM values leaves none unbranded, while
// another file is cut at full chunks whatever it holds.
TEST_F(PackageTest, HtmlChunksEndBeforeABrandedText) {
  const std::string texts[] = {"Quelmar Ovistra", "Ovistra", "http://www.quelmar.example",
                               "info@quelmar.example", "Quelmar Labs"};
  std::string page;
  std::vector<size_t> spanning;
  for (int round = 0; round < 12; ++round) {
    const std::string& text = texts[round % 5];
    const size_t mark = 10000 * static_cast<size_t>(round + 1);
    // Starts round % (text length - 1) + 1 bytes before the mark.
    const size_t start = mark - (static_cast<size_t>(round) % (text.size() - 1) + 1);
    page.append(start - page.size(), 'x');
    spanning.push_back(page.size());
    page += text;
  }
  source.files = {{"page.html", page}, {"page.txt", page}};
  ASSERT_TRUE(Pack({"page.html", "page.txt"}).ok);

  const PackageReport report = InspectPackage("ch", target);
  ASSERT_TRUE(report.ok());
  const std::vector<long long>& htmlEnds = report.files[0].chunkEnds;
  ASSERT_FALSE(htmlEnds.empty());
  EXPECT_EQ(static_cast<long long>(page.size()), htmlEnds.back());
  EXPECT_EQ(static_cast<long long>(spanning[0]), htmlEnds[0]) << "the first cut moves early";
  long long previous = 0;
  for (long long end : htmlEnds) {
    EXPECT_LE(end - previous, 10000);
    previous = end;
    for (const std::string& text : texts) {
      for (long long start = std::max(0LL, end - static_cast<long long>(text.size()) + 1);
           start < end; ++start) {
        EXPECT_NE(0, page.compare(static_cast<size_t>(start), text.size(), text))
            << text << " spans the chunk end " << end;
      }
    }
  }
  for (size_t i = 0; i + 1 < report.files[1].chunkEnds.size(); ++i) {
    EXPECT_EQ(10000 * static_cast<long long>(i + 1), report.files[1].chunkEnds[i]);
  }

  SetupState state;
  std::memset(&state, 0, sizeof state);
  for (auto [field, flag] : {std::pair{&state.m_szProductName, &state.m_bOemProductName},
                             {&state.m_szWebSite, &state.m_bOemWebSite},
                             {&state.m_szInfoEmail, &state.m_bOemInfoEmail},
                             {&state.m_szCompanyName, &state.m_bOemCompanyName}}) {
    std::snprintf(*field, kTextSize, "OEM");
    *flag = 1;
  }
  EXPECT_EQ(JoinResult::kJoined, JoinPackage("ch", state, target));
  for (const std::string& text : texts) {
    EXPECT_EQ(std::string::npos, target.files["page.html"].find(text)) << text;
  }
  EXPECT_EQ(page, target.files["page.txt"]);
}

TEST_F(PackageTest, FileThatShrinksWhilePackedLeavesNoHeader) {
  // The size is taken before the pieces are cut; the file then holds less.
  struct ShrinkingSource : MemoryFileOps {
    long long Size(const std::string&) override { return 30000; }
  } changing;
  changing.files = {{"a.bin", Bytes(20000, 4)}};
  const PackResult result = PackPackage("ch", 1, {"a.bin"}, changing, target);
  EXPECT_FALSE(result.ok);
  EXPECT_NE(std::string::npos, result.error.find("changed")) << result.error;
  EXPECT_EQ(0u, target.files.count("ch0.cab"));
}

TEST_F(PackageTest, VerifyNamesThePieceAndTheFault) {
  const struct {
    const char* what;
    std::function<void(FileMap&)> damage;
    std::vector<std::string> problems;
  } cases[] = {
      {"intact", [](FileMap&) {}, {}},
      {"flipped chunk byte",
       [](FileMap& f) { f["ch2.cab"][40] ^= 0x20; },
       {"ch2.cab has checksum"}},
      {"missing piece",
       [](FileMap& f) { f.erase("ch2.cab"); },
       {"ch2.cab is missing; the header counts 4 pieces"}},
      {"version mismatch",
       [](FileMap& f) { f["ch3.cab"] = DataPiece("b.txt", "bb", "13"); },
       {"ch3.cab holds version 13, the header 12"}},
      {"extra piece",
       [](FileMap& f) { f["ch4.cab"] = DataPiece("b.txt", "bb", "12"); },
       {"ch4.cab lies beyond the header's count of 4"}},
      {"short piece", [](FileMap& f) { f["ch1.cab"].resize(48); }, {"ch1.cab is 48 bytes"}},
      {"oversized piece",
       [](FileMap& f) { f["ch1.cab"] = DataPiece("a.txt", Bytes(10001, 1)); },
       {"ch1.cab is 10049 bytes", "ch1.cab holds version", "ch1.cab has checksum"}},
      {"hostile name",
       [](FileMap& f) { f["ch1.cab"] = DataPiece("../a.txt", "a", "12"); },
       {"ch1.cab names target \"../a.txt\", which has a folder part"}},
      {"device name",
       [](FileMap& f) { f["ch1.cab"] = DataPiece("Nul .htm", "a", "12"); },
       {"ch1.cab names target \"Nul .htm\", which is a device name"}},
      {"unterminated name",
       [](FileMap& f) { std::memset(&f["ch1.cab"][0], 'n', 40); },
       {"ch1.cab has a name field without a terminator"}},
      {"four-digit version",
       [](FileMap& f) { f["ch0.cab"] = HeaderPiece("1234", "4"); },
       {"ch0.cab holds a version of more than 3 digits", "ch1.cab holds version 12",
        "ch2.cab holds version 12", "ch3.cab holds version 12"}},
      {"four-digit piece version",
       [](FileMap& f) { f["ch1.cab"] = DataPiece("a.txt", "a", "1234"); },
       {"ch1.cab holds a version of more than 3 digits",
        "ch1.cab holds version 1234, the header 12"}},
      {"file split by another",
       [](FileMap& f) { f["ch3.cab"] = DataPiece("a.txt", "a", "12"); },
       {"ch3.cab starts \"a.txt\" again"}},
      {"header missing", [](FileMap& f) { f.erase("ch0.cab"); }, {"ch0.cab (the header piece)"}},
  };
  for (const auto& c : cases) {
    target.files.clear();
    AddPackage(target, "ch", "12", {{"a.txt", "a"}, {"b.txt", "b"}, {"b.txt", "bb"}});
    c.damage(target.files);
    const FileMap before = target.files;
    const std::vector<std::string> problems = Problems();
    ASSERT_EQ(c.problems.size(), problems.size()) << c.what;
    for (size_t i = 0; i < problems.size(); ++i) {
      EXPECT_EQ(0u, problems[i].find(c.problems[i])) << c.what << ": " << problems[i];
    }
    EXPECT_EQ(before, target.files) << "verify changes nothing";
  }
}

TEST_F(PackageTest, ListShowsFilesWithSizesAndPieces) {
  source.files = {{"kq.exe", Bytes(25000, 7)}, {"a.gif", "GIF89a"}};
  ASSERT_TRUE(Pack({"kq.exe", "a.gif"}).ok);
  const PackageReport report = InspectPackage("ch", target);
  ASSERT_EQ(2u, report.files.size());
  EXPECT_EQ("kq.exe", report.files[0].name);
  EXPECT_EQ(25000, report.files[0].size);
  EXPECT_EQ(1, report.files[0].firstPiece);
  EXPECT_EQ(3, report.files[0].lastPiece);
  EXPECT_EQ((std::vector<long long>{10000, 20000, 25000}), report.files[0].chunkEnds);
  EXPECT_EQ("a.gif", report.files[1].name);
  EXPECT_EQ(6, report.files[1].size);
  EXPECT_EQ(4, report.files[1].firstPiece);
  EXPECT_EQ(12, report.version);
  EXPECT_EQ(5, report.count);
}

}  // namespace
