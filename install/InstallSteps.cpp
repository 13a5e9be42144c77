#include "install/InstallSteps.h"

#include <cctype>
#include <iterator>

#include "core/FolderPath.h"
#include "core/RunningSetup.h"
#include "core/SetupConfig.h"
#include "core/WorkFolderFiles.h"
#include "install/ProgramGroup.h"
#include "install/RecordingFileOps.h"
#include "install/UninstallEntry.h"
#include "package/JoinPackage.h"
#include "package/PackageCheck.h"
#include "platform/Folders.h"
#include "platform/Launch.h"
#include "platform/Profile.h"
#include "wizard/FolderRules.h"

namespace {

// Steps 16 to 26 copy the pictures, one per step.
constexpr int kFirstSettingsStep = 1;
constexpr int kLastSettingsStep = 8;
constexpr int kFirstPictureStep = 16;
constexpr int kLastPictureStep = kFirstPictureStep + static_cast<int>(std::size(kPictureFiles)) - 1;
constexpr int kRegistrationStep = 27;
constexpr int kLastStep = 30;
std::string JoinOutcome(JoinResult result) {
  switch (result) {
    case JoinResult::kJoined:
      return " joined, version " + std::to_string(RunningSetup().m_nPackageVersion);
    case JoinResult::kNoData:
      return ": no data pieces";
    case JoinResult::kNoPackage:
      return ": no pieces";
    case JoinResult::kFailed:
      break;
  }
  return ": join failed";
}

std::string StepText(int step, const std::string& what) {
  return "step " + std::to_string(step) + ": " + what;
}

}  // namespace

CInstallSteps::~CInstallSteps() { EndPieceSearch(); }

void CInstallSteps::SetAnswers(const InstallAnswers& answers, const std::string& folder) {
  m_answers = answers;
  m_strFolder = folder;
}

void CInstallSteps::Record(RecordKind kind, const std::string& value) {
  if (m_record.Add(kind, value)) m_bRecordChanged = true;
}

void CInstallSteps::RecordMissingFolders() {
  for (const std::string& level : FolderLevels(m_strFolder))
    if (!FolderExists(level.c_str())) Record(RecordKind::Folder, level);
}

void CInstallSteps::RunInstallStep() {
  const int step = m_nStep;
  if (step >= kFirstSettingsStep && step <= kLastSettingsStep) {
    m_nStep = step + 1;
    WriteSettings(step);
  } else if (step >= kFirstPictureStep && step <= kLastPictureStep) {
    m_nStep = step + 1;
    CopyToWorkFolder(step, kPictureFiles[step - kFirstPictureStep]);
  } else {
    switch (step) {
      case 0:
        m_nStep = 1;
        if (!PrepareWorkFolder()) return;
        break;
      case 9:
        m_nStep = 10;
        StartPieceSearch();
        CopyNextPiece();
        break;
      case 10:
        CopyNextPiece();
        break;
      case 11:
        m_nStep = 12;
        CopyToWorkFolder(step, kSetupProgram);
        break;
      case 12:
        m_nStep = 14;
        CopyToWorkFolder(step, kUninstaller);
        break;
      case 14:
        m_nStep = 15;
        JoinPackages();
        break;
      case 15:
        m_nStep = 16;
        CreateGroup();
        break;
      case kRegistrationStep:
        m_nStep = step + 1;
        RegisterWithWindows();
        break;
      case 28:
      case 29:
        m_nStep = step + 1;
        break;
      case kLastStep:
        // Once, after the last step: the product is not whole, though
        // every other step has run.
        if (!m_failedJoins.empty()) {
          Note(StepText(step, FailedJoinsMessage(m_failedJoins)));
          ReportFailedJoins(FailedJoinsMessage(m_failedJoins));
        }
        Note(StepText(step, "installation ended"));
        FinishRun();
        break;
      default:
        break;
    }
  }
  // The pieces are recorded together once the search has ended, not one
  // save per piece.
  if (m_bRecordChanged && m_nStep != 10) SaveRecord();
}

bool CInstallSteps::PrepareWorkFolder() {
  // The distribution's folder comes from the program's path: a dialog of
  // the wizard may have left another folder current.
  StoreText(m_szSetupDir, RunningSetup().m_szSetupDir);
  if (RealFileOps().SameFile(m_strFolder, m_szSetupDir)) {
    Note(StepText(0, kSetupFolderRefusal));
    RefuseRun(kSetupFolderRefusal);
    return false;
  }
  const std::string ini = WorkFolderPath(kSettingsFileName);
  m_bSettingsPathOk = ini.size() < static_cast<size_t>(kTextSize);
  StoreText(RunningSetup().m_szProductIni, m_bSettingsPathOk ? ini : std::string());
  m_nInstallDrive =
      HasDriveLetter(ini.c_str()) ? std::toupper(static_cast<unsigned char>(ini[0])) - 64 : 0;
  m_nSavedDrive = GetCurrentDrive();

  // An earlier installation into the same folder keeps what it recorded.
  InstallRecord earlier;
  if (InstallRecord::Load(WorkFolderPath(kInstallRecordName), earlier)) m_record.Merge(earlier);
  RecordMissingFolders();
  std::string folders = ini;
  CreateFolderPath(&folders[0]);
  ReturnToSetupFolder();
  const bool made = FolderExists(m_strFolder.c_str());
  if (!made) m_bComplete = false;
  Note(
      StepText(0, (made ? "working folder " : "working folder could not be made: ") + m_strFolder));
  return true;
}

