// Text replacement used for the OEM branding of HTML files.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

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

// Copies the first `length` bytes of `source`, taken as text that ends at its
// first NUL byte, into `destination` with every occurrence of `oldText`
// replaced by `newText`; returns the length of the result. The search is
// byte-exact, runs left to right and resumes behind each replacement, so it
// never looks inside inserted text. An empty `oldText` replaces nothing.
size_t ReplaceText(std::string& destination, const char* source, size_t length, const char* newText,
                   const char* oldText);
