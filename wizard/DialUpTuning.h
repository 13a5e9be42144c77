// The Windows 9x TCP/IP tuning for a dial-up modem, kept in the registry:
// whether it is in force, applying it with a backup of the earlier values in
// the working folder's settings file, and putting those values back. The
// connection optimisation page, the unattended installation and the
// uninstaller share it.
#pragma once

#include <functional>
#include <string>

// The NT family keeps these values elsewhere: nothing is changed there
// (IsNtFamily tells).
constexpr char kCantOptimizeNt[] = "Can't optimize NT registry settings";

// Where a refusal's text goes: a message box on the page, a log line when
// nobody is at the screen.
using TuningMessage = std::function<void(const std::string&)>;

// The MSTCP values tuned and the last adapter with a readable MaxMTU at 576.
bool IsDialUpTuned();

// Saves every value the tuning replaces into the settings file of `folder`
// (its folders made), reads the backup back, then tunes. False, after
// telling why, when there is nothing to tune or the backup is not whole:
// nothing is changed then.
bool OptimizeDialUp(const std::string& folder, const TuningMessage& tell);
// Puts back what the settings file of `folder` saved; a value saved as
// absent, or not saved at all, is deleted. False when the path does not fit.
bool UndoDialUpTuning(const std::string& folder);
// The same from a settings file's path.
void RestoreTuning(const char* settingsFile);
// True when `settingsFile` holds a backup that OptimizeDialUp made.
bool HasTuningBackup(const char* settingsFile);
