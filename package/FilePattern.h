// File name patterns for the packer ("*.html"): the shell of the packing
// machine may not expand them, so the packer does it itself.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/FileOps.h"

// '*' matches any run of characters, '?' any one; letters match in any case,
// as file names do on Windows.
bool WildcardMatch(std::string_view pattern, std::string_view name);

// The names a pattern stands for, sorted; wildcards only in its last part.
// A name without wildcards stands for itself, whether it exists or not.
std::vector<std::string> ExpandPattern(const std::string& pattern, FileOps& files);
