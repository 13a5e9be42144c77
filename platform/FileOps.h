// The seam through which the package engine and the packer reach the disk.
// Tests put a fake behind it to watch waits and deletes and to make creates,
// deletes and renames fail.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class FileOps {
 public:
  static constexpr int kNoFile = -1;

  virtual ~FileOps() = default;

  // Binary handles; kNoFile when the file cannot be opened.
  virtual int OpenRead(const std::string& name) = 0;
  // Created or truncated, readable and writable.
  virtual int Create(const std::string& name) = 0;
  // Bytes read (fewer than asked only at the end), or -1 on error.
  virtual long Read(int file, void* buffer, size_t size) = 0;
  // True when every byte was written.
  virtual bool Write(int file, const void* data, size_t size) = 0;
  virtual void Close(int file) = 0;
  // Makes what was written to `file` durable, so that a power loss after a
  // later rename cannot leave the new name with a short or empty file.
  virtual bool Flush(int file) = 0;

  virtual bool Delete(const std::string& name) = 0;
  // Moves `from` onto `to` in one step, an existing `to` included: `to` is
  // always either its old file or the whole of `from`, never missing. Fails,
  // changing nothing, while `to` cannot be replaced (held open by another
  // program, read-only).
  virtual bool Replace(const std::string& from, const std::string& to) = 0;
  // Size in bytes, or -1 when there is no such file. Works on files that
  // another program holds open.
  virtual long long Size(const std::string& name) = 0;
  // Names of the plain files in a folder ("" is the folder itself).
  virtual std::vector<std::string> List(const std::string& folder) = 0;
  virtual void Wait(unsigned milliseconds) = 0;
  // True when both names lead to one and the same file or folder, however
  // differently they are spelt (case, links, "." parts, short names).
  virtual bool SameFile(const std::string& a, const std::string& b) = 0;

  bool Exists(const std::string& name) { return Size(name) >= 0; }
};

// Passes every operation on to another FileOps; a wrapper overrides only
// what it changes, and a new operation is forwarded here once.
class ForwardingFileOps : public FileOps {
 public:
  explicit ForwardingFileOps(FileOps& inner) : m_inner(inner) {}

  int OpenRead(const std::string& name) override { return m_inner.OpenRead(name); }
  int Create(const std::string& name) override { return m_inner.Create(name); }
  long Read(int file, void* buffer, size_t size) override {
    return m_inner.Read(file, buffer, size);
  }
  bool Write(int file, const void* data, size_t size) override {
    return m_inner.Write(file, data, size);
  }
  void Close(int file) override { m_inner.Close(file); }
  bool Flush(int file) override { return m_inner.Flush(file); }
  bool Delete(const std::string& name) override { return m_inner.Delete(name); }
  bool Replace(const std::string& from, const std::string& to) override {
    return m_inner.Replace(from, to);
  }
  long long Size(const std::string& name) override { return m_inner.Size(name); }
  std::vector<std::string> List(const std::string& folder) override { return m_inner.List(folder); }
  void Wait(unsigned milliseconds) override { m_inner.Wait(milliseconds); }
  bool SameFile(const std::string& a, const std::string& b) override {
    return m_inner.SameFile(a, b);
  }

 protected:
  FileOps& Inner() { return m_inner; }

 private:
  FileOps& m_inner;
};

// The whole content of a file; false when it cannot be opened or read.
bool ReadWholeFile(FileOps& files, const std::string& name, std::string& content);

// The disk, names relative to the current folder.
FileOps& RealFileOps();
// The disk, names relative to `folder`.
std::unique_ptr<FileOps> FolderFileOps(const std::string& folder);
