#include "package/PackageCheck.h"

#include "package/PackageInspect.h"
#include "package/PieceFormat.h"

namespace {

std::vector<PieceProblem> Problems(const char* prefix, FileOps& files) {
  return InspectPackage(prefix, files).problems;
}

}  // namespace

std::string CheckDistribution(FileOps& files) {
  std::vector<PieceProblem> problems = Problems(kProductPackage, files);
  // The help package is the one a distribution may leave out.
  if (problems.empty() && files.Exists(PieceName(kHelpPackage, 0)))
    problems = Problems(kHelpPackage, files);
  if (problems.empty()) return std::string();
  const PieceProblem& first = problems.front();
  // A piece that another program holds is there: fetching it again would
  // not help, closing that program does.
  if (first.unreadable) {
    return "A setup file cannot be read.\n\n" + first.text +
           ".\n\nClose any program that may be using it and start the setup again.";
  }
  return "The setup files are damaged and must be fetched again.\n\n" + first.text + ".";
}

std::string FailedJoinsMessage(const std::vector<std::string>& prefixes) {
  std::string names;
  for (size_t i = 0; i < prefixes.size(); ++i) {
    if (i > 0) names += i + 1 == prefixes.size() ? " and " : ", ";
    names += "\"" + prefixes[i] + "\"";
  }
  return std::string(prefixes.size() > 1 ? "The packages " : "The package ") + names +
         " could not be installed: a file could not be written or put in place.\n\n"
         "Please close the programs that may use the product's files and run the setup again.";
}
