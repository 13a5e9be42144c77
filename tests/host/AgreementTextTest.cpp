// The built-in licence agreement: its pieces, their sizes and line breaks, and
// the parts the agreement page must show.
#include "wizard/AgreementText.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

TEST(AgreementText, PiecesHaveTheirSizes) {
  const size_t expected[kAgreementPieceCount] = {1562, 764, 1905, 623};
  for (int i = 0; i < kAgreementPieceCount; ++i) {
    EXPECT_EQ(expected[i], std::strlen(kAgreementPieces[i])) << "piece " << i + 1;
  }
}

TEST(AgreementText, JoinedTextIsThePiecesInOrder) {
  const std::string text = BuiltInAgreementText();
  EXPECT_EQ(4854u, text.size());
  size_t at = 0;
  for (const char* piece : kAgreementPieces) {
    EXPECT_EQ(piece, text.substr(at, std::strlen(piece)));
    at += std::strlen(piece);
  }
}

TEST(AgreementText, EveryLineEndsWithCarriageReturnLineFeed) {
  const std::string text = BuiltInAgreementText();
  size_t breaks = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n') {
      ASSERT_GT(i, 0u);
      EXPECT_EQ('\r', text[i - 1]) << "bare LF at " << i;
      ++breaks;
    }
    if (text[i] == '\r') {
      ASSERT_LT(i + 1, text.size()) << "CR at the very end";
      EXPECT_EQ('\n', text[i + 1]) << "bare CR at " << i;
    }
  }
  EXPECT_GT(breaks, 10u);
}

TEST(AgreementText, StartsWithTheCompanyLine) {
  const std::string text = BuiltInAgreementText();
  EXPECT_EQ("Quelmar Labs\r\n", text.substr(0, text.find("\r\n") + 2));
}

TEST(AgreementText, EachPieceCarriesItsPart) {
  const std::string first = kAgreementPieces[0];
  const std::string second = kAgreementPieces[1];
  const std::string third = kAgreementPieces[2];
  const std::string fourth = kAgreementPieces[3];
  EXPECT_NE(std::string::npos, first.find("QUELMAR OVISTRA, SINGLE-USER EDITION"));
  EXPECT_NE(std::string::npos, first.find("Quelmar Ovistra"));
  EXPECT_NE(std::string::npos, first.find("1. YOUR LICENCE."));
  EXPECT_NE(std::string::npos, first.find("2. OWNERSHIP AND COPYRIGHT."));
  EXPECT_NE(std::string::npos, second.find("3. OTHER RESTRICTIONS."));
  EXPECT_NE(std::string::npos, second.find("reverse engineer"));
  EXPECT_NE(std::string::npos, second.find("4. PROGRAMS ON TWO KINDS OF MEDIA."));
  EXPECT_NE(std::string::npos, third.find("LIMITED WARRANTY"));
  EXPECT_NE(std::string::npos, third.find("for 90 days"));
  EXPECT_NE(std::string::npos, third.find("CONSEQUENTIAL DAMAGES"));
  EXPECT_NE(std::string::npos, fourth.find("U.S. GOVERNMENT RESTRICTED RIGHTS"));
  EXPECT_NE(std::string::npos,
            fourth.find("Quelmar Labs, 417 Larchmere Quay, Suite 9, Tellbridge, OR 97399."));
  EXPECT_NE(std::string::npos, fourth.find("Unpublished rights are reserved"));
  EXPECT_NE(std::string::npos,
            fourth.find("Quelmar Labs and Quelmar Ovistra are trademarks of Quelmar Labs.\r\n"));
  EXPECT_NE(std::string::npos, fourth.find("given your acceptance"));
}

TEST(AgreementText, HoldsOnlyPrintableAsciiAndLineBreaks) {
  for (char c : BuiltInAgreementText()) {
    const bool printable = c >= 0x20 && c < 0x7f;
    EXPECT_TRUE(printable || c == '\r' || c == '\n') << "byte " << int(c);
  }
}

}  // namespace
