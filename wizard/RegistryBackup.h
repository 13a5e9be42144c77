// How the connection optimisation page keeps a registry value in the
// settings file. Each value is kept twice: in the plain form that older
// setups wrote and read (a number as decimal text, a text as itself, "-1"
// for an absent value), and with its type and exact bytes, so that what is
// put back is what was there.
#pragma once

#include <cstdint>
#include <string>

constexpr uint32_t kRegTextType = 1;    // REG_SZ
constexpr uint32_t kRegNumberType = 4;  // REG_DWORD

struct SavedValue {
  bool present = false;
  uint32_t type = 0;
  std::string bytes;
};

// The plain form; `numberKey` for the values the plain form keeps as numbers.
std::string PlainBackupText(const SavedValue& value, bool numberKey);
// A value from its plain form: "-1" is absent, a number key gives a
// REG_DWORD, a text key a REG_SZ.
SavedValue FromPlainBackup(const std::string& text, bool numberKey);

// The exact form: "-1", or the type in decimal, a colon and the bytes in
// hexadecimal ("1:3837363000" for the text "8760").
std::string TypedBackupText(const SavedValue& value);
// False when `text` is not an exact form (a backup of an older setup).
bool FromTypedBackup(const std::string& text, SavedValue& value);
