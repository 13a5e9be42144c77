// Looking at what an installation left on disk: files in a folder, a whole
// settings file as "Section/Key=value" lines with scrambled values decoded,
// the stand-ins' start log.
#pragma once

#include <windows.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/Unscramble.h"

inline std::string ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

inline void WriteWholeFile(const std::string& path, const std::string& content) {
  std::ofstream(path, std::ios::binary) << content;
}

// Deletes a folder with everything in it.
inline void RemoveTree(const std::string& folder) {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = found.cFileName;
      if (name == "." || name == "..") continue;
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        RemoveTree(folder + "\\" + name);
      else
        DeleteFileA((folder + "\\" + name).c_str());
    } while (FindNextFileA(search, &found));
    FindClose(search);
  }
  RemoveDirectoryA(folder.c_str());
}

// Plain files of a folder, sorted, names as stored.
inline std::vector<std::string> FilesIn(const std::string& folder) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(found.cFileName);
  } while (FindNextFileA(search, &found));
  FindClose(search);
  std::sort(names.begin(), names.end());
  return names;
}

// The settings file in file order; an 80-character value that decodes with
// a good checksum shows as "scrambled:" and its text.
inline std::vector<std::string> SettingsLines(const std::string& path) {
  std::vector<std::string> lines;
  std::istringstream in(ReadWholeFile(path));
  std::string line, section;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) continue;
    if (line.front() == '[') {
      section = line.substr(1, line.find(']') - 1);
      continue;
    }
    const size_t equals = line.find('=');
    std::string value = line.substr(equals + 1);
    const Decoded decoded = Decode(value);
    if (decoded.checksumOk) value = "scrambled:" + decoded.text;
    lines.push_back(section + "/" + line.substr(0, equals) + "=" + value);
  }
  return lines;
}

// Command lines the stand-ins in `folder` were started with, in the order
// they started; waits up to `timeoutMs` for `count` of them.
inline std::vector<std::string> StandInStarts(const std::string& folder, size_t count,
                                              int timeoutMs = 10000) {
  std::vector<std::string> starts;
  for (int waited = 0;; waited += 50) {
    starts.clear();
    std::istringstream in(ReadWholeFile(folder + "\\standins.log"));
    std::string line;
    while (std::getline(in, line)) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      if (!line.empty()) starts.push_back(line);
    }
    if (starts.size() >= count || waited >= timeoutMs) break;
    Sleep(50);
  }
  // Each line begins with the fixed-width process creation time.
  std::sort(starts.begin(), starts.end());
  for (std::string& start : starts) start = start.substr(start.find(' ') + 1);
  return starts;
}

// Wine's shell opens a browser window on a new program group; left open it
// would outlive the test and keep the test runner waiting.
inline void CloseGroupBrowser(const std::string& group = "Quelmar Ovistra") {
  for (int waited = 0; waited < 5000; waited += 50) {
    if (HWND browser = FindWindowA(nullptr, group.c_str())) {
      PostMessageA(browser, WM_CLOSE, 0, 0);
      return;
    }
    Sleep(50);
  }
}
