// Where the running test program lies, as the build placed it: expected
// paths are written from it, not worked out by the setup's own path rules.
#pragma once

#include <string>

#include "tests/driver/Process.h"

inline std::string TestProgramFolder() {
  const std::string program = ui::WindowsPath(TEST_PROGRAM_PATH);
  return program.substr(0, program.find_last_of('\\'));
}
