// ReplaceText against a plain reference on arbitrary texts.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>
#include <string>

#include "package/ReplaceText.h"

namespace {

std::string Reference(const std::string& source, const std::string& newText,
                      const std::string& oldText) {
  const std::string text = source.substr(0, source.find('\0'));
  if (oldText.empty()) return text;
  std::string out;
  size_t i = 0;
  while (i < text.size()) {
    if (text.compare(i, oldText.size(), oldText) == 0) {
      out += newText;
      i += oldText.size();
    } else {
      out += text[i++];
    }
  }
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  // Texts as C strings: the old and new texts end at a NUL, as they do in use.
  const std::string oldText = input.ConsumeRandomLengthString(16).c_str();
  const std::string newText = input.ConsumeRandomLengthString(64).c_str();
  const std::string source = input.ConsumeRemainingBytesAsString();
  const size_t length = source.size();

  std::string destination;
  const size_t result = ReplaceText(destination, source.c_str(), length, {{oldText, newText}});
  if (result != destination.size() || destination != Reference(source, newText, oldText)) {
    std::abort();
  }
  return 0;
}
