// A setup state as start-up leaves it without any configuration file.
#pragma once

#include <string>

#include "core/SetupConfig.h"

inline void ApplyDefaultBranding(SetupState& state) {
  ReadBranding(state,
               [](const char*, const char* defaultValue) { return std::string(defaultValue); });
}
