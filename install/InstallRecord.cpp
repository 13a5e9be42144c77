#include "install/InstallRecord.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <string_view>

#include "core/Crc32.h"
#include "core/SetupConfig.h"

namespace {

constexpr const char* kKindWords[] = {
    "folder", "file", "group", "shortcut", "registry-key", "uninstall-entry", "log"};

// The earlier format had no header; this is the second.
constexpr int kFormat = 2;
constexpr std::string_view kHeaderWord = "install-record ";
constexpr std::string_view kEndWord = "end ";
constexpr std::string_view kChecksumWord = "checksum ";
constexpr char kLineEnd[] = "\r\n";

bool KindOf(std::string_view word, RecordKind& kind) {
  const auto found = std::find(std::begin(kKindWords), std::end(kKindWords), word);
  if (found == std::end(kKindWords)) return false;
  kind = static_cast<RecordKind>(found - std::begin(kKindWords));
  return true;
}

// The lines of `text` without their line ends; the last one is the text
// after the last line end, empty when the text ends with one.
std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  for (size_t start = 0;;) {
    const size_t end = text.find('\n', start);
    std::string_view line = text.substr(start, end - start);
    if (end != std::string_view::npos && !line.empty() && line.back() == '\r')
      line.remove_suffix(1);
    lines.push_back(line);
    if (end == std::string_view::npos) return lines;
    start = end + 1;
  }
}

bool StartsWith(std::string_view text, std::string_view start) {
  return text.substr(0, start.size()) == start;
}

// The number that follows `word` and makes up the rest of the line; -1 when
// there is none.
long long NumberAfter(std::string_view line, std::string_view word, int base) {
  if (!StartsWith(line, word) || line.size() == word.size() || line.size() - word.size() > 9)
    return -1;
  long long number = 0;
  for (char c : line.substr(word.size())) {
    const int digit = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : base;
    if (digit >= base) return -1;
    number = number * base + digit;
  }
  return number;
}

// "kind value": false when the line has no value. A kind this uninstaller
// does not know is passed over.
bool AddLine(std::string_view line, InstallRecord& record, bool unknownKinds) {
  const size_t blank = line.find(' ');
  if (blank == std::string_view::npos || blank + 1 == line.size()) return false;
  RecordKind kind;
  if (!KindOf(line.substr(0, blank), kind)) return unknownKinds;
  record.Add(kind, std::string(line.substr(blank + 1)));
  return true;
}

// The earlier format: known lines alone, each ended, as its writer made them.
bool ParseEarlierFormat(std::string_view text, InstallRecord& record, std::string& damage) {
  std::vector<std::string_view> lines = SplitLines(text);
  if (!lines.back().empty()) {
    damage = "it ends in the middle of a line";
    return false;
  }
  lines.pop_back();
  for (std::string_view line : lines) {
    if (!AddLine(line, record, false)) {
      damage = "it is not an installation record of this setup";
      return false;
    }
  }
  return true;
}

// "install-record 2 setup 1.64": the format, then the setup that wrote it.
long long HeaderFormat(std::string_view header) {
  return NumberAfter(header.substr(0, header.find(' ', kHeaderWord.size())), kHeaderWord, 10);
}

bool ParseLines(std::string_view text, InstallRecord& record, std::string& damage) {
  const std::vector<std::string_view> lines = SplitLines(text);
  if (const long long format = HeaderFormat(lines[0]); format != kFormat) {
    damage = format > kFormat ? "it was written by a newer setup"
                              : "it is not an installation record of this setup";
    return false;
  }
  // The text ends with the checksum line and its line end.
  if (lines.size() < 4 || !lines.back().empty() ||
      !StartsWith(lines[lines.size() - 2], kChecksumWord)) {
    damage = "it ends before its checksum";
    return false;
  }
  const std::string_view checksumLine = lines[lines.size() - 2];
  const size_t covered = static_cast<size_t>(checksumLine.data() - text.data());
  if (checksumLine.size() != kChecksumWord.size() + 8 ||
      NumberAfter(checksumLine, kChecksumWord, 16) != Crc32(text.substr(0, covered))) {
    damage = "its checksum does not match its lines";
    return false;
  }
  const size_t count = lines.size() - 4;
  if (NumberAfter(lines[lines.size() - 3], kEndWord, 10) != static_cast<long long>(count)) {
    damage = "its end line does not count its lines";
    return false;
  }
  for (size_t i = 1; i <= count; ++i) {
    if (!AddLine(lines[i], record, true)) {
      damage = "line " + std::to_string(i + 1) + " has no name";
      return false;
    }
  }
  return true;
}

}  // namespace

const char* RecordKindWord(RecordKind kind) { return kKindWords[static_cast<int>(kind)]; }

void InstallRecord::Merge(const InstallRecord& other) {
  for (const RecordLine& line : other.m_lines) Add(line.kind, line.value);
}

bool InstallRecord::Add(RecordKind kind, const std::string& value) {
  const RecordLine line{kind, value};
  if (std::find(m_lines.begin(), m_lines.end(), line) != m_lines.end()) return false;
  m_lines.push_back(line);
  return true;
}

void InstallRecord::Remove(RecordKind kind, const std::string& value) {
  m_lines.erase(std::remove(m_lines.begin(), m_lines.end(), RecordLine{kind, value}),
                m_lines.end());
}

std::vector<std::string> InstallRecord::Values(RecordKind kind) const {
  std::vector<std::string> values;
  for (const RecordLine& line : m_lines)
    if (line.kind == kind) values.push_back(line.value);
  return values;
}

std::string InstallRecord::Format() const {
  std::string text =
      std::string(kHeaderWord) + std::to_string(kFormat) + " setup " + VersionText() + kLineEnd;
  for (const RecordLine& line : m_lines)
    text += std::string(RecordKindWord(line.kind)) + " " + line.value + kLineEnd;
  text += std::string(kEndWord) + std::to_string(m_lines.size()) + kLineEnd;
  return text + std::string(kChecksumWord) + Hex8(Crc32(text)) + kLineEnd;
}

bool InstallRecord::Parse(const std::string& text, InstallRecord& record, std::string& damage) {
  record = InstallRecord();
  if (text.empty()) {
    damage = "it is empty";
    return false;
  }
  if (text.find('\0') != std::string::npos) {
    damage = "it is not an installation record of this setup";
    return false;
  }
  const bool read = StartsWith(text, kHeaderWord) ? ParseLines(text, record, damage)
                                                  : ParseEarlierFormat(text, record, damage);
  if (!read) record = InstallRecord();
  return read;
}

bool InstallRecord::Save(const std::string& path, FileOps& files) const {
  const std::string text = Format();
  const int out = files.Create(path);
  if (out == FileOps::kNoFile) return false;
  const bool written = files.Write(out, text.data(), text.size());
  files.Close(out);
  return written;
}

RecordState InstallRecord::Load(const std::string& path, InstallRecord& record, FileOps& files,
                                std::string* damage) {
  std::string text, problem;
  if (!ReadWholeFile(files, path, text)) return RecordState::Missing;
  if (Parse(text, record, problem)) return RecordState::Read;
  if (damage) *damage = problem;
  return RecordState::Damaged;
}
