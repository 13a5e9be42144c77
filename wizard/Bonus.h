// The connection optimisation page: tunes the Windows 9x TCP/IP registry
// values for a dial-up modem the moment "Optimize" is ticked, keeping the
// earlier values in the working folder's settings file, and puts them back
// when "No optimization" is ticked.
#pragma once

#include "app/SetupState.h"
#include "platform/PropertySheet.h"

class CBonus : public CPropertyPage {
 public:
  CBonus();
  BOOL OnSetActive() override;
  BOOL OnQueryCancel() override;

  HBITMAP m_hPicture = nullptr;
  BOOL m_bOptimized = FALSE;
  CWnd m_btnOptimize;
  CWnd m_btnNoOptimize;

 protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* dx) override;
  bool OnCommand(WORD id, WORD code) override;

 private:
  void OnOptimize();
  void OnNoOptimize();
  // Whether the tuning is in force in the registry now.
  static BOOL IsTuned();
  // False (after telling the user) on the NT family.
  static bool MayChangeRegistry();
  // The settings file of the working folder, its folders created; false
  // when the path does not fit.
  static bool PrepareSettingsFile(char (&path)[kTextSize]);
  // False (after telling the user) when there is nothing to tune.
  static bool HasSomethingToTune();
  // Saves every value the tuning replaces and reads it back; false (after
  // telling the user) when the backup is not whole.
  static bool BackUp(const char* settingsFile);
  static void Tune();
  static void Restore(const char* settingsFile);
  void SetMarks();

  static int ReadRegValue(const char* key, const char* name, char (&value)[kTextSize]);
  static void WriteRegValue(const char* key, const char* name, DWORD type, const char* text);
  static void WriteRegValue(const char* key, const char* name, DWORD type, int32_t number);
  static void DeleteRegValue(const char* key, const char* name);
};
