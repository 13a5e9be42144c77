#include "tests/host/MemoryFileOps.h"

#include <algorithm>
#include <cstring>

int MemoryFileOps::OpenRead(const std::string& name) {
  if (!files.count(name) || failOpen.count(name)) return kNoFile;
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
  unflushed_.insert(handle->second.name);
  return true;
}

void MemoryFileOps::Close(int file) { open_.erase(file); }

bool MemoryFileOps::Flush(int file) {
  auto handle = open_.find(file);
  if (handle == open_.end() || failFlush.count(flushes_++)) return false;
  unflushed_.erase(handle->second.name);
  return true;
}

bool MemoryFileOps::Delete(const std::string& name) {
  deleteAttempts.push_back(name);
  auto locked = failDelete.find(name);
  if (locked != failDelete.end() && locked->second > 0) {
    --locked->second;
    return false;
  }
  auto hold = held.find(name);
  if (hold != held.end() && files.count(name)) {
    if (!hold->second.shareDelete) return false;
    hold->second.deletePending = true;
    return true;
  }
  return files.erase(name) > 0;
}

bool MemoryFileOps::Replace(const std::string& from, const std::string& to) {
  replaceAttempts.push_back(to);
  if (failRenameTo.count(to) || held.count(to)) return false;
  auto locked = failDelete.find(to);
  if (locked != failDelete.end() && locked->second > 0 && files.count(to)) {
    --locked->second;
    return false;
  }
  return Moved(from, to);
}

bool MemoryFileOps::Moved(const std::string& from, const std::string& to) {
  if (!files.count(from)) return false;
  if (unflushed_.erase(from)) unflushedMoves.push_back(from);
  files[to] = std::move(files[from]);
  files.erase(from);
  return true;
}

void MemoryFileOps::Wait(unsigned milliseconds) {
  waits.push_back(milliseconds);
  std::vector<std::string> released;
  for (auto& [name, hold] : held) {
    if (hold.waits > 0 && --hold.waits == 0) released.push_back(name);
  }
  for (const std::string& name : released) Let(name);
}

void MemoryFileOps::Release() {
  while (!held.empty()) Let(held.begin()->first);
}

void MemoryFileOps::Let(const std::string& name) {
  if (held[name].deletePending) files.erase(name);
  held.erase(name);
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
