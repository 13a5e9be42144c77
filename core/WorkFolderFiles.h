// The names the installation writes into the working folder.
#pragma once

constexpr char kSettingsFileName[] = "kq.ini";
constexpr char kSetupProgram[] = "setup.exe";
constexpr char kUninstaller[] = "uninst.exe";
// The product's program, joined from the package "kq"; the program group
// and the installed programs' entry start it.
constexpr char kProductProgram[] = "kq.exe";
// The uninstaller as the program group and the installed programs' entry
// start it; file names compare without regard to case.
constexpr char kUninstallerCommand[] = "Uninst.exe";
// What the installation put there, for the uninstaller.
constexpr char kInstallRecordName[] = "install.rec";
// Copied one per tick near the end of the run.
constexpr const char* kPictureFiles[] = {
    "KQCameraLogo.jpg", "KQProgramingLogo.jpg", "KQBonusLogo.jpg", "KQAboutLogo.jpg",
    "KQIntroLogo.jpg",  "KQExitLogo.jpg",       "KQSetup1.jpg",    "KQSetup2.jpg",
    "KQSetup3.jpg",     "KQSetup4.jpg",         "KQSetup5.jpg",
};
