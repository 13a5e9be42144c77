// The picture loader against libjpeg-turbo's own djpeg on the same files:
// decodes per second, and the ratio. djpeg is a process per decode, so its
// start-up (measured with "djpeg -version") is also taken off for a second
// ratio of the decoding alone.
//   picture_bench ROUNDS FILE...
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "wizard/LoadJpegFile.h"
#include "wizard/PictureRows.h"

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

// Runs djpeg with `arguments`, its output thrown away; false when it failed.
bool RunDjpeg(const std::vector<std::string>& arguments) {
  std::vector<char*> argv{const_cast<char*>("djpeg")};
  for (const std::string& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  pid_t child = 0;
  const int failed = posix_spawnp(&child, "djpeg", &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  int status = 0;
  return !failed && waitpid(child, &status, 0) == child && WIFEXITED(status) &&
         WEXITSTATUS(status) == 0;
}

double DjpegSeconds(int rounds, const std::vector<std::string>& arguments) {
  const Clock::time_point start = Clock::now();
  for (int i = 0; i < rounds; ++i)
    if (!RunDjpeg(arguments)) {
      std::fprintf(stderr, "djpeg failed\n");
      std::exit(1);
    }
  return Seconds(start) / rounds;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s ROUNDS FILE...\n", argv[0]);
    return 2;
  }
  const int rounds = std::atoi(argv[1]);
  std::vector<unsigned char> block(kPictureBlockSize);
  const double startup = DjpegSeconds(rounds, {"-version"});
  std::printf("djpeg start-up: %.3f ms a run (%d runs)\n", startup * 1e3, rounds);
  std::printf("%-28s %11s %12s %12s %7s %12s\n", "file", "size", "LoadJpegFile", "djpeg", "ratio",
              "ratio-start");
  for (int f = 2; f < argc; ++f) {
    int width = 0, height = 0, components = 0;
    if (!LoadJpegFile(argv[f], width, height, components, nullptr, 0)) {
      std::fprintf(stderr, "cannot open %s\n", argv[f]);
      return 1;
    }
    // The page's block when the picture fits, the size-only decode else:
    // every row is decoded either way.
    const bool fits = CanLayOutAsBitmap(width, height, components, block.size());
    const Clock::time_point start = Clock::now();
    for (int i = 0; i < rounds; ++i)
      LoadJpegFile(argv[f], width, height, components, fits ? block.data() : nullptr, block.size());
    const double loader = Seconds(start) / rounds;
    const double djpeg = DjpegSeconds(rounds, {"-outfile", "/dev/null", argv[f]});
    const std::string size =
        std::to_string(width) + "x" + std::to_string(height) + "x" + std::to_string(components);
    const std::string name = std::string(argv[f]).substr(std::string(argv[f]).rfind('/') + 1);
    std::printf("%-28s %11s %9.3f ms %9.3f ms %7.2f %12.2f\n", name.c_str(), size.c_str(),
                loader * 1e3, djpeg * 1e3, djpeg / loader, (djpeg - startup) / loader);
  }
  std::printf("ratio: djpeg time / LoadJpegFile time (above 1: the loader is faster)\n");
  return 0;
}
