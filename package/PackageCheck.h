// What the installation tells the user about its packages: a damaged
// distribution found before anything changes, and joins that failed.
#pragma once

#include <string>
#include <vector>

#include "platform/FileOps.h"

// Reads every piece of "kq", and of "ch" when its header piece is there, in
// the folder of `files` with the joiner's own rules, changing nothing. The
// message for the first bad piece, or empty when the distribution is whole.
std::string CheckDistribution(FileOps& files);

// The message for packages whose join failed during the installation.
std::string FailedJoinsMessage(const std::vector<std::string>& prefixes);
