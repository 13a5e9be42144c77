#include "platform/SelfRemoval.h"

#include <cstdlib>

#include "platform/CommandLine.h"
#include "platform/Folders.h"
#include "platform/Win32.h"

namespace {
// How long the copy waits for the uninstaller to end and release its file.
constexpr DWORD kWaitForEndMs = 30000;
constexpr DWORD kRetryMs = 50;
constexpr int kDeleteAttempts = 100;
}  // namespace

bool StartRemovalCopy(const char* word, const std::vector<std::string>& folders) {
  char temp[MAX_PATH];
  const DWORD length = GetTempPathA(sizeof temp, temp);
  if (length == 0 || length >= sizeof temp) return false;
  const std::string program = ProgramPath();
  const std::string copy =
      std::string(temp) + "kqun" + std::to_string(GetCurrentProcessId()) + ".exe";
  if (!CopyFileA(program.c_str(), copy.c_str(), FALSE)) return false;

  SECURITY_ATTRIBUTES inherited = {sizeof inherited, nullptr, TRUE};
  HANDLE held = CreateFileA(copy.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE,
                            &inherited, OPEN_EXISTING, FILE_FLAG_DELETE_ON_CLOSE, nullptr);
  std::string line = QuotedArgument(copy) + " " + word + " " +
                     std::to_string(GetCurrentProcessId()) + " " + QuotedArgument(program);
  for (const std::string& folder : folders) line += " " + QuotedArgument(folder);
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started = {};
  // The copy runs in the temporary folder, so that it holds no folder of
  // ours open.
  const bool ok = CreateProcessA(copy.c_str(), &line[0], nullptr, nullptr, TRUE, 0, nullptr, temp,
                                 &startup, &started) != 0;
  if (held != INVALID_HANDLE_VALUE) CloseHandle(held);
  if (!ok) {
    DeleteFileA(copy.c_str());
    return false;
  }
  CloseHandle(started.hThread);
  CloseHandle(started.hProcess);
  return true;
}

void FinishRemoval(const std::vector<std::string>& arguments) {
  if (arguments.size() < 2) return;
  const DWORD id = static_cast<DWORD>(std::strtoul(arguments[0].c_str(), nullptr, 10));
  if (HANDLE uninstaller = OpenProcess(SYNCHRONIZE, FALSE, id)) {
    WaitForSingleObject(uninstaller, kWaitForEndMs);
    CloseHandle(uninstaller);
  }
  // The system may release the ended program's file a moment later.
  const char* program = arguments[1].c_str();
  for (int attempt = 0; attempt < kDeleteAttempts && !DeleteFileA(program) &&
                        GetFileAttributesA(program) != INVALID_FILE_ATTRIBUTES;
       ++attempt)
    Sleep(kRetryMs);
  for (size_t i = 2; i < arguments.size(); ++i) RemoveFolder(arguments[i].c_str());
}
