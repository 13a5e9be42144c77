// kqpack: makes, verifies and lists the setup's package pieces.
// Exit codes: 0 ok, 1 bad data, 2 a usage error.

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "package/FilePattern.h"
#include "package/PackageInspect.h"
#include "package/PackageWriter.h"
#include "platform/FileOps.h"

namespace {

constexpr int kOk = 0;
constexpr int kDataProblem = 1;
constexpr int kUsageError = 2;
// Packages with more pieces than this show a progress line.
constexpr int kProgressFrom = 200;

const char kSynopsis[] =
    "usage: kqpack pack PREFIX VERSION FILE-OR-PATTERN... [-o DIR]\n"
    "       kqpack verify PREFIX [-d DIR]\n"
    "       kqpack list PREFIX [-d DIR]\n";
const char kDetails[] =
    "\n"
    "pack    cuts the files into the pieces PREFIX0.cab, PREFIX1.cab, ... in DIR\n"
    "        (default: the current folder). VERSION is 1 to 999. Patterns such as\n"
    "        \"*.html\" are expanded here. PREFIX may not end in a digit.\n"
    "verify  checks the pieces in DIR (names, count, checksums, versions, target\n"
    "        names) without changing anything, and tells what is wrong.\n"
    "list    shows the files a package carries, with their sizes, pieces and\n"
    "        where each chunk ends within its file.\n"
    "\n"
    "Each file lies in the current folder and keeps its name in the package: a\n"
    "plain file name (no folder part, no device name such as CON or LPT1),\n"
    "unique without regard to case. HTML chunks end early where a cut\n"
    "would split a text that the setup brands.\n"
    "\n"
    "--help anywhere prints this text.\n"
    "\n"
    "Exit codes:\n"
    "  0  ok\n"
    "  1  bad data: a file or package that cannot be packed or fails verification\n"
    "  2  usage error: wrong command, option or argument\n";

int Usage(const char* problem) {
  if (problem) std::fprintf(stderr, "kqpack: %s\n", problem);
  std::fputs(kSynopsis, stderr);
  return kUsageError;
}

struct Arguments {
  std::vector<std::string> words;
  std::string folder;
  bool folderGiven = false;
};

// Splits off the one folder option that `command` accepts; returns what is
// wrong, or an empty text.
std::string ParseArguments(int argc, char** argv, const char* option, Arguments& parsed) {
  for (int i = 2; i < argc; ++i) {
    const std::string word = argv[i];
    if (word == option) {
      if (parsed.folderGiven) return std::string(option) + " is given twice";
      if (i + 1 >= argc) return std::string(option) + " needs a folder";
      parsed.folder = argv[++i];
      parsed.folderGiven = true;
    } else if (word.size() > 1 && word[0] == '-') {
      return "unknown option \"" + word + "\" (" + option + " DIR is the only one here)";
    } else {
      parsed.words.push_back(word);
    }
  }
  if (parsed.folderGiven && !std::filesystem::is_directory(parsed.folder)) {
    return "folder \"" + parsed.folder + "\" does not exist";
  }
  return std::string();
}

bool WantsHelp(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) return true;
  }
  return false;
}

bool ParseVersion(const std::string& text, int& version) {
  if (text.empty() || text.size() > 3 ||
      text.find_first_not_of("0123456789") != std::string::npos) {
    return false;
  }
  version = std::atoi(text.c_str());
  return version >= 1;
}

// One line, redrawn in place, once per percent.
class ProgressLine {
 public:
  explicit ProgressLine(const char* verb) : verb_(verb) {}
  ~ProgressLine() {
    if (shown_) std::fputc('\n', stderr);
  }
  void Show(int done, int total) {
    if (total < kProgressFrom) return;
    const int percent = static_cast<int>(100LL * done / total);
    if (shown_ && percent == percent_) return;
    percent_ = percent;
    shown_ = true;
    std::fprintf(stderr, "\rkqpack: %s piece %d of %d (%d%%)", verb_, done, total, percent);
  }

 private:
  const char* verb_;
  int percent_ = -1;
  bool shown_ = false;
};

int Pack(const Arguments& args) {
  if (args.words.size() < 3) return Usage("pack needs PREFIX, VERSION and at least one file");
  int version = 0;
  if (!ParseVersion(args.words[1], version)) return Usage("VERSION must be a number from 1 to 999");
  std::vector<std::string> names;
  for (size_t i = 2; i < args.words.size(); ++i) {
    const std::vector<std::string> matched = ExpandPattern(args.words[i], RealFileOps());
    if (matched.empty()) {
      std::fprintf(stderr, "kqpack: no file matches \"%s\"\n", args.words[i].c_str());
      return kDataProblem;
    }
    names.insert(names.end(), matched.begin(), matched.end());
  }
  const std::unique_ptr<FileOps> target = FolderFileOps(args.folder);
  PackResult result;
  {
    ProgressLine progress("writing");
    result = PackPackage(args.words[0], version, names, RealFileOps(), *target,
                         [&](int done, int total) { progress.Show(done, total); });
  }
  if (!result.ok) {
    std::fprintf(stderr, "kqpack: %s\n", result.error.c_str());
    return kDataProblem;
  }
  std::printf("%s: %zu file(s) in %d pieces, version %d\n", args.words[0].c_str(), names.size(),
              result.pieces, version);
  return kOk;
}

PackageReport Inspect(const Arguments& args) {
  const std::unique_ptr<FileOps> folder = FolderFileOps(args.folder);
  ProgressLine progress("reading");
  return InspectPackage(args.words[0], *folder,
                        [&](int piece, int count) { progress.Show(piece, count); });
}

int ReportProblems(const PackageReport& report) {
  for (const PieceProblem& problem : report.problems) {
    std::fprintf(stderr, "kqpack: %s\n", problem.text.c_str());
  }
  return report.ok() ? kOk : kDataProblem;
}

int Verify(const Arguments& args) {
  if (args.words.size() != 1) return Usage("verify takes one PREFIX");
  const PackageReport report = Inspect(args);
  if (report.ok()) {
    std::printf("%s: ok, version %d, %d pieces, %zu file(s)\n", args.words[0].c_str(),
                report.version, report.count, report.files.size());
  }
  return ReportProblems(report);
}

int List(const Arguments& args) {
  if (args.words.size() != 1) return Usage("list takes one PREFIX");
  const PackageReport report = Inspect(args);
  for (const PackedFile& file : report.files) {
    std::printf("%12lld  %s  (pieces %d-%d)\n", file.size, file.name.c_str(), file.firstPiece,
                file.lastPiece);
    std::printf("%12s  chunks end at", "");
    for (long long end : file.chunkEnds) std::printf(" %lld", end);
    std::printf("\n");
  }
  return ReportProblems(report);
}

}  // namespace

int main(int argc, char** argv) {
  if (WantsHelp(argc, argv)) {
    std::fputs(kSynopsis, stdout);
    std::fputs(kDetails, stdout);
    return kOk;
  }
  if (argc < 2) return Usage(nullptr);
  const std::string command = argv[1];
  const char* option = command == "pack" ? "-o" : "-d";
  Arguments args;
  const std::string problem = ParseArguments(argc, argv, option, args);
  if (!problem.empty()) return Usage(problem.c_str());
  if (command == "pack") return Pack(args);
  if (command == "verify") return Verify(args);
  if (command == "list") return List(args);
  return Usage(("unknown command \"" + command + "\"").c_str());
}
