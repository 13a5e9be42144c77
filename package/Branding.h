// The OEM branding of HTML chunks: the five default texts replaced, in order,
// by the reseller's values that the OEM settings gave.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/SetupState.h"
#include "package/ReplaceText.h"

class Branding {
 public:
  explicit Branding(const SetupState& state);

  // The chunk as it is to be written: unchanged when no OEM value is set,
  // else its text (up to the first NUL) after the replacements. A value once
  // inserted is never searched again, so a later replacement cannot rewrite
  // it ("Quelmar Ovistra Plus" stays whole though it holds "Ovistra"). The
  // view stays valid until the next call.
  std::string_view Apply(const char* chunk, size_t length);

 private:
  std::vector<TextReplacement> replacements_;
  std::string result_;
};

// The length of the next chunk of an HTML file whose rest is `rest`: at most
// `limit`, cut earlier where a cut at `limit` would split one of the default
// texts that the branding replaces, since an occurrence split between two
// pieces stays unbranded. `rest` must hold the bytes behind `limit` that such
// a text could reach (all of them when the file ends sooner).
size_t BrandingSafeChunkLength(std::string_view rest, size_t limit);
