#pragma once

#include <string>
#include <vector>

// The command-line text that the application sees: what follows the program
// name, with the blanks and control characters right after the name skipped.
const char* CommandLineTail(const char* commandLine);

// The words of a command-line text; a word in double quotes may hold blanks
// and loses its quotes.
std::vector<std::string> SplitArguments(const char* commandLine);
// `word` in double quotes, so that SplitArguments gives it back whole.
std::string QuotedArgument(const std::string& word);
