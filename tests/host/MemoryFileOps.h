// An in-memory folder behind the FileOps seam: tests and fuzz targets arrange
// files, make single operations fail and read back exactly what is left.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/FileOps.h"

class MemoryFileOps : public FileOps {
 public:
  std::map<std::string, std::string> files;
  // Names whose create or rename (as target) fails, as when another program
  // holds the file or the folder is read-only.
  std::set<std::string> failCreate;
  std::set<std::string> failRenameTo;
  // Names that cannot be opened although they are there, as while another
  // program holds them without sharing.
  std::set<std::string> failOpen;
  // The flushes, counted from 0, that fail, as on a disk that reports a
  // write error only when the data must reach it.
  std::set<int> failFlush;
  // Names whose next so many deletes fail, as while another program holds them.
  std::map<std::string, int> failDelete;
  // Size at which every write fails, as on a full disk.
  size_t writeLimit = static_cast<size_t>(-1);
  // Files another program holds open, with or without delete sharing, for
  // so many of our waits (-1: until Release). While held, a file can be
  // neither replaced nor renamed onto; with delete sharing a delete
  // succeeds but only takes effect when the holder lets go, as on Windows.
  struct Hold {
    bool shareDelete = false;
    int waits = -1;
    bool deletePending = false;
  };
  std::map<std::string, Hold> held;
  std::vector<unsigned> waits;
  std::vector<std::string> deleteAttempts;
  std::vector<std::string> replaceAttempts;
  // Files moved to another name while written data of theirs was not yet
  // flushed: after a power loss the new name could hold a short file.
  std::vector<std::string> unflushedMoves;

  int OpenRead(const std::string& name) override;
  int Create(const std::string& name) override;
  long Read(int file, void* buffer, size_t size) override;
  bool Write(int file, const void* data, size_t size) override;
  void Close(int file) override;
  bool Flush(int file) override;
  bool Delete(const std::string& name) override;
  bool Replace(const std::string& from, const std::string& to) override;
  long long Size(const std::string& name) override;
  std::vector<std::string> List(const std::string& folder) override;
  void Wait(unsigned milliseconds) override;
  // The other programs let go of every file they hold.
  void Release();
  // One name is one file here.
  bool SameFile(const std::string& a, const std::string& b) override {
    return a == b && files.count(a) > 0;
  }

  size_t OpenCount() const { return open_.size(); }

 private:
  struct Open {
    std::string name;
    size_t position = 0;
    bool writable = false;
  };
  void Let(const std::string& name);
  bool Moved(const std::string& from, const std::string& to);

  std::set<std::string> unflushed_;
  std::map<int, Open> open_;
  int next_ = 3;
  int flushes_ = 0;
};
