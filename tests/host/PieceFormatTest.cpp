#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>

#include "package/PieceFormat.h"

namespace {

int32_t Decimal(const std::string& text, size_t size) {
  return ReadDecimal(reinterpret_cast<const uint8_t*>(text.data()), size);
}

TEST(PieceFormat, PieceNames) {
  EXPECT_EQ("kq0.cab", PieceName("kq", 0));
  EXPECT_EQ("ch12.cab", PieceName("ch", 12));
  EXPECT_EQ("kq4999.cab", PieceName("kq", 4999));
}

TEST(PieceFormat, DecimalText) {
  const struct {
    std::string text;
    size_t size;
    int32_t value;
  } cases[] = {
      {"153", 4, 153},
      {std::string("7\0\0\0", 4), 4, 7},
      {"12x9", 4, 12},
      {" \t+42", 5, 42},
      {"-3", 4, -3},
      {"abc", 3, 0},
      {"", 0, 0},
      {"+", 1, 0},
      {"1234", 4, 1234},
      {"12345", 3, 123},
      {"99999999999999999999", 20, 2147483647},
      {"-99999999999999999999", 21, -2147483647 - 1},
  };
  for (const auto& c : cases) EXPECT_EQ(c.value, Decimal(c.text, c.size)) << c.text;
}

TEST(PieceFormat, HeaderFieldsAreReadWithinTheirBounds) {
  std::string header(100, '\0');
  header.replace(0, 4, "1234");
  header.replace(4, 3, "567");
  const PackageHeader parsed = ReadHeader(reinterpret_cast<const uint8_t*>(header.data()));
  EXPECT_EQ(1234, parsed.version);
  EXPECT_EQ(567, parsed.count);
}

TEST(PieceFormat, ChecksumPadsTheLastWordWithZeros) {
  const uint8_t bytes[] = {0x01, 0x02, 0x03, 0x04, 0xFF, 0xEE, 0xDD};
  EXPECT_EQ(0x04030201u, ChunkChecksum(bytes, 4));
  EXPECT_EQ(0x04030201u + 0xFFu, ChunkChecksum(bytes, 5));
  EXPECT_EQ(0x04030201u + 0xDDEEFFu, ChunkChecksum(bytes, 7));
  const uint8_t wrap[] = {0xFF, 0xFF, 0xFF, 0xFF, 0x02};
  EXPECT_EQ(1u, ChunkChecksum(wrap, 5));
}

TEST(PieceFormat, NameFieldWithoutTerminator) {
  std::string field(40, 'a');
  EXPECT_EQ(40u, NameFieldLength(reinterpret_cast<const uint8_t*>(field.data())));
  field[39] = '\0';
  EXPECT_EQ(39u, NameFieldLength(reinterpret_cast<const uint8_t*>(field.data())));
}

TEST(PieceFormat, SafeTargetNames) {
  const std::string names[] = {"kq.exe",   "index.html", "kq.cab",    "kqx1.cab",
                               "ch1.cab",  ".hidden",    "a..b",      std::string(39, 'n'),
                               "console",  "con2.txt",   "com10.txt", "lpt0.log",
                               "nul_.txt", "xcon.txt",   "auxiliary", "com.txt"};
  for (const std::string& name : names) {
    EXPECT_EQ(nullptr, TargetNameProblem(name, "kq")) << name;
  }
}

TEST(PieceFormat, UnsafeTargetNames) {
  const std::string names[] = {"",
                               "../evil.txt",
                               "..\\evil.txt",
                               "sub/../../x",
                               "..",
                               "/etc/passwd",
                               "\\x",
                               "\\\\server\\share\\x",
                               "C:\\x.txt",
                               "c:x.txt",
                               "x.txt:stream",
                               "a/",
                               "a//b",
                               "a.txt.",
                               "a.txt ",
                               "... ",
                               "temp.cab",
                               "TEMP.CAB",
                               "kq0.cab",
                               "kq17.cab",
                               "KQ2.CAB",
                               "a*b",
                               "a?b",
                               "a|b",
                               "a\tb",
                               std::string(40, 'n'),
                               "sub/page.htm",
                               "sub\\x.gif"};
  for (const std::string& name : names) {
    EXPECT_NE(nullptr, TargetNameProblem(name, "kq")) << name;
  }
}

TEST(PieceFormat, DeviceNamesInAnyCaseWithOrWithoutExtension) {
  const std::string names[] = {"CON",     "con",       "Nul",       "AUX",      "prn",
                               "COM1",    "com9",      "LPT1",      "lpt9",     "CONIN$",
                               "conout$", "con.txt",   "nul .txt",  "LPT9.log", "aux.tar.gz",
                               "Com5 .x", "PRN  .htm", "com\xB9.a", "clock$"};
  for (const std::string& name : names) {
    const char* problem = TargetNameProblem(name, "kq");
    ASSERT_NE(nullptr, problem) << name;
    EXPECT_NE(nullptr, std::strstr(problem, "device name")) << name << ": " << problem;
  }
}

TEST(PieceFormat, HtmlNames) {
  for (const char* name : {"index.html", "PAGE.HTM", "a.HtMl", "a.htm.txt"}) {
    EXPECT_TRUE(IsHtmlName(name)) << name;
  }
  for (const char* name : {"readme.txt", "htm", "a_htm", "page.ht", "HTML"}) {
    EXPECT_FALSE(IsHtmlName(name)) << name;
  }
}

}  // namespace
