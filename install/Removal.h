// What became of one thing the uninstaller was to remove. Only a failure
// keeps the removal from being complete: what is already gone counts as
// removed, and what is kept on purpose (it holds what is not ours, another
// installation uses it) is no fault.
#pragma once

#include <string>

enum class Removal { Removed, AlreadyGone, Kept, Failed };

// The log's words for an outcome: "removed X", "X was already gone", "kept
// X: why", "could not remove X".
std::string RemovalText(Removal removal, const std::string& what, const std::string& why = "");
