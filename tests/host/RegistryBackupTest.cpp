// The two forms in which the optimisation page keeps a registry value: the
// plain one older setups read, and the exact one with type and bytes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "wizard/RegistryBackup.h"

// Found by the test macros, next to the type.
bool operator==(const SavedValue& a, const SavedValue& b) {
  return a.present == b.present && a.type == b.type && a.bytes == b.bytes;
}

namespace {

SavedValue Value(uint32_t type, const std::string& bytes) { return {true, type, bytes}; }
SavedValue Number(uint32_t n) {
  return Value(kRegNumberType, std::string(reinterpret_cast<const char*>(&n), 4));
}
SavedValue Text(const std::string& text) { return Value(kRegTextType, text + '\0'); }

TEST(RegistryBackup, PlainFormKeepsWhatOlderSetupsRead) {
  struct Case {
    SavedValue value;
    bool numberKey;
    std::string plain;
  };
  const Case cases[] = {
      {SavedValue(), true, "-1"},
      {SavedValue(), false, "-1"},
      {Number(8760), true, "8760"},
      {Number(0), true, "0"},
      {Text("32"), false, "32"},
      // A number kept as text is written as that number, not as its bytes.
      {Text("8760"), true, "8760"},
      {Number(64), false, "64"},
      {Value(3 /* REG_BINARY */, std::string("\x60\x22\0\0", 4)), true, "8800"},
  };
  for (const Case& c : cases) EXPECT_EQ(c.plain, PlainBackupText(c.value, c.numberKey)) << c.plain;
}

TEST(RegistryBackup, PlainFormReadsBackAsOlderSetupsPutItBack) {
  EXPECT_EQ(SavedValue(), FromPlainBackup("-1", true));
  EXPECT_EQ(SavedValue(), FromPlainBackup("-1", false));
  EXPECT_EQ(Number(8760), FromPlainBackup("8760", true));
  EXPECT_EQ(Text("32"), FromPlainBackup("32", false));
  EXPECT_EQ(Text("1500"), FromPlainBackup("1500", false));
}

TEST(RegistryBackup, ExactFormGivesBackTypeAndBytes) {
  const std::vector<SavedValue> values = {
      SavedValue(),
      Text("8760"),
      Number(8760),
      Number(0xFFFFFFFF),  // the plain form would take it for absent
      Text(""),
      Value(kRegTextType, "576"),  // stored without its terminator
      Value(3, std::string("\0\x01\xfe\xff", 4)),
      Value(7 /* REG_MULTI_SZ */, std::string("a\0b\0\0", 5)),
  };
  for (const SavedValue& value : values) {
    const std::string text = TypedBackupText(value);
    SavedValue back;
    ASSERT_TRUE(FromTypedBackup(text, back)) << text;
    EXPECT_EQ(value, back) << text;
  }
  EXPECT_EQ("1:3837363000", TypedBackupText(Text("8760")));
  EXPECT_EQ("4:38220000", TypedBackupText(Number(8760)));
}

TEST(RegistryBackup, PlainTextIsNotTakenForTheExactForm) {
  for (const char* text : {"", "8760", "128", "1:3", "1:zz", "x:00", ":00", "-4:00", "1:0G"}) {
    SavedValue value;
    EXPECT_FALSE(FromTypedBackup(text, value)) << text;
  }
}

}  // namespace
