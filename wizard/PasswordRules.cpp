#include "wizard/PasswordRules.h"

#include <cctype>

std::string PasswordAsTyped(const std::string& text) {
  std::string typed = text;
  for (char& c : typed) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return typed;
}
