// Times setup.exe from its start to the visible wizard in a distribution,
// and the distribution check on its own:
//   StartupBench.exe DISTRIBUTION_FOLDER RUNS SETUP_EXE [BASELINE_EXE]
// With a baseline the two programs take turns, after one run each that is
// not counted, so that a busy machine weighs on both alike. Prints the
// median and the fastest of each and the rises (the fastest runs are the
// ones least disturbed by other work); the wizard is cancelled after every
// run.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "package/PackageCheck.h"
#include "platform/FileOps.h"
#include "tests/driver/Process.h"
#include "tests/driver/UiDriver.h"

namespace {

double Now() {
  LARGE_INTEGER count, frequency;
  QueryPerformanceCounter(&count);
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// A top-level window of the process with this caption, shown.
bool Visible(DWORD process, const char* caption) {
  HWND window = nullptr;
  while ((window = FindWindowExA(nullptr, window, "#32770", caption))) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == process && IsWindowVisible(window)) return true;
  }
  return false;
}

double StartToWizard(const std::string& setup, const std::string& dist) {
  const double start = Now();
  ui::Process process("\"" + setup + "\"", dist);
  while (!Visible(process.Id(), "LICENSE AGREEMENT")) {
    if (process.HasExited() || Now() - start > 60) {
      std::fprintf(stderr, "startup-bench: no wizard\n");
      std::exit(1);
    }
    Sleep(1);
  }
  const double took = Now() - start;
  const ui::Driver user(process.Id());
  user.Press(user.WaitWindow("LICENSE AGREEMENT"), ui::WizardButton::Cancel);
  process.WaitExit(20000);
  return took;
}

double Median(std::vector<double> times) {
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

void Print(const std::string& what, const std::vector<double>& times) {
  std::printf("%-34s median %8.1f ms   fastest %8.1f ms   (%zu runs)\n", what.c_str(),
              1000 * Median(times), 1000 * *std::min_element(times.begin(), times.end()),
              times.size());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4 && argc != 5) {
    std::fprintf(stderr,
                 "usage: StartupBench.exe DISTRIBUTION_FOLDER RUNS SETUP_EXE [BASELINE_EXE]\n");
    return 2;
  }
  const std::string dist = argv[1];
  const int runs = std::atoi(argv[2]);
  std::vector<std::string> programs = {argv[3]};
  if (argc == 5) programs.push_back(argv[4]);
  std::vector<std::vector<double>> wizard(programs.size());
  std::vector<double> check;
  for (const std::string& program : programs) StartToWizard(program, dist);
  for (int run = 0; run < runs; ++run) {
    for (size_t i = 0; i < programs.size(); ++i)
      wizard[i].push_back(StartToWizard(programs[i], dist));
    const double start = Now();
    if (!CheckDistribution(*FolderFileOps(dist)).empty()) {
      std::fprintf(stderr, "startup-bench: the distribution is damaged\n");
      return 1;
    }
    check.push_back(Now() - start);
  }
  for (size_t i = 0; i < programs.size(); ++i)
    Print("start to visible wizard, " + std::string(i == 0 ? "this" : "baseline"), wizard[i]);
  Print("distribution check alone", check);
  if (programs.size() == 2) {
    const auto rise = [](double now, double before) { return 100 * (now - before) / before; };
    std::printf("rise: median %.1f %%, fastest %.1f %% (goal <= 5 %%)\n",
                rise(Median(wizard[0]), Median(wizard[1])),
                rise(*std::min_element(wizard[0].begin(), wizard[0].end()),
                     *std::min_element(wizard[1].begin(), wizard[1].end())));
  }
  return 0;
}
