#include "package/PackageCheck.h"

#include "package/PackageInspect.h"
#include "package/PieceFormat.h"

namespace {

std::string FirstProblem(const char* prefix, FileOps& files) {
  const PackageReport report = InspectPackage(prefix, files);
  return report.ok() ? std::string() : report.problems.front().text;
}

}  // namespace

std::string CheckDistribution(FileOps& files) {
  std::string problem = FirstProblem("kq", files);
  // The help package is the one a distribution may leave out.
  if (problem.empty() && files.Exists(PieceName("ch", 0))) problem = FirstProblem("ch", files);
  if (problem.empty()) return problem;
  return "The setup files are damaged and must be fetched again.\n\n" + problem + ".";
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
