#include "platform/FileOps.h"

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#else
#include <dirent.h>
#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>
#include <cerrno>
#endif

namespace {

#ifdef _WIN32
int OpenReadOnly(const char* path) { return _open(path, _O_RDONLY | _O_BINARY); }
int CreateTruncated(const char* path) {
  return _open(path, _O_RDWR | _O_CREAT | _O_TRUNC | _O_BINARY, _S_IREAD | _S_IWRITE);
}
long ReadSome(int file, void* buffer, size_t size) {
  return _read(file, buffer, static_cast<unsigned>(size));
}
long WriteSome(int file, const void* data, size_t size) {
  return _write(file, data, static_cast<unsigned>(size));
}
void CloseFile(int file) { _close(file); }
bool DeleteName(const char* path) { return DeleteFileA(path) != 0; }
// Write-through: the rename itself is on the disk when the call returns.
// Files copied from a CD arrive read-only; an update must replace them all
// the same.
bool ReplaceName(const char* from, const char* to) {
  const DWORD attributes = GetFileAttributesA(to);
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
    SetFileAttributesA(to, attributes & ~FILE_ATTRIBUTE_READONLY);
  return MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}
bool FlushFile(int file) {
  const intptr_t handle = _get_osfhandle(file);
  return handle != -1 && FlushFileBuffers(reinterpret_cast<HANDLE>(handle)) != 0;
}
long long SizeOf(const char* path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExA(path, GetFileExInfoStandard, &data)) return -1;
  return (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}
std::vector<std::string> FilesIn(const std::string& folder) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA found;
  HANDLE search =
      FindFirstFileA((folder.empty() ? std::string("*") : folder + "\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(found.cFileName);
  } while (FindNextFileA(search, &found));
  FindClose(search);
  return names;
}
void Pause(unsigned milliseconds) { Sleep(milliseconds); }
// A file's identity: its volume and its index there. Opened without any
// access right and sharing everything, so even a locked file or a folder
// can be asked.
bool IdentityOf(const char* path, BY_HANDLE_FILE_INFORMATION& info) {
  HANDLE file = CreateFileA(path, 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                            nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  const bool ok = GetFileInformationByHandle(file, &info) != 0;
  CloseHandle(file);
  return ok;
}
bool SameIdentity(const char* a, const char* b) {
  BY_HANDLE_FILE_INFORMATION first, second;
  // The second name is most often a copy's destination that does not exist
  // yet: asking it first spares the costlier question about the first.
  return IdentityOf(b, second) && IdentityOf(a, first) &&
         first.dwVolumeSerialNumber == second.dwVolumeSerialNumber &&
         first.nFileIndexHigh == second.nFileIndexHigh &&
         first.nFileIndexLow == second.nFileIndexLow;
}
constexpr char kSeparator = '\\';
#else
int OpenReadOnly(const char* path) { return open(path, O_RDONLY | O_CLOEXEC); }
int CreateTruncated(const char* path) {
  return open(path, O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
}
long ReadSome(int file, void* buffer, size_t size) {
  ssize_t n;
  do n = read(file, buffer, size);
  while (n < 0 && errno == EINTR);
  return static_cast<long>(n);
}
long WriteSome(int file, const void* data, size_t size) {
  ssize_t n;
  do n = write(file, data, size);
  while (n < 0 && errno == EINTR);
  return static_cast<long>(n);
}
void CloseFile(int file) { close(file); }
bool DeleteName(const char* path) { return unlink(path) == 0; }
bool ReplaceName(const char* from, const char* to) { return rename(from, to) == 0; }
bool FlushFile(int file) { return fsync(file) == 0; }
long long SizeOf(const char* path) {
  struct stat info;
  if (stat(path, &info) != 0) return -1;
  return static_cast<long long>(info.st_size);
}
std::vector<std::string> FilesIn(const std::string& folder) {
  std::vector<std::string> names;
  const std::string base = folder.empty() ? std::string(".") : folder;
  DIR* dir = opendir(base.c_str());
  if (!dir) return names;
  while (const dirent* entry = readdir(dir)) {
    struct stat info;
    if (stat((base + '/' + entry->d_name).c_str(), &info) == 0 && S_ISREG(info.st_mode)) {
      names.push_back(entry->d_name);
    }
  }
  closedir(dir);
  return names;
}
void Pause(unsigned milliseconds) {
  timespec wait{static_cast<time_t>(milliseconds / 1000),
                static_cast<long>(milliseconds % 1000) * 1000000L};
  while (nanosleep(&wait, &wait) != 0 && errno == EINTR) {
  }
}
bool SameIdentity(const char* a, const char* b) {
  struct stat first, second;
  return stat(a, &first) == 0 && stat(b, &second) == 0 && first.st_dev == second.st_dev &&
         first.st_ino == second.st_ino;
}
constexpr char kSeparator = '/';
#endif

class DiskFileOps : public FileOps {
 public:
  explicit DiskFileOps(std::string folder) : folder_(std::move(folder)) {}

  int OpenRead(const std::string& name) override { return OpenReadOnly(Path(name).c_str()); }
  int Create(const std::string& name) override { return CreateTruncated(Path(name).c_str()); }

  long Read(int file, void* buffer, size_t size) override {
    char* at = static_cast<char*>(buffer);
    size_t total = 0;
    while (total < size) {
      const long n = ReadSome(file, at + total, size - total);
      if (n < 0) return -1;
      if (n == 0) break;
      total += static_cast<size_t>(n);
    }
    return static_cast<long>(total);
  }

  bool Write(int file, const void* data, size_t size) override {
    const char* at = static_cast<const char*>(data);
    while (size > 0) {
      const long n = WriteSome(file, at, size);
      if (n <= 0) return false;
      at += n;
      size -= static_cast<size_t>(n);
    }
    return true;
  }

  void Close(int file) override { CloseFile(file); }
  bool Flush(int file) override { return FlushFile(file); }
  bool Delete(const std::string& name) override { return DeleteName(Path(name).c_str()); }
  bool Replace(const std::string& from, const std::string& to) override {
    return ReplaceName(Path(from).c_str(), Path(to).c_str());
  }
  long long Size(const std::string& name) override { return SizeOf(Path(name).c_str()); }
  std::vector<std::string> List(const std::string& folder) override {
    return FilesIn(folder.empty() ? folder_ : Path(folder));
  }
  void Wait(unsigned milliseconds) override { Pause(milliseconds); }
  bool SameFile(const std::string& a, const std::string& b) override {
    return SameIdentity(Path(a).c_str(), Path(b).c_str());
  }

 private:
  std::string Path(const std::string& name) const {
    return folder_.empty() ? name : folder_ + kSeparator + name;
  }

  std::string folder_;
};

}  // namespace

FileOps& RealFileOps() {
  static DiskFileOps current{std::string()};
  return current;
}

std::unique_ptr<FileOps> FolderFileOps(const std::string& folder) {
  return std::make_unique<DiskFileOps>(folder);
}

bool ReadWholeFile(FileOps& files, const std::string& name, std::string& content) {
  const int in = files.OpenRead(name);
  if (in == FileOps::kNoFile) return false;
  content.clear();
  char block[4096];
  long n;
  while ((n = files.Read(in, block, sizeof block)) > 0)
    content.append(block, static_cast<size_t>(n));
  files.Close(in);
  return n == 0;
}
