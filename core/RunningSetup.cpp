#include "core/RunningSetup.h"

#include <cassert>

namespace {
SetupState* g_running = nullptr;
}  // namespace

void SetRunningSetup(SetupState* state) { g_running = state; }

SetupState& RunningSetup() {
  assert(g_running);
  return *g_running;
}
