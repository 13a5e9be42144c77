#include "uninst/RemovalText.h"

std::string RemovalText(Removal removal, const std::string& what, const std::string& why) {
  switch (removal) {
    case Removal::Removed:
      return "removed " + what;
    case Removal::AlreadyGone:
      return what + " was already gone";
    case Removal::Kept:
      return "kept " + what + (why.empty() ? "" : ": " + why);
    case Removal::Failed:
      break;
  }
  return "could not remove " + what;
}
