#include "install/ProgramGroup.h"

#include "platform/Dde.h"

namespace {
constexpr unsigned kCommandTimeoutMs = 1000;
}  // namespace

void CreateProgramGroup(const std::string& group, const std::string& folder) {
  DdeExecuteAll("PROGMAN", ProgramGroupCommands(group, folder), kCommandTimeoutMs);
}
