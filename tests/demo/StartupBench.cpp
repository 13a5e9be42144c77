// Times setup.exe from its start to the visible wizard in a distribution,
// and the distribution check on its own: StartupBench.exe SETUP_EXE
// DISTRIBUTION_FOLDER RUNS. Prints the median and the fastest of each; the
// wizard is cancelled after every run.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "install/PackageCheck.h"
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

void Print(const char* what, std::vector<double> times) {
  std::sort(times.begin(), times.end());
  std::printf("%-26s median %8.1f ms   fastest %8.1f ms   (%zu runs)\n", what,
              1000 * times[times.size() / 2], 1000 * times.front(), times.size());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: StartupBench.exe SETUP_EXE DISTRIBUTION_FOLDER RUNS\n");
    return 2;
  }
  const std::string setup = argv[1], dist = argv[2];
  const int runs = std::atoi(argv[3]);
  std::vector<double> wizard, check;
  for (int run = 0; run < runs; ++run) {
    wizard.push_back(StartToWizard(setup, dist));
    const double start = Now();
    if (!CheckDistribution(*FolderFileOps(dist)).empty()) {
      std::fprintf(stderr, "startup-bench: the distribution is damaged\n");
      return 1;
    }
    check.push_back(Now() - start);
  }
  Print("start to visible wizard", wizard);
  Print("distribution check alone", check);
  return 0;
}
