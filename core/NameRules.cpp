#include "core/NameRules.h"

#include <cstdint>
#include <cstring>

#include "platform/Text.h"

namespace {

// The part of a name before its first dot, without the blanks Windows drops
// behind it: what Windows compares with its device names.
std::string_view DeviceStem(std::string_view name) {
  std::string_view stem = name.substr(0, name.find('.'));
  while (!stem.empty() && stem.back() == ' ') stem.remove_suffix(1);
  return stem;
}

// "." and ".." name the folder itself and the one above, between
// separators of either kind.
bool HasDotPart(std::string_view name) {
  for (size_t start = 0; start <= name.size();) {
    const size_t end = name.find_first_of("\\/", start);
    const std::string_view part = name.substr(start, end - start);
    if (part == "." || part == "..") return true;
    if (end == std::string_view::npos) break;
    start = end + 1;
  }
  return false;
}

}  // namespace

bool IsBlankName(std::string_view name) {
  for (char c : name)
    if (c != ' ' && c != '\t') return false;
  return true;
}

bool IsDeviceName(std::string_view name) {
  const std::string_view stem = DeviceStem(name);
  for (const char* device : {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$", "CLOCK$"}) {
    if (SameTextIgnoringCase(stem, device)) return true;
  }
  if (stem.size() != 4) return false;
  const bool port = SameTextIgnoringCase(stem.substr(0, 3), "COM") ||
                    SameTextIgnoringCase(stem.substr(0, 3), "LPT");
  // Windows counts the superscript digits of the code page as digits here.
  const uint8_t digit = static_cast<uint8_t>(stem[3]);
  return port &&
         ((digit >= '1' && digit <= '9') || digit == 0xB9 || digit == 0xB2 || digit == 0xB3);
}

const char* FileNameProblem(std::string_view name) {
  for (char c : name) {
    if (static_cast<uint8_t>(c) < ' ' || std::strchr("\\/:<>\"|?*", c)) {
      return "holds a character that a file name cannot hold (\\ / : * ? \" < > | or a control "
             "character)";
    }
  }
  // Windows drops trailing dots and blanks, so such a name would be another
  // file than the one checked ("..", "temp.cab." and "a " alike).
  if (!name.empty() && (name.back() == '.' || name.back() == ' ')) {
    return "ends in a dot or a blank";
  }
  if (IsDeviceName(name)) return "is a device name of Windows (CON, NUL, COM1, LPT1, ...)";
  return nullptr;
}

const char* PlainNameProblem(std::string_view name) {
  if (name.empty()) return "is empty";
  if (name.find_first_of("/\\") != std::string_view::npos) {
    return "has a folder part; the join creates no folders";
  }
  if (name.find(':') != std::string_view::npos) return "names a drive or a stream (\":\")";
  return FileNameProblem(name);
}

const char* FolderNameProblem(std::string_view name) {
  if (IsBlankName(name)) return "is blank";
  if (HasDotPart(name)) return "is \".\" or \"..\" or has \"..\" as a part of a path";
  return FileNameProblem(name);
}

const char* OemNameProblem(std::string_view name) {
  if (const char* problem = FolderNameProblem(name)) return problem;
  if (name.size() > kMaxOemNameLength) return "is longer than 80 characters";
  return nullptr;
}
