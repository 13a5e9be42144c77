// What data exchange tells the user when a field is refused; window-free,
// so that answers given without a window are refused in the same words.
#pragma once

#include <string>

// "Please enter no more than N characters."
std::string MaxCharsMessage(int maxChars);
