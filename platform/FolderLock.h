// One installation or removal at a time per working folder: a named lock
// that the wizard's installation, the unattended installation and the
// uninstaller all take before they touch the folder.
#pragma once

#include <string>

// How long a second run waits for the first before it gives up.
constexpr unsigned kFolderLockWaitMs = 15000;

class FolderLock {
 public:
  // Waits up to `waitMs` for the lock on `folder`.
  FolderLock(const std::string& folder, unsigned waitMs);
  ~FolderLock();
  FolderLock(const FolderLock&) = delete;
  FolderLock& operator=(const FolderLock&) = delete;

  bool Held() const { return m_bHeld; }

 private:
  void* m_hMutex = nullptr;
  bool m_bHeld = false;
};
