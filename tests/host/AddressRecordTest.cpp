// The phone number fallback of a dial-up entry: only scrambled records give
// a number, and no record, however malformed, is read outside its bytes.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "wizard/AddressRecord.h"

namespace {

using Bytes = std::vector<unsigned char>;

constexpr size_t kMaxPhone = 128;

// A plain record: a 16-byte head whose bytes 12..15 hold `offset`, the
// phone number at byte 16 with its NUL, then two zero bytes.
Bytes PlainRecord(const std::string& phone, uint32_t offset = 16) {
  std::string text(16, '\0');
  for (int i = 0; i < 4; ++i) text[12 + i] = static_cast<char>(offset >> (8 * i));
  text += phone;
  text.append(3, '\0');
  return Bytes(text.begin(), text.end());
}

Bytes Scrambled(Bytes record, unsigned char key) {
  for (unsigned char& byte : record) byte ^= key;
  return record;
}

struct Case {
  const char* name;
  Bytes record;
  bool found;
  std::string phone;
};

class AddressRecordCases : public ::testing::TestWithParam<Case> {};

TEST_P(AddressRecordCases, YieldsThePhoneNumberOrNone) {
  const Case& c = GetParam();
  std::string phone = "before";
  // Read from an exact-size copy, so that a read past the end shows up
  // under a checker.
  const Bytes record = c.record;
  EXPECT_EQ(PhoneFromAddressRecord(record.data(), record.size(), kMaxPhone, phone), c.found);
  EXPECT_EQ(phone, c.found ? c.phone : "before");
}

Bytes WithLastByteChanged(Bytes record) {
  record.back() ^= 0x01;
  return record;
}

Bytes WithOffset(Bytes record, uint32_t offset, unsigned char key) {
  for (int i = 0; i < 4; ++i)
    record[12 + i] = static_cast<unsigned char>((offset >> (8 * i)) ^ key);
  return record;
}

INSTANTIATE_TEST_SUITE_P(
    Records, AddressRecordCases,
    ::testing::Values(
        Case{"ScrambledWithKey5A", Scrambled(PlainRecord("555-7777"), 0x5A), true, "555-7777"},
        Case{"ScrambledWithKeyFF", Scrambled(PlainRecord("+1 (800) 555"), 0xFF), true,
             "+1 (800) 555"},
        Case{"KeyZeroIsAPlainRecordThatCounts", PlainRecord("12345"), true, "12345"},
        Case{"LastTwoBytesDiffer", WithLastByteChanged(Scrambled(PlainRecord("1"), 0x33)), false,
             ""},
        Case{"EmptyRecord", Bytes{}, false, ""}, Case{"OneByte", Bytes{9}, false, ""},
        Case{"FifteenEqualBytes", Bytes(15, 0x44), false, ""},
        Case{"SixteenEqualBytesPointAtTheirOwnHead", Bytes(16, 0x44), true, ""},
        Case{"OffsetAtTheEnd", WithOffset(Scrambled(PlainRecord("1"), 0x10), 20, 0x10), false, ""},
        Case{"OffsetFarOutside", WithOffset(Scrambled(PlainRecord("1"), 0x10), 0xFFFFFFF0u, 0x10),
             false, ""},
        Case{"OffsetOnTheLastByte", WithOffset(Scrambled(PlainRecord("1"), 0x10), 19, 0x10), true,
             ""},
        Case{"NumberOf128Fits", Scrambled(PlainRecord(std::string(128, '7')), 0x21), true,
             std::string(128, '7')},
        Case{"NumberOf129IsRefused", Scrambled(PlainRecord(std::string(129, '7')), 0x21), false,
             ""}),
    [](const ::testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

}  // namespace
