#include "platform/ProgramManager.h"

#include "platform/Dde.h"
#include "platform/Seam.h"

namespace {
class ShellProgramManager : public ProgramManager {
 public:
  std::vector<bool> Execute(const std::vector<std::string>& commands, unsigned timeoutMs) override {
    return DdeExecuteAll("PROGMAN", commands, timeoutMs);
  }
};
}  // namespace

using ProgramManagerSeam = Seam<ProgramManager, ShellProgramManager>;

ProgramManager& GetProgramManager() { return ProgramManagerSeam::Get(); }
void SetProgramManagerForTesting(ProgramManager* replacement) {
  ProgramManagerSeam::Set(replacement);
}
