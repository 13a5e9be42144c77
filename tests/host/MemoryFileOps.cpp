#include "tests/host/MemoryFileOps.h"

#include <algorithm>
#include <cstring>

int MemoryFileOps::OpenRead(const std::string& name) {
  if (!files.count(name)) return kNoFile;
  open_[next_] = Open{name, 0};
  return next_++;
}

int MemoryFileOps::Create(const std::string& name) {
  if (failCreate.count(name)) return kNoFile;
  files[name].clear();
  open_[next_] = Open{name, 0, true};
  return next_++;
}

long MemoryFileOps::Read(int file, void* buffer, size_t size) {
  auto handle = open_.find(file);
  if (handle == open_.end() || !files.count(handle->second.name)) return -1;
  const std::string& content = files[handle->second.name];
  const size_t n =
      std::min(size, content.size() - std::min(content.size(), handle->second.position));
  std::memcpy(buffer, content.data() + handle->second.position, n);
  handle->second.position += n;
  return static_cast<long>(n);
}

bool MemoryFileOps::Write(int file, const void* data, size_t size) {
  auto handle = open_.find(file);
  if (handle == open_.end() || !handle->second.writable) return false;
  std::string& content = files[handle->second.name];
  if (content.size() + size > writeLimit) return false;
  content.append(static_cast<const char*>(data), size);
  return true;
}

void MemoryFileOps::Close(int file) { open_.erase(file); }

bool MemoryFileOps::Delete(const std::string& name) {
  deleteAttempts.push_back(name);
  auto locked = failDelete.find(name);
  if (locked != failDelete.end() && locked->second > 0) {
    --locked->second;
    return false;
  }
  return files.erase(name) > 0;
}

bool MemoryFileOps::Rename(const std::string& from, const std::string& to) {
  if (failRenameTo.count(to) || files.count(to) || !files.count(from)) return false;
  files[to] = std::move(files[from]);
  files.erase(from);
  return true;
}

long long MemoryFileOps::Size(const std::string& name) {
  auto file = files.find(name);
  return file == files.end() ? -1 : static_cast<long long>(file->second.size());
}

std::vector<std::string> MemoryFileOps::List(const std::string& folder) {
  const std::string prefix = folder.empty() ? folder : folder + '/';
  std::vector<std::string> names;
  for (const auto& file : files) {
    if (file.first.compare(0, prefix.size(), prefix) != 0) continue;
    const std::string rest = file.first.substr(prefix.size());
    if (rest.find('/') == std::string::npos) names.push_back(rest);
  }
  return names;
}
