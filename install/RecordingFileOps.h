// Passes every operation on to another FileOps and notes the name of every
// file it creates or moves into place, and of none that it moved away, so
// that the installation knows which files a join left.
#pragma once

#include <string>
#include <vector>

#include "platform/FileOps.h"

class RecordingFileOps : public ForwardingFileOps {
 public:
  explicit RecordingFileOps(FileOps& files) : ForwardingFileOps(files) {}

  // Names written, in order, each once.
  const std::vector<std::string>& Written() const { return m_written; }

  int Create(const std::string& name) override;
  bool Replace(const std::string& from, const std::string& to) override;

 private:
  void Note(const std::string& name);

  std::vector<std::string> m_written;
};
