// Start-up's window-free rules: where the configuration file is, what the
// branding keys mean, the title and the mode.
#pragma once

#include <functional>
#include <string>

#include "core/SetupState.h"
#include "SetupVersion.h"

// The setup's own version, shown in the title as major.minor (1.64).
constexpr int kVersionMajor = SETUP_VERSION_MAJOR;
constexpr int kVersionMinor = SETUP_VERSION_MINOR;
// The version as text, the minor number with two digits: "1.64".
std::string VersionText();

// Copies a value into a text field of the state, cut to 259 characters.
void StoreText(char (&field)[kTextSize], const std::string& value);

// The program path with everything from its last "." replaced by ".ini".
std::string ProgramIniPath(const std::string& programPath);
// The folder of the program, without a trailing backslash.
std::string ProgramFolder(const std::string& programPath);
// "\kq.ini" appended to the program's folder.
std::string FolderIniPath(const std::string& programPath);

// A default that no profile value can hold (values hold no control
// characters): it tells a missing key from an empty one.
constexpr char kNoValue[] = "\x01";

// Reads one key of a section: the value (at most 259 characters), or
// `defaultValue` when the key is missing.
using KeyReader = std::function<std::string(const char* key, const char* defaultValue)>;

constexpr char kProductNameKey[] = "OEMProductName";

// Fills the branding fields and their flags from the configuration file.
// A blank product name counts as not given.
void ReadBranding(SetupState& state, const KeyReader& read);
// Why the product name cannot name the program group and the entry of the
// installed programs, as one line that names the key, the file, the value
// and what is wrong; empty when it can. The modes that install refuse
// to start with such a name.
std::string BrandingProblem(const SetupState& state);

// The product name followed by " Setup   Ver. %d.%02d", made safe for
// formatting: a percent sign in the name shows as itself, and a name too long
// for the 259-character buffer is cut.
void BuildTitleFormat(SetupState& state);
// The title as every window shows it: the format's doubled percent signs as
// one, its two numbers as the version.
std::string FormatTitle(const SetupState& state);

enum class SetupMode { Install, Update, Pack, Unattended };
// Exact, case-sensitive comparison of the whole command-line text for
// "upgrade" and "split". The word "unattended" counts in any case and with a
// leading "/" or "-", and may be followed by a blank and the answers file.
SetupMode ChooseMode(const char* commandLine);
// The answers file named after "unattended", its quotes removed; empty when
// none is named.
std::string UnattendedAnswersFile(const char* commandLine);
