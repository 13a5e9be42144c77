#include "uninst/RecordBounds.h"

#include <cstdint>
#include <cstring>

#include "core/NameRules.h"
#include "core/PathReading.h"
#include "install/EntryName.h"
#include "platform/Text.h"

namespace {

constexpr const char* kHives[] = {"HKCU\\", "HKLM\\"};

// An absolute path in one spelling: its root ("C:" or "\\server\share")
// and the names below it.
struct NormalPath {
  std::string text;
  size_t names = 0;
};

bool StartsWithIgnoringCase(const std::string& text, const std::string& start) {
  return text.size() >= start.size() && SameTextIgnoringCase(text.substr(0, start.size()), start);
}

// True when `path` is `folder` or lies below it.
bool Within(const std::string& path, const std::string& folder) {
  return (!folder.empty() && SameTextIgnoringCase(path, folder)) || IsInsideFolder(path, folder);
}

// A name the uninstaller may reach as the system opens it: something is
// left once the dots and blanks behind it are dropped, and it names
// neither a stream nor a device.
const char* ReachableNameProblem(std::string_view name) {
  if (name.empty()) return "is only dots and blanks";
  if (name.find(':') != std::string_view::npos) return "names a stream";
  if (IsDeviceName(name)) return "is a device name";
  return nullptr;
}

// `path` with either slash as one backslash, "." parts gone and ".." parts
// taken back, and the dots and blanks that Windows drops behind a name
// dropped. False when it is not absolute from a drive's root or a share,
// goes above its root, or names a stream or a device.
bool Normalise(std::string path, NormalPath& normal) {
  for (char& c : path) {
    if (c == '/') c = '\\';
    if (static_cast<uint8_t>(c) < ' ' || std::strchr("*?\"<>|", c)) return false;
  }
  const PathRoot root = ReadRoot(path);
  if (root.text.empty()) return false;
  constexpr NamePolicy kAsOpened{true, true, ReachableNameProblem};
  std::vector<std::string> names;
  if (!ReadNames(path, root.namesBegin, kAsOpened, names).empty()) return false;
  normal.text = JoinNames(root.text, names);
  normal.names = names.size();
  return true;
}

class BoundsCheck {
 public:
  explicit BoundsCheck(const RecordBounds& bounds) : m_bounds(bounds) {
    m_folder = Resolved(bounds.folder).text;
    for (const std::string& group : bounds.groupFolders) m_groups.push_back(Resolved(group).text);
  }

  // Why `line` is out of bounds, or nullptr.
  const char* Problem(const RecordLine& line) const {
    switch (line.kind) {
      case RecordKind::File:
        return FileProblem(line.value);
      case RecordKind::Folder:
        return FolderProblem(line.value);
      case RecordKind::Shortcut:
        return ShortcutProblem(line.value);
      case RecordKind::Group:
        return GroupProblem(line.value);
      case RecordKind::UninstallEntry:
        return EntryProblem(line.value);
      case RecordKind::RegistryKey:
        return KeyProblem(line.value);
      case RecordKind::Log:
        return LogProblem(line.value);
    }
    return "it is of no kind this uninstaller knows";
  }

 private:
  // The normal path, its short names expanded; empty text when `path` is
  // none that the uninstaller may touch.
  NormalPath Resolved(const std::string& path) const {
    NormalPath normal;
    if (!Normalise(path, normal)) return NormalPath();
    NormalPath longer;
    if (m_bounds.longName && Normalise(m_bounds.longName(normal.text), longer)) return longer;
    return normal;
  }

  bool IsGroupFolder(const std::string& path) const {
    for (const std::string& group : m_groups)
      if (SameTextIgnoringCase(path, group)) return true;
    return false;
  }

  static const char* FileProblem(const std::string& value) {
    if (value.empty() || FileNameProblem(value))
      return "it is not a file name in the installation folder";
    return nullptr;
  }

  const char* GroupProblem(const std::string& value) const {
    if (m_bounds.productName.empty() || value != m_bounds.productName)
      return "it is not the product's program group";
    return nullptr;
  }

  const char* FolderProblem(const std::string& value) const {
    const NormalPath path = Resolved(value);
    // The folders above the installation folder are those it made; they go
    // only once empty. A drive's root is never one of them.
    const bool above = path.names > 0 && Within(m_folder, path.text);
    if (path.text.empty() || !(Within(path.text, m_folder) || above || IsGroupFolder(path.text)))
      return "it is neither the installation folder, a folder in it or above it, nor the "
             "product's group folder";
    return nullptr;
  }

  const char* ShortcutProblem(const std::string& value) const {
    const std::string path = Resolved(value).text;
    const size_t slash = path.find_last_of('\\');
    const std::string extension = ".lnk";
    if (path.empty() || slash == std::string::npos || !IsGroupFolder(path.substr(0, slash)) ||
        path.size() < slash + 1 + extension.size() ||
        !SameTextIgnoringCase(path.substr(path.size() - extension.size()), extension))
      return "it is not a shortcut in the product's group folder";
    return nullptr;
  }

  // The key below "HKCU\" or "HKLM\"; empty when `value` names neither.
  static std::string KeyBelowHive(const std::string& value) {
    for (const char* hive : kHives)
      if (StartsWithIgnoringCase(value, hive)) return value.substr(std::strlen(hive));
    return std::string();
  }

  const char* EntryProblem(const std::string& value) const {
    const std::string key = KeyBelowHive(value);
    const std::string parent = std::string(kUninstallKeyPath) + "\\";
    if (m_bounds.productName.empty() || !StartsWithIgnoringCase(key, parent) ||
        !IsEntryNameOf(key.substr(parent.size()), m_bounds.productName))
      return "it is not an entry of the product among the installed programs";
    return nullptr;
  }

  static const char* KeyProblem(const std::string& value) {
    const std::string key = KeyBelowHive(value);
    if (key.empty() || !Within(kUninstallKeyPath, key))
      return "it is not a key above the entries of the installed programs";
    return nullptr;
  }

  const char* LogProblem(const std::string& value) const {
    const std::string path = Resolved(value).text;
    if (path.empty() || !(Within(path, m_folder) ||
                          (m_bounds.isInstallationLog && m_bounds.isInstallationLog(path))))
      return "it is neither in the installation folder nor the log of an installation";
    return nullptr;
  }

  const RecordBounds& m_bounds;
  std::string m_folder;
  std::vector<std::string> m_groups;
};

}  // namespace

std::vector<RefusedLine> LinesOutOfBounds(const InstallRecord& record, const RecordBounds& bounds) {
  const BoundsCheck check(bounds);
  std::vector<RefusedLine> refused;
  for (const RecordLine& line : record.Lines())
    if (const char* problem = check.Problem(line)) refused.push_back({line, problem});
  return refused;
}