void CInstallSteps::WriteSettings(int step) {
  if (!m_bSettingsPathOk) return;
  Record(RecordKind::File, kSettingsFileName);
  for (const SettingWrite& write : SettingsOfStep(step, RunningSetup(), m_answers)) {
    WriteProfileValue(write.section, write.key, write.value.c_str(), RunningSetup().m_szProductIni);
    Note(StepText(step, std::string("kq.ini ") + write.section + "/" + write.key + " written"));
  }
}

void CInstallSteps::StartPieceSearch() {
  m_hFind = FindFirstFileA("*.cab", &m_findData);
  m_nFindResult = m_hFind == INVALID_HANDLE_VALUE ? -1 : 0;
  SkipFolders();
}

void CInstallSteps::FindNextPiece() {
  m_nFindResult = FindNextFileA(m_hFind, &m_findData) ? 0 : -1;
  SkipFolders();
}

void CInstallSteps::SkipFolders() {
  while (m_nFindResult != -1 && (m_findData.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
    m_nFindResult = FindNextFileA(m_hFind, &m_findData) ? 0 : -1;
  if (m_nFindResult == -1) EndPieceSearch();
}

void CInstallSteps::EndPieceSearch() {
  if (m_hFind != INVALID_HANDLE_VALUE) FindClose(m_hFind);
  m_hFind = INVALID_HANDLE_VALUE;
}

void CInstallSteps::CopyNextPiece() {
  if (m_nFindResult == -1) {
    m_nStep = 11;
    Note(StepText(10, std::to_string(m_nPieceCount) + " pieces copied"));
    return;
  }
  ++m_nPieceCount;
  const std::string piece = m_findData.cFileName;
  const std::string target = WorkFolderPath(piece.c_str());
  // The copy may have made the file before it failed.
  Record(RecordKind::File, piece);
  while (!CopyBinaryFile(piece.c_str(), target.c_str())) {
    const std::string message = "Reading file error (file:" + piece + ")";
    if (!RetryPieceCopy(message)) {
      Note(StepText(10, message + ": installation given up"));
      m_bComplete = false;
      EndPieceSearch();
      SaveRecord();
      CancelRun();
      return;
    }
  }
  Note(StepText(10, "copied " + piece));
  FindNextPiece();
}

void CInstallSteps::JoinPackages() {
  // The joins delete the pieces where they run, so they run only once the
  // working folder is really current, never in the setup folder.
  const char* path = m_strFolder.c_str() + (m_nInstallDrive ? 2 : 0);
  const bool entered = (!m_nInstallDrive || (ChangeDrive(m_nInstallDrive) && ChangeFolder("\\"))) &&
                       (!*path || ChangeFolder(path));
  if (entered) {
    RecordingFileOps files(RealFileOps());
    for (const char* package : {"kq", "ch"}) {
      const JoinResult result = JoinPackage(package, RunningSetup(), files);
      if (result == JoinResult::kFailed) m_failedJoins.push_back(package);
      Note(StepText(14, std::string("package ") + package + JoinOutcome(result)));
    }
    for (const std::string& written : files.Written()) Record(RecordKind::File, written);
    if (CanOpenForReading("spchapi.exe")) {
      for (const char* installer : {"spchapi.exe /Q", "msttsm22l.exe /Q"}) {
        const bool started = StartProgram(installer);
        Note(StepText(14, std::string(started ? "started " : "could not start ") + installer));
      }
    }
  } else {
    m_failedJoins = {"kq", "ch"};
    Note(StepText(14, "working folder could not be entered: nothing joined"));
  }
  ReturnToSetupFolder();
}

void CInstallSteps::CreateGroup() {
  const ProgramGroupMade made = CreateProgramGroup(RunningSetup().m_szProductName, m_strFolder);
  if (made.byProgramManager) {
    Record(RecordKind::Group, RunningSetup().m_szProductName);
    Note(StepText(15, std::string("program group ") + RunningSetup().m_szProductName));
  } else if (!made.shortcutFolder.empty()) {
    Record(RecordKind::Folder, made.shortcutFolder);
    for (const std::string& shortcut : made.shortcuts) Record(RecordKind::Shortcut, shortcut);
    Note(StepText(15, "no Program Manager: program group as shortcuts in " + made.shortcutFolder));
  } else {
    Note(StepText(15, "no program group could be made"));
  }
}

void CInstallSteps::RegisterWithWindows() {
  const UninstallRegistration registration = RegisterUninstallEntry(RunningSetup(), m_strFolder);
  for (const std::string& key : registration.createdKeys) Record(RecordKind::RegistryKey, key);
  if (registration.registered) Record(RecordKind::UninstallEntry, registration.entryKey);
  Note(StepText(kRegistrationStep, (registration.registered ? "registered as installed program: "
                                                            : "could not register: ") +
                                       registration.entryKey));
}

void CInstallSteps::ReturnToSetupFolder() {
  ChangeDrive(m_nSavedDrive);
  ChangeFolder(m_szSetupDir);
}

void CInstallSteps::CopyToWorkFolder(int step, const char* name) {
  // A file the distribution lacks is skipped without a word.
  if (!CanOpenForReading(name)) {
    Note(StepText(step, std::string(name) + " not in the distribution"));
    return;
  }
  Record(RecordKind::File, name);
  const bool copied = CopyBinaryFile(name, WorkFolderPath(name).c_str()) != 0;
  if (!copied) m_bComplete = false;
  Note(StepText(step, std::string(copied ? "copied " : "could not copy ") + name));
}

std::string CInstallSteps::WorkFolderPath(const char* name) const {
  return m_strFolder + "\\" + name;
}

void CInstallSteps::SaveRecord() {
  if (!FolderExists(m_strFolder.c_str())) return;
  m_bRecordChanged = !m_record.Save(WorkFolderPath(kInstallRecordName));
}
