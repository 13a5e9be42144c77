#include "platform/DataRules.h"

std::string MaxCharsMessage(int maxChars) {
  std::string text = "Please enter no more than %1 characters.";
  text.replace(text.find("%1"), 2, std::to_string(maxChars));
  return text;
}
