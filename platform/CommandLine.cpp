#include "platform/CommandLine.h"

const char* CommandLineTail(const char* commandLine) {
  const char* p = commandLine;
  if (*p == '"') {
    // A quoted program name ends at the closing quote, blanks included.
    ++p;
    while (*p && *p != '"') ++p;
    if (*p == '"') ++p;
  } else {
    while (static_cast<unsigned char>(*p) > ' ') ++p;
  }
  while (*p && static_cast<unsigned char>(*p) <= ' ') ++p;
  return p;
}

std::vector<std::string> SplitArguments(const char* commandLine) {
  std::vector<std::string> words;
  const char* p = commandLine;
  for (;;) {
    while (*p && static_cast<unsigned char>(*p) <= ' ') ++p;
    if (!*p) return words;
    std::string word;
    bool quoted = false;
    for (; *p && (quoted || static_cast<unsigned char>(*p) > ' '); ++p) {
      if (*p == '"')
        quoted = !quoted;
      else
        word += *p;
    }
    words.push_back(word);
  }
}

std::string QuotedArgument(const std::string& word) { return "\"" + word + "\""; }
