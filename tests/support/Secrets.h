// Whether a text (a log, what a program wrote to standard error) gives a
// secret away: as typed, upper-cased as the password fields make it, or
// scrambled as the settings file keeps it, with whatever key.
#pragma once

#include <algorithm>
#include <cctype>
#include <cstring>
#include <string>
#include <vector>

#include "core/ScrambleKey.h"
#include "tests/support/Unscramble.h"

inline std::string UpperCased(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

// How `text` shows one of `secrets` ("letmein upper-cased"), or empty when
// it shows none.
inline std::string SecretShownIn(const std::string& text, const std::vector<std::string>& secrets) {
  for (const std::string& secret : secrets) {
    if (secret.empty()) continue;
    if (text.find(secret) != std::string::npos) return secret + " as typed";
    if (text.find(UpperCased(secret)) != std::string::npos) return secret + " upper-cased";
  }
  // Every run of 80 characters of the scrambling's alphabet that decodes
  // with a matching checksum.
  size_t run = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    run = text[i] && std::strchr(kScrambleAlphabet, text[i]) ? run + 1 : 0;
    if (run < 80) continue;
    const Decoded decoded = Decode(text.substr(i + 1 - 80, 80));
    if (!decoded.checksumOk) continue;
    for (const std::string& secret : secrets)
      if (!secret.empty() && UpperCased(decoded.text) == UpperCased(secret))
        return secret + " scrambled";
  }
  return "";
}
