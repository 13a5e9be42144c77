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
  enum class Start { Afresh, AfterEarlierLines };
  // No log at all when `path` is empty or cannot be created.
  explicit InstallLog(const std::string& path, Start start = Start::Afresh,
                      FileOps& files = RealFileOps());
  ~InstallLog();
  InstallLog(const InstallLog&) = delete;
  InstallLog& operator=(const InstallLog&) = delete;

  void Line(const std::string& text);

 private:
  FileOps& m_files;
  int m_nFile = FileOps::kNoFile;
};
