// What an installation put on the machine, kept in a file of its own in the
// working folder so that the uninstaller removes exactly that. One line per
// thing: its kind, a blank, its name.
#pragma once

#include <string>
#include <vector>

#include "core/WorkFolderFiles.h"
#include "platform/FileOps.h"

enum class RecordKind {
  // A folder that the installation created (the working folder or one of
  // its parents), in the order made: outer folders first.
  Folder,
  // A file written into the working folder, by its name there.
  File,
  // The Program Manager group, by its name.
  Group,
  // A shortcut file of the group where Program Manager failed, by its full
  // path (its folder is recorded as a folder).
  Shortcut,
  // A registry key that the installation created, "HKCU\..." or "HKLM\...",
  // outer keys first.
  RegistryKey,
  // The key of the entry that lists the product among installed programs.
  UninstallEntry,
  // The plain-text log of an unattended installation.
  Log,
};

struct RecordLine {
  RecordKind kind;
  std::string value;
  bool operator==(const RecordLine& other) const {
    return kind == other.kind && value == other.value;
  }
};

class InstallRecord {
 public:
  // Adds a line unless the record holds it already; true when it was new.
  bool Add(RecordKind kind, const std::string& value);
  // Adds the lines of `other` that this record lacks.
  void Merge(const InstallRecord& other);
  // The values of one kind, in the order added.
  std::vector<std::string> Values(RecordKind kind) const;
  bool Empty() const { return m_lines.empty(); }

  std::string Format() const;
  // Lines of unknown kinds are passed over, so an older uninstaller can read
  // a newer record.
  static InstallRecord Parse(const std::string& text);

  bool Save(const std::string& path, FileOps& files = RealFileOps()) const;
  // False when there is no record to read.
  static bool Load(const std::string& path, InstallRecord& record, FileOps& files = RealFileOps());

 private:
  std::vector<RecordLine> m_lines;
};
