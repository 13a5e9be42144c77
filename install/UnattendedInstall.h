// The unattended installation: the answers from section [Unattended], the
// installation steps back to back with no window, a log if asked for.
#pragma once

#include <string>

// Exit codes: everything in place, something failed (named in the log),
// an answer refused or missing (nothing installed).
constexpr int kUnattendedInstalled = 0;
constexpr int kUnattendedFailed = 1;
constexpr int kUnattendedRefused = 2;

// Reads the answers from `answersFile` (made absolute), or from the setup
// configuration file when it is empty, and installs from the current
// folder. Returns the exit code.
int RunUnattendedInstall(const std::string& answersFile);
