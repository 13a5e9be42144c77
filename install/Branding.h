// The OEM branding of HTML chunks: the five default texts replaced, in order,
// by the reseller's values that the OEM settings gave.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "app/SetupState.h"

class Branding {
 public:
  explicit Branding(const SetupState& state);

  // The chunk as it is to be written: unchanged when no OEM value is set,
  // else its text (up to the first NUL) after the replacements. The view
  // stays valid until the next call.
  std::string_view Apply(const char* chunk, size_t length);

 private:
  struct Replacement {
    const char* oldText;
    std::string newText;
  };
  std::vector<Replacement> replacements_;
  // Results alternate between the two so that each replacement reads the one
  // before; they keep their capacity from chunk to chunk.
  std::string texts_[2];
};
