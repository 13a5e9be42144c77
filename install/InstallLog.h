// The plain-text log of an unattended run: one line per step and its
// outcome. Callers never hand it a password, scrambled or not.
#pragma once

#include <string>

#include "platform/FileOps.h"

// The words that begin the log of an unattended installation.
constexpr char kUnattendedLogStart[] = "answers from ";

// True when the file at `path` begins as the log of an unattended
// installation: the only file outside its folder that the uninstaller
// writes to.
bool IsInstallationLog(const std::string& path, FileOps& files = RealFileOps());

class InstallLog {
 public:
  enum class Start { Afresh, AfterEarlierLines, Later };
  // No log at all when `path` is empty or cannot be created. With Later no
  // file is opened yet: the lines wait until Open names one.
  explicit InstallLog(const std::string& path, Start start = Start::Afresh,
                      FileOps& files = RealFileOps());
  ~InstallLog();
  InstallLog(const InstallLog&) = delete;
  InstallLog& operator=(const InstallLog&) = delete;

  // Creates `path` and writes the lines that waited; false when it cannot
  // be created (they wait on).
  bool Open(const std::string& path);
  bool IsOpen() const { return m_nFile != FileOps::kNoFile; }
  void Line(const std::string& text);

 private:
  FileOps& m_files;
  int m_nFile = FileOps::kNoFile;
  bool m_bWaiting = false;
  std::string m_strWaiting;
};
