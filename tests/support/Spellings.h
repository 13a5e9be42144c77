// Other spellings of a text or a path, as users and the setup's own rules
// make them: upper case, the 8.3 short name.
#pragma once

#include <windows.h>

#include <cctype>
#include <string>

inline std::string Upper(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

// The 8.3 name that the file system gives an existing path; empty when it
// has none.
inline std::string ShortPath(const std::string& path) {
  char shortPath[MAX_PATH] = {};
  const DWORD length = GetShortPathNameA(path.c_str(), shortPath, MAX_PATH);
  return length > 0 && length < MAX_PATH ? std::string(shortPath, length) : std::string();
}
