// The shell's Program Manager service ("PROGMAN"), behind a seam so that
// tests can take it away.
#pragma once

#include <string>
#include <vector>

class ProgramManager {
 public:
  virtual ~ProgramManager() = default;
  // Sends the commands in one conversation: whether each was accepted, in
  // order, or nothing when no Program Manager answered.
  virtual std::vector<bool> Execute(const std::vector<std::string>& commands,
                                    unsigned timeoutMs) = 0;
};

ProgramManager& GetProgramManager();
// nullptr restores the system's.
void SetProgramManagerForTesting(ProgramManager* programManager);
