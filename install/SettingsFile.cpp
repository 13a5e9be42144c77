#include "install/SettingsFile.h"

#include "core/Scramble.h"

namespace {

const char* YesNo(bool chosen) { return chosen ? "Yes" : "No"; }

std::string Scrambled(const std::string& value) {
  char text[kScrambledTextSize];
  ScrambleValue(value.c_str(), text);
  return text;
}

// Only values the reseller gave reach the installed file, in this order.
void AddOemValues(const SetupState& state, std::vector<SettingWrite>& writes) {
  static const struct {
    const char* key;
    const char (SetupState::*value)[kTextSize];
    int SetupState::*flag;
  } kOemKeys[] = {
      {"OEMProductName", &SetupState::m_szProductName, &SetupState::m_bOemProductName},
      {"OEMWebSite", &SetupState::m_szWebSite, &SetupState::m_bOemWebSite},
      {"OEMInfoEmail", &SetupState::m_szInfoEmail, &SetupState::m_bOemInfoEmail},
      {"OEMCompanyName", &SetupState::m_szCompanyName, &SetupState::m_bOemCompanyName},
      {"OEMServer", &SetupState::m_szServer, &SetupState::m_bServer},
      {"OEMServerDir", &SetupState::m_szServerDir, &SetupState::m_bServerDir},
      {"OEMServerMainPageName", &SetupState::m_szServerMainPage, &SetupState::m_bServerMainPage},
      {"OEMServerMainPageNameM", &SetupState::m_szServerMainPageM, &SetupState::m_bServerMainPageM},
  };
  for (const auto& oem : kOemKeys) {
    if (state.*oem.flag) writes.push_back({"Kq", oem.key, state.*oem.value});
  }
}

}  // namespace

std::vector<SettingWrite> SettingsOfStep(int step, const SetupState& state,
                                         const InstallAnswers& answers) {
  std::vector<SettingWrite> writes;
  switch (step) {
    case 1:
      writes.push_back({"Internet", "Ras", YesNo(answers.m_bUseDialUp)});
      AddOemValues(state, writes);
      break;
    case 2:
      writes.push_back({"Internet", "NonStandard", YesNo(answers.m_bUseAol)});
      writes.push_back({"Internet", "UseLAN", YesNo(answers.m_bUseLan)});
      break;
    case 3:
      writes.push_back({"Internet", "Proxy", Scrambled(answers.m_strProxy)});
      break;
    case 4:
      writes.push_back({"Internet", "RasPhone", Scrambled(answers.m_strRasPhone)});
      break;
    case 5:
      writes.push_back({"Internet", "RasUserId", Scrambled(answers.m_strRasUser)});
      break;
    case 6:
      writes.push_back({"Internet", "RasPassword", Scrambled(answers.m_strRasPassword)});
      break;
    case 7:
      writes.push_back({"Camera", "Numb", answers.m_strCameraCount});
      break;
    case 8:
      writes.push_back({"Kq", "Password", Scrambled(answers.m_strPassword)});
      break;
    default:
      break;
  }
  return writes;
}
