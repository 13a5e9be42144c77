#include "install/ReplaceText.h"

#include <cstring>

size_t ReplaceText(std::string& destination, const char* source, size_t length, const char* newText,
                   const char* oldText) {
  const std::string_view text(source, strnlen(source, length));
  const std::string_view from(oldText);
  destination.clear();
  size_t done = 0;
  ForEachOccurrence(text, from, [&](size_t hit) {
    destination.append(text.substr(done, hit - done));
    destination.append(newText);
    done = hit + from.size();
  });
  destination.append(text.substr(done));
  return destination.size();
}
