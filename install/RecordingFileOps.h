// Passes every operation on to another FileOps and notes the name of every
// file it creates or moves into place, and of none that it moved away, so
// that the installation knows which files a join left.
#pragma once

#include <string>
#include <vector>

#include "platform/FileOps.h"

class RecordingFileOps : public FileOps {
 public:
  explicit RecordingFileOps(FileOps& files) : m_files(files) {}

  // Names written, in order, each once.
  const std::vector<std::string>& Written() const { return m_written; }

  int OpenRead(const std::string& name) override { return m_files.OpenRead(name); }
  int Create(const std::string& name) override;
  long Read(int file, void* buffer, size_t size) override {
    return m_files.Read(file, buffer, size);
  }
  bool Write(int file, const void* data, size_t size) override {
    return m_files.Write(file, data, size);
  }
  void Close(int file) override { m_files.Close(file); }
  bool Flush(int file) override { return m_files.Flush(file); }
  bool Delete(const std::string& name) override { return m_files.Delete(name); }
  bool Replace(const std::string& from, const std::string& to) override;
  long long Size(const std::string& name) override { return m_files.Size(name); }
  std::vector<std::string> List(const std::string& folder) override { return m_files.List(folder); }
  void Wait(unsigned milliseconds) override { m_files.Wait(milliseconds); }
  bool SameFile(const std::string& a, const std::string& b) override {
    return m_files.SameFile(a, b);
  }

 private:
  void Note(const std::string& name);

  FileOps& m_files;
  std::vector<std::string> m_written;
};
