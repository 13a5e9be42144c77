#include "install/InstallLog.h"

InstallLog::InstallLog(const std::string& path, Start start, FileOps& files) : m_files(files) {
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

void InstallLog::Line(const std::string& text) {
  if (m_nFile == FileOps::kNoFile) return;
  const std::string line = text + "\r\n";
  m_files.Write(m_nFile, line.data(), line.size());
}
