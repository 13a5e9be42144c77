// What an installation put on the machine, kept in a file of its own in the
// working folder so that the uninstaller removes exactly that. One line per
// thing: its kind, a blank, its name. A header line names the format and
// the setup's version, an end line counts the lines, and a checksum line
// covers everything before it, so that a record cut short or damaged is
// refused before anything is removed. Records of the earlier format, the
// lines alone, are still read.
#pragma once

#include <string>
#include <vector>

#include "core/WorkFolderFiles.h"
#include "platform/FileOps.h"

enum class RecordKind {
  // A folder that the installation created (the working folder or one of
  // its parents, or the group's folder of shortcut files), in the order
  // made: outer folders first.
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

// The word that begins a line of `kind`.
const char* RecordKindWord(RecordKind kind);

enum class RecordState { Read, Missing, Damaged };

class InstallRecord {
 public:
  // Adds a line unless the record holds it already; true when it was new.
  bool Add(RecordKind kind, const std::string& value);
  // Adds the lines of `other` that this record lacks.
  void Merge(const InstallRecord& other);
  // Takes a line out, for what has been removed.
  void Remove(RecordKind kind, const std::string& value);
  // The values of one kind, in the order added.
  std::vector<std::string> Values(RecordKind kind) const;
  const std::vector<RecordLine>& Lines() const { return m_lines; }
  bool Empty() const { return m_lines.empty(); }

  // The whole file: header, lines, end line and checksum.
  std::string Format() const;
  // Reads `text` in either format into `record`. Lines of unknown kinds are
  // passed over, so an older uninstaller can read a newer record. False with
  // `damage` saying what is wrong (as "it ...") when the text is not a whole
  // record.
  static bool Parse(const std::string& text, InstallRecord& record, std::string& damage);

  bool Save(const std::string& path, FileOps& files = RealFileOps()) const;
  // `damage` receives what is wrong with a damaged record.
  static RecordState Load(const std::string& path, InstallRecord& record,
                          FileOps& files = RealFileOps(), std::string* damage = nullptr);

 private:
  std::vector<RecordLine> m_lines;
};
