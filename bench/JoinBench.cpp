// Measures JoinPackage on real files against the plain copy it amounts to:
// `cat` of the same chunks into the same files, then `rm` of the pieces.
// Prints both times and their ratio; the goal is a ratio within 1.2.
//   join_bench [FOLDER]   (default: a new folder under /tmp)

#include <stdlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "package/JoinPackage.h"
#include "package/PackageWriter.h"
#include "package/PieceFormat.h"
#include "platform/FileOps.h"

namespace {

constexpr int kFiles = 10;
constexpr int kRounds = 5;

int Shell(const std::string& command) { return std::system(command.c_str()); }

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream content;
  content << in.rdbuf();
  return content.str();
}

void WriteAll(const std::string& path, const std::string& content) {
  std::ofstream(path, std::ios::binary) << content;
}

struct Package {
  std::string folder;              // the pieces, kept for every round
  std::vector<std::string> names;  // target files
  int pieces = 0;                  // data pieces
};

// kFiles files of full chunks, `pieces` data pieces in all.
Package MakePackage(const std::string& root, int pieces) {
  Package package;
  package.folder = root + "/pieces" + std::to_string(pieces);
  package.pieces = pieces;
  Shell("mkdir -p '" + package.folder + "' '" + root + "/src'");
  const std::unique_ptr<FileOps> source = FolderFileOps(root + "/src");
  unsigned seed = 1;
  for (int f = 0; f < kFiles; ++f) {
    const int share = pieces / kFiles + (f < pieces % kFiles ? 1 : 0);
    std::string content(static_cast<size_t>(share) * kMaxChunkSize, '\0');
    for (char& c : content) c = static_cast<char>((seed = seed * 1103515245u + 12345u) >> 23);
    package.names.push_back("file" + std::to_string(f) + ".bin");
    WriteAll(root + "/src/" + package.names.back(), content);
  }
  const std::unique_ptr<FileOps> target = FolderFileOps(package.folder);
  const PackResult result = PackPackage("kq", 1, package.names, *source, *target);
  if (!result.ok) std::fprintf(stderr, "join_bench: %s\n", result.error.c_str());
  return package;
}

// The chunks as plain files and the script that cats them into place.
std::string PrepareCat(const Package& package, const std::string& work) {
  std::string script;
  std::string pieces;
  int number = 1;
  for (const std::string& name : package.names) {
    script += "cat";
    for (;; ++number) {
      const std::string piece = ReadAll(package.folder + "/" + PieceName("kq", number));
      if (piece.size() < kPieceOverhead || std::string(piece.c_str()) != name) break;
      WriteAll(work + "/" + PieceName("kq", number),
               piece.substr(kNameFieldSize, piece.size() - kPieceOverhead));
      script += " " + PieceName("kq", number);
      pieces += " " + PieceName("kq", number);
    }
    script += " > " + name + "\n";
  }
  return "cd '" + work + "' && " + script + "rm -f" + pieces + " kq0.cab\n";
}

double Seconds(std::chrono::steady_clock::duration d) {
  return std::chrono::duration<double>(d).count();
}

void Measure(const std::string& root, int pieces) {
  const Package package = MakePackage(root, pieces);
  const std::string joinDir = root + "/join", catDir = root + "/cat";
  double join = 1e9, cat = 1e9;
  for (int round = 0; round < kRounds; ++round) {
    Shell("rm -rf '" + joinDir + "' '" + catDir + "' && cp -r '" + package.folder + "' '" +
          joinDir + "' && mkdir '" + catDir + "'");
    const std::string script = PrepareCat(package, catDir);
    WriteAll(catDir + "/kq0.cab", "header");
    WriteAll(root + "/cat.sh", script);

    const std::unique_ptr<FileOps> files = FolderFileOps(joinDir);
    SetupState state;
    std::memset(&state, 0, sizeof state);
    const auto joinStart = std::chrono::steady_clock::now();
    JoinPackage("kq", state, *files);
    const int32_t version = state.m_nPackageVersion;
    join = std::min(join, Seconds(std::chrono::steady_clock::now() - joinStart));

    const auto catStart = std::chrono::steady_clock::now();
    Shell("sh '" + root + "/cat.sh'");
    cat = std::min(cat, Seconds(std::chrono::steady_clock::now() - catStart));

    if (version != 1 || Shell("diff -r '" + joinDir + "' '" + catDir + "' >/dev/null") != 0) {
      std::fprintf(stderr, "join_bench: the join and the copy differ\n");
      std::exit(1);
    }
  }
  std::printf("%5d pieces (%6.1f MB): join %8.4f s   cat+rm %8.4f s   ratio %.2f\n", pieces,
              pieces * kMaxChunkSize / 1e6, join, cat, join / cat);
}

}  // namespace

int main(int argc, char** argv) {
  char temp[] = "/tmp/join-bench-XXXXXX";
  const std::string root = argc > 1 ? std::string(argv[1]) : std::string(mkdtemp(temp));
  std::printf("join_bench: best of %d rounds in %s\n", kRounds, root.c_str());
  for (int pieces : {490, 5000}) Measure(root, pieces);
  if (argc <= 1) Shell("rm -rf '" + root + "'");
  return 0;
}
