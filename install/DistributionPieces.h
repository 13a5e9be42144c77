// The joins of the unattended installation read the pieces where the
// distribution keeps them: nothing copies them into the working folder
// only to join and delete them there. Everything but the pieces (the
// staging file, the targets) is in the working folder, where every other
// operation goes, so the joiner's reading, name rule and replace-into-place
// are the same as after a copy.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "platform/FileOps.h"

class DistributionPieces : public ForwardingFileOps {
 public:
  // The pieces of the packages `prefixes` from `distribution`, the rest in
  // `workFolder`.
  DistributionPieces(FileOps& distribution, FileOps& workFolder, std::vector<std::string> prefixes)
      : ForwardingFileOps(workFolder),
        m_distribution(distribution),
        m_work(workFolder),
        m_prefixes(std::move(prefixes)) {}

  int OpenRead(const std::string& name) override;
  int Create(const std::string& name) override { return Ours(m_work.Create(name), false); }
  long Read(int file, void* buffer, size_t size) override {
    return Of(file).Read(Inner(file), buffer, size);
  }
  bool Write(int file, const void* data, size_t size) override {
    return Of(file).Write(Inner(file), data, size);
  }
  void Close(int file) override { Of(file).Close(Inner(file)); }
  bool Flush(int file) override { return Of(file).Flush(Inner(file)); }
  // The distribution keeps its pieces: a join deletes only in the working
  // folder.
  bool Delete(const std::string& name) override { return IsPiece(name) || m_work.Delete(name); }
  long long Size(const std::string& name) override { return FolderOf(name).Size(name); }

 private:
  bool IsPiece(const std::string& name) const;
  FileOps& FolderOf(const std::string& name) { return IsPiece(name) ? m_distribution : m_work; }
  // Handles of both folders in one range: even for the working folder, odd
  // for the distribution.
  static int Ours(int inner, bool piece) { return inner == kNoFile ? kNoFile : inner * 2 + piece; }
  static int Inner(int file) { return file / 2; }
  FileOps& Of(int file) { return file % 2 ? m_distribution : m_work; }

  FileOps& m_distribution;
  FileOps& m_work;
  std::vector<std::string> m_prefixes;
};
