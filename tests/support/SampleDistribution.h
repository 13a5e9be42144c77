// A sample distribution made for a black-box test: setup.exe, uninst.exe,
// the kq and ch pieces cut from the sample product files and stand-ins, two
// pictures.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "package/PackageWriter.h"
#include "platform/Folders.h"
#include "platform/Win32.h"
#include "tests/driver/Process.h"
#include "tests/support/InstallChecks.h"

// The source tree, as the test program sees it.
inline std::string SourceRoot() {
  std::string file = ui::WindowsPath(__FILE__);
  for (int up = 0; up < 3; ++up) file = file.substr(0, file.find_last_of("\\/"));
  return file;
}

// A file of the Windows build, named relative to setup.exe's folder.
inline std::string BuildFile(const std::string& relative) {
  const std::string setup = ui::WindowsPath(SETUP_EXE_PATH);
  return setup.substr(0, setup.find_last_of('\\')) + "\\" + relative;
}

// The setup and the uninstaller that a distribution carries.
struct Programs {
  std::string setup;
  std::string uninst;
};

// This build's own.
inline Programs TestPrograms() {
  return {ui::WindowsPath(SETUP_EXE_PATH), BuildFile("uninst\\uninst.exe")};
}

// The release of the same flavour, built with the release's flags and thread
// model beside this build (scripts/steps/build-release.sh).
inline Programs ReleasePrograms() {
  const std::string folder = ui::WindowsPath(SETUP_RELEASE_DIR);
  return {folder + "\\setup.exe", folder + "\\uninst\\uninst.exe"};
}

// Makes the distribution in `dist`, replacing what was there.
inline std::string MakeDistribution(const std::string& dist,
                                    const Programs& programs = TestPrograms()) {
  RemoveTree(dist);
  CreateDirectoryA(dist.c_str(), nullptr);
  const std::string source = dist + "-source";
  RemoveTree(source);
  CreateDirectoryA(source.c_str(), nullptr);
  const std::vector<std::string> kq = {"kq.exe"};
  const std::vector<std::string> ch = {"index.html", "help.html", "spchapi.exe", "msttsm22l.exe"};
  for (const char* file : {"kq.exe", "spchapi.exe", "msttsm22l.exe"})
    CopyFileA(BuildFile(std::string("tools\\standins\\") + file).c_str(),
              (source + "\\" + file).c_str(), FALSE);
  for (const char* file : {"index.html", "help.html"})
    CopyFileA((SourceRoot() + "\\samples\\ch\\" + file).c_str(), (source + "\\" + file).c_str(),
              FALSE);
  EXPECT_TRUE(PackPackage("kq", 1, kq, *FolderFileOps(source), *FolderFileOps(dist)).ok);
  EXPECT_TRUE(PackPackage("ch", 160, ch, *FolderFileOps(source), *FolderFileOps(dist)).ok);
  RemoveTree(source);
  EXPECT_TRUE(CopyFileA(programs.setup.c_str(), (dist + "\\setup.exe").c_str(), FALSE))
      << programs.setup;
  EXPECT_TRUE(CopyFileA(programs.uninst.c_str(), (dist + "\\uninst.exe").c_str(), FALSE))
      << programs.uninst;
  const std::string photo = SourceRoot() + "\\tests\\pictures\\photo-168x224.jpg";
  for (const char* picture : {"KQSetup2.jpg", "KQAboutLogo.jpg"})
    CopyFileA(photo.c_str(), (dist + "\\" + picture).c_str(), FALSE);
  return dist;
}

// A distribution folder named `name` in the test's current folder.
inline std::string MakeDistributionHere(const std::string& name) {
  return MakeDistribution(GetCurrentFolder() + "\\" + name);
}
