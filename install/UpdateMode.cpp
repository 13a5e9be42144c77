#include "install/UpdateMode.h"

#include <string>

#include "core/SetupConfig.h"
#include "package/JoinPackage.h"
#include "package/PieceFormat.h"
#include "platform/Folders.h"
#include "platform/Profile.h"

namespace {
constexpr unsigned kStartDelayMs = 5000;
}  // namespace

bool RunUpdateMode(SetupState& state, FileOps& files) {
  // A cut path would name a kq.ini in another folder.
  const std::string program = ProgramPath();
  const std::string ini = FolderIniPath(program);
  if (program.empty() || ini.size() >= static_cast<size_t>(kTextSize)) return false;

  // The product that started the update needs time to end and release its
  // files.
  files.Wait(kStartDelayMs);
  const bool joined = JoinPackage(kProductPackage, state, files) != JoinResult::kFailed;

  StoreText(state.m_szProductIni, ini);
  const std::string last = ReadProfileValue("Kq", "HelpUpgrade", "153", state.m_szProductIni);
  state.m_nPackageVersion =
      ReadDecimal(reinterpret_cast<const uint8_t*>(last.c_str()), last.size());

  const bool help = JoinPackage(kHelpPackage, state, files) != JoinResult::kFailed;
  if (state.m_nPackageVersion != 0) {
    WriteProfileValue("Kq", "HelpUpgrade", std::to_string(state.m_nPackageVersion).c_str(),
                      state.m_szProductIni);
  }
  return joined && help;
}
