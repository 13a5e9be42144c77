#include "install/ReplaceText.h"

#include <cstring>
#include <string_view>

size_t ReplaceText(std::string& destination, const char* source, size_t length, const char* newText,
                   const char* oldText) {
  const std::string_view text(source, strnlen(source, length));
  const std::string_view from(oldText);
  destination.clear();
  if (from.empty()) {
    destination.assign(text);
    return destination.size();
  }
  size_t done = 0;
  for (size_t hit = text.find(from); hit != std::string_view::npos; hit = text.find(from, done)) {
    destination.append(text.substr(done, hit - done));
    destination.append(newText);
    done = hit + from.size();
  }
  destination.append(text.substr(done));
  return destination.size();
}
