// What the installation writes into the product's settings file, step by
// step.
#pragma once

#include <string>
#include <vector>

#include "core/SetupState.h"

// The wizard's answers that reach the settings file.
struct InstallAnswers {
  bool m_bUseDialUp = false;
  bool m_bUseAol = false;
  bool m_bUseLan = false;
  std::string m_strProxy;
  std::string m_strRasPhone;
  std::string m_strRasUser;
  std::string m_strRasPassword;
  std::string m_strCameraCount;
  std::string m_strPassword;
};

struct SettingWrite {
  const char* section;
  const char* key;
  std::string value;
};

// The writes of installation step `step`, in order: none outside steps 1 to
// 8. Passwords and connection texts are scrambled with the time of the call.
std::vector<SettingWrite> SettingsOfStep(int step, const SetupState& state,
                                         const InstallAnswers& answers);
