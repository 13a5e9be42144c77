// The Start menu group as the shell shows it: the group's folder in the
// user's Programs folder and what each of its shortcut files points at.
#pragma once

#include <windows.h>

#include <objbase.h>
#include <shlobj.h>

#include <cstdlib>
#include <string>

inline std::string StartMenuGroup(const std::string& group) {
  const char* appData = std::getenv("APPDATA");
  return std::string(appData ? appData : "") + "\\Microsoft\\Windows\\Start Menu\\Programs\\" +
         group;
}

struct Shortcut {
  std::string target;
  std::string workingFolder;
  bool operator==(const Shortcut& other) const {
    return target == other.target && workingFolder == other.workingFolder;
  }
};

// What a shortcut file starts, read through the shell's link interface;
// empty when it cannot be read.
inline Shortcut ReadShortcut(const std::string& linkFile) {
  Shortcut shortcut;
  CoInitialize(nullptr);
  IShellLinkA* link = nullptr;
  if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                 reinterpret_cast<void**>(&link)))) {
    IPersistFile* file = nullptr;
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
      const std::wstring wide(linkFile.begin(), linkFile.end());
      char text[MAX_PATH] = {};
      if (SUCCEEDED(file->Load(wide.c_str(), STGM_READ)) &&
          SUCCEEDED(link->GetPath(text, MAX_PATH, nullptr, SLGP_RAWPATH))) {
        shortcut.target = text;
        text[0] = '\0';
        link->GetWorkingDirectory(text, MAX_PATH);
        shortcut.workingFolder = text;
      }
      file->Release();
    }
    link->Release();
  }
  CoUninitialize();
  return shortcut;
}
