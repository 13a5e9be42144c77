// Reading a Windows path as the system reads it: the root it starts from,
// the names below it with "." parts gone and ".." parts taking back the
// name before them, joined again with one backslash. The unattended
// installation's working folder and the uninstaller's bounds both read
// paths here; each states what it accepts as a policy of its own, so that
// a fault in the reading itself has one place to be fixed.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// True when `path` begins with a drive letter and a colon.
bool HasDriveLetter(std::string_view path);

// What a path starts from.
enum class PathStart {
  // "c:\": a drive's root.
  Drive,
  // "c:" without a backslash: that drive's current folder.
  DriveRelative,
  // Two backslashes: a share, the device namespace, or a server alone.
  Network,
  // Anything else: the current folder.
  Relative,
};

struct PathRoot {
  PathStart start = PathStart::Relative;
  // "c:" or "\\server\share"; empty for a path that starts from a current
  // folder, and for two backslashes that name no share ("\\.\", "\\server",
  // a share with a colon).
  std::string text;
  // Where the names below the root begin.
  size_t namesBegin = 0;
};

// The root of `path`, whose separators are backslashes.
PathRoot ReadRoot(const std::string& path);

// What a reader does where the callers' paths differ in meaning.
struct NamePolicy {
  // A ".." at the root is refused; otherwise it stays at the root, as the
  // system's own reading does.
  bool refuseAboveRoot = false;
  // The dots and blanks that Windows drops behind a name go before the name
  // is judged, since the system opens the name without them.
  bool dropTrailingDots = false;
  // Why a name cannot be part of the path, or nullptr when it can.
  const char* (*nameProblem)(std::string_view name) = nullptr;
};

// Reads the names of `path` from `begin`, its separators backslashes:
// empty and "." parts are passed over, ".." takes back the name before it.
// Each name is judged as it is read, before a later ".." could take it
// back. Returns why the first refused part is refused ("\"x\" " and the
// reason), empty when every part is read.
std::string ReadNames(const std::string& path, size_t begin, const NamePolicy& policy,
                      std::vector<std::string>& names);

// `root` and `names`, each behind one backslash.
std::string JoinNames(std::string root, const std::vector<std::string>& names);

// `folder`, a backslash and `name`.
std::string JoinPath(std::string_view folder, std::string_view name);

// True when `path` lies inside `folder`, below it by at least one name,
// whatever the letters' case.
bool IsInsideFolder(std::string_view path, std::string_view folder);
