#include "wizard/RegistryBackup.h"

#include <cstdlib>
#include <cstring>

namespace {

constexpr char kAbsent[] = "-1";
constexpr char kHexDigits[] = "0123456789abcdef";

bool IsText(uint32_t type) { return type == kRegTextType || type == 2 /* REG_EXPAND_SZ */; }

// The first four bytes as a signed 32-bit number, little-endian.
long FirstWord(const std::string& bytes) {
  int32_t number = 0;
  std::memcpy(&number, bytes.data(), bytes.size() < sizeof number ? bytes.size() : sizeof number);
  return number;
}

int HexValue(char c) {
  const char* at = c ? std::strchr(kHexDigits, c) : nullptr;
  return at ? static_cast<int>(at - kHexDigits) : -1;
}

}  // namespace

std::string PlainBackupText(const SavedValue& value, bool numberKey) {
  if (!value.present) return kAbsent;
  const std::string text = value.bytes.c_str();
  if (IsText(value.type)) return numberKey ? std::to_string(std::atol(text.c_str())) : text;
  if (value.type == kRegNumberType || numberKey) return std::to_string(FirstWord(value.bytes));
  return text;
}

SavedValue FromPlainBackup(const std::string& text, bool numberKey) {
  SavedValue value;
  if (std::atoi(text.c_str()) == -1) return value;
  value.present = true;
  if (numberKey) {
    const int32_t number = static_cast<int32_t>(std::atol(text.c_str()));
    value.type = kRegNumberType;
    value.bytes.assign(reinterpret_cast<const char*>(&number), sizeof number);
  } else {
    value.type = kRegTextType;
    value.bytes = text + '\0';
  }
  return value;
}

std::string TypedBackupText(const SavedValue& value) {
  if (!value.present) return kAbsent;
  std::string text = std::to_string(value.type) + ':';
  for (unsigned char byte : value.bytes) {
    text += kHexDigits[byte >> 4];
    text += kHexDigits[byte & 15];
  }
  return text;
}

bool FromTypedBackup(const std::string& text, SavedValue& value) {
  value = SavedValue();
  if (text == kAbsent) return true;
  const size_t colon = text.find(':');
  if (colon == std::string::npos || HexValue(text[0]) < 0 || HexValue(text[0]) > 9 ||
      (text.size() - colon - 1) % 2)
    return false;
  char* end = nullptr;
  const unsigned long type = std::strtoul(text.c_str(), &end, 10);
  if (end != text.c_str() + colon) return false;
  for (size_t at = colon + 1; at < text.size(); at += 2) {
    const int high = HexValue(text[at]), low = HexValue(text[at + 1]);
    if (high < 0 || low < 0) return false;
    value.bytes += static_cast<char>(high * 16 + low);
  }
  value.present = true;
  value.type = static_cast<uint32_t>(type);
  return true;
}
