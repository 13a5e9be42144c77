// Stands in for a program that the setup starts or installs (the product
// program, the speech component installers). It only records how it was
// started: one line per start in "standins.log" beside it, holding its
// process creation time and its command line exactly. Plain Win32 only, so
// that it stays small in the packages that carry it.
#include <windows.h>

namespace {

// The log's path beside the program; false when it does not fit.
bool LogPath(char (&path)[MAX_PATH]) {
  static const char kLogName[] = "standins.log";
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return false;
  DWORD folderEnd = length;
  while (folderEnd > 0 && path[folderEnd - 1] != '\\') --folderEnd;
  if (folderEnd + sizeof kLogName > MAX_PATH) return false;
  lstrcpyA(path + folderEnd, kLogName);
  return true;
}

// 100 ns units: orders starts that follow one another within a millisecond.
void AppendCreationTime(HANDLE log) {
  FILETIME created, exited, kernel, user;
  GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
  char stamp[32];
  const int length = wsprintfA(stamp, "%08lx%08lx ", created.dwHighDateTime, created.dwLowDateTime);
  DWORD written = 0;
  WriteFile(log, stamp, static_cast<DWORD>(length), &written, nullptr);
}

void Append(HANDLE log, const char* text) {
  DWORD written = 0;
  WriteFile(log, text, static_cast<DWORD>(lstrlenA(text)), &written, nullptr);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  char path[MAX_PATH];
  if (!LogPath(path)) return 1;
  // Two stand-ins may start together: retry while the other holds the log.
  for (int attempt = 0; attempt < 100; ++attempt) {
    HANDLE log = CreateFileA(path, FILE_APPEND_DATA, 0, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                             nullptr);
    if (log != INVALID_HANDLE_VALUE) {
      AppendCreationTime(log);
      Append(log, GetCommandLineA());
      Append(log, "\r\n");
      CloseHandle(log);
      return 0;
    }
    Sleep(20);
  }
  return 1;
}
