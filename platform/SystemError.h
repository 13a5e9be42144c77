// What the system says about the last failed call, for messages that must
// name the reason.
#pragma once

#include <string>

// The system's text for the calling thread's last error ("Access denied."),
// or its number when the system has no text for it.
std::string LastErrorText();
