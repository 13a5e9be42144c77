#include "install/InstallLog.h"

bool IsInstallationLog(const std::string& path, FileOps& files) {
  const int file = files.OpenRead(path);
  if (file == FileOps::kNoFile) return false;
  char start[sizeof kUnattendedLogStart - 1];
  const long read = files.Read(file, start, sizeof start);
  files.Close(file);
  return read == static_cast<long>(sizeof start) &&
         std::string(start, sizeof start) == kUnattendedLogStart;
}

InstallLog::InstallLog(const std::string& path, Start start, FileOps& files) : m_files(files) {
  if (start == Start::Later) {
    m_bWaiting = true;
    return;
  }
  if (path.empty()) return;
  std::string earlier;
  if (start == Start::AfterEarlierLines) ReadWholeFile(m_files, path, earlier);
  m_nFile = m_files.Create(path);
  if (m_nFile != FileOps::kNoFile && !earlier.empty())
    m_files.Write(m_nFile, earlier.data(), earlier.size());
}

InstallLog::~InstallLog() {
  if (m_nFile != FileOps::kNoFile) m_files.Close(m_nFile);
}

bool InstallLog::Open(const std::string& path) {
  m_nFile = m_files.Create(path);
  if (m_nFile == FileOps::kNoFile) return false;
  m_bWaiting = false;
  if (!m_strWaiting.empty()) m_files.Write(m_nFile, m_strWaiting.data(), m_strWaiting.size());
  m_strWaiting.clear();
  return true;
}

void InstallLog::Line(const std::string& text) {
  const std::string line = text + "\r\n";
  if (m_nFile != FileOps::kNoFile)
    m_files.Write(m_nFile, line.data(), line.size());
  else if (m_bWaiting)
    m_strWaiting += line;
}
