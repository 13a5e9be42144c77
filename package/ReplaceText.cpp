#include "package/ReplaceText.h"

#include <cstring>

namespace {

// A stretch of the result: source text still open to the replacements that
// follow, or an inserted value.
struct Span {
  std::string_view text;
  bool inserted;
};

}  // namespace

size_t ReplaceText(std::string& destination, const char* source, size_t length,
                   const std::vector<TextReplacement>& replacements) {
  std::vector<Span> spans{{std::string_view(source, strnlen(source, length)), false}};
  std::vector<Span> next;
  for (const TextReplacement& replacement : replacements) {
    next.clear();
    for (const Span& span : spans) {
      if (span.inserted) {
        next.push_back(span);
        continue;
      }
      size_t done = 0;
      ForEachOccurrence(span.text, replacement.oldText, [&](size_t hit) {
        next.push_back({span.text.substr(done, hit - done), false});
        next.push_back({replacement.newText, true});
        done = hit + replacement.oldText.size();
      });
      next.push_back({span.text.substr(done), false});
    }
    spans.swap(next);
  }
  destination.clear();
  for (const Span& span : spans) destination.append(span.text);
  return destination.size();
}
