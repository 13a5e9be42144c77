#include "platform/SystemError.h"

#include "platform/Win32.h"

std::string LastErrorText() {
  const DWORD code = GetLastError();
  char text[512] = {};
  DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                code, 0, text, sizeof text, nullptr);
  // The system's texts end with a line break.
  while (length > 0 && static_cast<unsigned char>(text[length - 1]) <= ' ') --length;
  if (length == 0) return "system error " + std::to_string(code);
  return std::string(text, length);
}
