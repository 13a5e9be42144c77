// Text replacement used for the OEM branding of HTML files.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Calls `found` with the offset of each occurrence of `oldText` in `text`
// that a replacement takes: left to right, each search resuming behind the
// occurrence before, so that none overlaps another. None for an empty
// `oldText`.
template <typename Found>
void ForEachOccurrence(std::string_view text, std::string_view oldText, Found found) {
  if (oldText.empty()) return;
  for (size_t hit = text.find(oldText); hit != std::string_view::npos;
       hit = text.find(oldText, hit + oldText.size())) {
    found(hit);
  }
}

struct TextReplacement {
  std::string_view oldText;
  std::string newText;
};

// Copies the first `length` bytes of `source`, taken as text that ends at its
// first NUL byte, into `destination` with the replacements applied in their
// order, each to every occurrence of its `oldText`; returns the length of the
// result. The search is byte-exact, runs left to right and resumes behind
// each replacement. Inserted text is never searched again, neither by its own
// replacement nor by a later one, so an inserted value stays whole even when
// it holds a text that a later replacement looks for. An empty `oldText`
// replaces nothing.
size_t ReplaceText(std::string& destination, const char* source, size_t length,
                   const std::vector<TextReplacement>& replacements);
