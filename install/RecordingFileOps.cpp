#include "install/RecordingFileOps.h"

#include <algorithm>

int RecordingFileOps::Create(const std::string& name) {
  const int file = Inner().Create(name);
  if (file != kNoFile) Note(name);
  return file;
}

bool RecordingFileOps::Replace(const std::string& from, const std::string& to) {
  const bool replaced = Inner().Replace(from, to);
  if (!replaced) return replaced;
  // The staging file is gone once it is in place under its own name.
  m_written.erase(std::remove(m_written.begin(), m_written.end(), from), m_written.end());
  Note(to);
  return replaced;
}

void RecordingFileOps::Note(const std::string& name) {
  if (std::find(m_written.begin(), m_written.end(), name) == m_written.end())
    m_written.push_back(name);
}
