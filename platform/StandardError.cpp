#include "platform/StandardError.h"

#include "platform/Win32.h"

void WriteStandardError(const std::string& line) {
  // A GUI program has a standard error only when its starter passed one.
  const HANDLE handle = GetStdHandle(STD_ERROR_HANDLE);
  if (handle == nullptr || handle == INVALID_HANDLE_VALUE) return;
  const std::string text = line + "\r\n";
  DWORD written = 0;
  WriteFile(handle, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}
