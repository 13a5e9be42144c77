#include "install/InstallRecord.h"

#include <algorithm>
#include <iterator>

namespace {

constexpr const char* kKindWords[] = {
    "folder", "file", "group", "shortcut", "registry-key", "uninstall-entry", "log"};

const char* WordOf(RecordKind kind) { return kKindWords[static_cast<int>(kind)]; }

bool KindOf(const std::string& word, RecordKind& kind) {
  const auto found = std::find(std::begin(kKindWords), std::end(kKindWords), word);
  if (found == std::end(kKindWords)) return false;
  kind = static_cast<RecordKind>(found - std::begin(kKindWords));
  return true;
}

}  // namespace

void InstallRecord::Merge(const InstallRecord& other) {
  for (const RecordLine& line : other.m_lines) Add(line.kind, line.value);
}

bool InstallRecord::Add(RecordKind kind, const std::string& value) {
  const RecordLine line{kind, value};
  if (std::find(m_lines.begin(), m_lines.end(), line) != m_lines.end()) return false;
  m_lines.push_back(line);
  return true;
}

std::vector<std::string> InstallRecord::Values(RecordKind kind) const {
  std::vector<std::string> values;
  for (const RecordLine& line : m_lines)
    if (line.kind == kind) values.push_back(line.value);
  return values;
}

std::string InstallRecord::Format() const {
  std::string text;
  for (const RecordLine& line : m_lines)
    text += std::string(WordOf(line.kind)) + " " + line.value + "\r\n";
  return text;
}

InstallRecord InstallRecord::Parse(const std::string& text) {
  InstallRecord record;
  for (size_t start = 0; start < text.size();) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    start = end + 1;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const size_t blank = line.find(' ');
    RecordKind kind;
    if (blank == std::string::npos || blank + 1 == line.size()) continue;
    if (KindOf(line.substr(0, blank), kind)) record.Add(kind, line.substr(blank + 1));
  }
  return record;
}

bool InstallRecord::Save(const std::string& path, FileOps& files) const {
  const std::string text = Format();
  const int out = files.Create(path);
  if (out == FileOps::kNoFile) return false;
  const bool written = files.Write(out, text.data(), text.size());
  files.Close(out);
  return written;
}

bool InstallRecord::Load(const std::string& path, InstallRecord& record, FileOps& files) {
  std::string text;
  if (!ReadWholeFile(files, path, text)) return false;
  record = Parse(text);
  return true;
}
