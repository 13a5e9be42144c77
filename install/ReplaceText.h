// Text replacement used for the OEM branding of HTML files.
#pragma once

#include <cstddef>
#include <string>

// Copies the first `length` bytes of `source`, taken as text that ends at its
// first NUL byte, into `destination` with every occurrence of `oldText`
// replaced by `newText`; returns the length of the result. The search is
// byte-exact, runs left to right and resumes behind each replacement, so it
// never looks inside inserted text. An empty `oldText` replaces nothing.
size_t ReplaceText(std::string& destination, const char* source, size_t length, const char* newText,
                   const char* oldText);
