// Answers of an unattended installation written where setup.exe reads them.
#pragma once

#include <windows.h>

#include <string>

#include "tests/support/Answers.h"

// Writes `answers` into section [Unattended] of the profile file `file`,
// beside what the file already holds.
inline void WriteAnswers(const std::string& file, const Answers& answers) {
  for (const auto& [key, value] : answers)
    WritePrivateProfileStringA("Unattended", key.c_str(), value.c_str(), file.c_str());
}
