#include "install/InstallSteps.h"

#include <cctype>
#include <iterator>

#include "core/FolderPath.h"
#include "core/PathReading.h"
#include "core/RunningSetup.h"
#include "core/SetupConfig.h"
#include "core/WorkFolderFiles.h"
#include "install/DistributionPieces.h"
#include "install/RecordingFileOps.h"
#include "install/UninstallEntry.h"
#include "package/JoinPackage.h"
#include "package/PackageCheck.h"
#include "package/PieceFormat.h"
#include "platform/Folders.h"
#include "platform/Launch.h"
#include "platform/Profile.h"
#include "platform/SystemError.h"
#include "wizard/FolderRules.h"

namespace {

// The steps by what they do. The numbers are the progress bar's ticks:
// the piece copy step counts once per piece, 13 is passed over, and 28 and
// 29 do nothing but keep the bar's last ticks.
constexpr int kPrepareStep = 0;
// One group of settings file keys per step.
constexpr int kFirstSettingsStep = 1;
constexpr int kLastSettingsStep = 8;
constexpr int kPieceSearchStep = 9;
// Runs once per piece until the search ends.
constexpr int kPieceCopyStep = 10;
constexpr int kSetupCopyStep = 11;
constexpr int kUninstallerCopyStep = 12;
constexpr int kJoinStep = 14;
constexpr int kGroupStep = 15;
// One picture per step.
constexpr int kFirstPictureStep = 16;
constexpr int kLastPictureStep = kFirstPictureStep + static_cast<int>(std::size(kPictureFiles)) - 1;
constexpr int kRegistrationStep = 27;
constexpr int kFirstIdleStep = 28;
constexpr int kLastIdleStep = 29;
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

// Why the folders of `folder` are not all there after an attempt to make
// them: the first level that is a file or that the system refuses.
std::string WhyFolderIsMissing(const std::string& folder) {
  for (const std::string& level : FolderLevels(folder)) {
    if (FolderExists(level.c_str())) continue;
    if (RealFileOps().Exists(level)) return level + " is a file";
    if (!MakeFolder(level.c_str())) return LastErrorText();
    RemoveFolder(level.c_str());
  }
  return "it could not be found after it was made";
}

// The packages that the installation joins, in this order.
const std::vector<std::string> kPackages = {kProductPackage, kHelpPackage};

}  // namespace

InstallSteps::~InstallSteps() { EndPieceSearch(); }

void InstallSteps::SetAnswers(const InstallAnswers& answers, const std::string& folder) {
  m_answers = answers;
  m_strFolder = folder;
  m_record.SetFolder(folder);
  m_nStep = kPrepareStep;
  m_nPieceCount = 0;
}

bool InstallSteps::LockWorkFolder() {
  if (m_lock && m_lock->Held()) return true;
  m_lock = std::make_unique<FolderLock>(m_strFolder, kFolderLockWaitMs);
  if (m_lock->Held()) return true;
  const std::string message = "Another installation or removal is using " + m_strFolder +
                              "; it did not end within " +
                              std::to_string(kFolderLockWaitMs / 1000) +
                              " seconds. Nothing was changed. Please try again later.";
  NoteFailure(StepText(kPrepareStep, message));
  StopRun(message);
  return false;
}

void InstallSteps::RunInstallStep() {
  const int step = m_nStep;
  if (step >= kFirstSettingsStep && step <= kLastSettingsStep) {
    m_nStep = step + 1;
    WriteSettings(step);
  } else if (step >= kFirstPictureStep && step <= kLastPictureStep) {
    m_nStep = step + 1;
    CopyToWorkFolder(step, kPictureFiles[step - kFirstPictureStep]);
  } else {
    switch (step) {
      case kPrepareStep:
        m_nStep = kFirstSettingsStep;
        if (!PrepareWorkFolder()) return;
        break;
      case kPieceSearchStep:
        m_nStep = kPieceCopyStep;
        StartPieceSearch();
        CopyNextPiece();
        break;
      case kPieceCopyStep:
        CopyNextPiece();
        break;
      case kSetupCopyStep:
        m_nStep = kUninstallerCopyStep;
        CopyToWorkFolder(step, kSetupProgram);
        break;
      case kUninstallerCopyStep:
        m_nStep = kJoinStep;
        CopyToWorkFolder(step, kUninstaller);
        break;
      case kJoinStep:
        m_nStep = kGroupStep;
        JoinPackages();
        break;
      case kGroupStep:
        m_nStep = kFirstPictureStep;
        CreateGroup();
        break;
      case kRegistrationStep:
        m_nStep = step + 1;
        RegisterWithWindows();
        break;
      case kFirstIdleStep:
      case kLastIdleStep:
        m_nStep = step + 1;
        break;
      case kLastStep:
        // Once, after the last step: the product is not whole, though
        // every other step has run.
        if (const std::string problems = EndProblems(); !problems.empty()) {
          Note(StepText(step, problems));
          ReportIncomplete(problems);
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
  if (m_record.Unsaved() && m_nStep != kPieceCopyStep) m_record.Save();
}

bool InstallSteps::PrepareWorkFolder() {
  // The distribution's folder comes from the program's path: a dialog of
  // the wizard may have left another folder current.
  StoreText(m_szSetupDir, RunningSetup().m_szSetupDir);
  if (RealFileOps().SameFile(m_strFolder, m_szSetupDir)) {
    NoteFailure(StepText(kPrepareStep, kSetupFolderRefusal));
    StopRun(kSetupFolderRefusal);
    return false;
  }
  // Another run into the same folder would interleave its copies, joins
  // and record with this one's.
  if (!LockWorkFolder()) return false;
  const std::string ini = WorkFolderPath(kSettingsFileName);
  m_bSettingsPathOk = ini.size() < static_cast<size_t>(kTextSize);
  StoreText(RunningSetup().m_szProductIni, m_bSettingsPathOk ? ini : std::string());
  m_nInstallDrive = HasDriveLetter(ini) ? std::toupper(static_cast<unsigned char>(ini[0])) - 64 : 0;
  m_nSavedDrive = GetCurrentDrive();

  m_record.KeepEarlierRecord();
  m_record.AddMissingFolders();
  std::string folders = ini;
  CreateFolderPath(&folders[0]);
  ReturnToSetupFolder();
  if (!FolderExists(m_strFolder.c_str())) {
    EndWithFailure(kPrepareStep, "The working folder " + m_strFolder + " could not be made: " +
                                     WhyFolderIsMissing(m_strFolder) + ".");
    return false;
  }
  Note(StepText(kPrepareStep, "working folder " + m_strFolder));
  return true;
}

void InstallSteps::EndWithFailure(int step, const std::string& message) {
  m_bComplete = false;
  NoteFailure(StepText(step, message));
  m_record.SaveOrTakeAwayMadeFolders();
  StopRun(message);
}

void InstallSteps::WriteSettings(int step) {
  if (!m_bSettingsPathOk) return;
  m_record.Add(RecordKind::File, kSettingsFileName);
  for (const SettingWrite& write : SettingsOfStep(step, RunningSetup(), m_answers)) {
    if (!WriteProfileValue(write.section, write.key, write.value.c_str(),
                           RunningSetup().m_szProductIni)) {
      EndWithFailure(step, std::string(kSettingsFileName) + " could not be written in " +
                               m_strFolder + ": " + LastErrorText());
      return;
    }
    Note(StepText(
        step, std::string(kSettingsFileName) + " " + write.section + "/" + write.key + " written"));
  }
}

void InstallSteps::StartPieceSearch() {
  m_hFind = FindFirstFileA("*.cab", &m_findData);
  m_nFindResult = m_hFind == INVALID_HANDLE_VALUE ? -1 : 0;
  SkipFolders();
}

void InstallSteps::FindNextPiece() {
  m_nFindResult = FindNextFileA(m_hFind, &m_findData) ? 0 : -1;
  SkipFolders();
}

void InstallSteps::SkipFolders() {
  // Pieces that the joins read from the distribution are not copied.
  while (m_nFindResult != -1 &&
         ((m_findData.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ||
          (m_bJoinFromDistribution && IsPieceOfAny(m_findData.cFileName, kPackages))))
    m_nFindResult = FindNextFileA(m_hFind, &m_findData) ? 0 : -1;
  if (m_nFindResult == -1) EndPieceSearch();
}

void InstallSteps::EndPieceSearch() {
  if (m_hFind != INVALID_HANDLE_VALUE) FindClose(m_hFind);
  m_hFind = INVALID_HANDLE_VALUE;
}

void InstallSteps::CopyNextPiece() {
  if (m_nFindResult == -1) {
    m_nStep = kSetupCopyStep;
    Note(StepText(kPieceCopyStep, std::to_string(m_nPieceCount) + " pieces copied"));
    return;
  }
  ++m_nPieceCount;
  const std::string piece = m_findData.cFileName;
  const std::string target = WorkFolderPath(piece.c_str());
  // The copy may have made the file before it failed.
  m_record.Add(RecordKind::File, piece);
  while (!CopyBinaryFile(piece.c_str(), target.c_str())) {
    // The question keeps its words; the log says which side failed.
    const std::string why = CanOpenForReading(piece.c_str())
                                ? "could not be written to " + m_strFolder + ": " + LastErrorText()
                                : "could not be read";
    if (!RetryPieceCopy("Reading file error (file:" + piece + ")")) {
      NoteFailure(StepText(kPieceCopyStep, piece + " " + why + ": installation given up"));
      m_bComplete = false;
      EndPieceSearch();
      m_record.Save();
      CancelRun();
      return;
    }
  }
  Note(StepText(kPieceCopyStep, "copied " + piece));
  FindNextPiece();
}

void InstallSteps::JoinPackages() {
  // The joins delete the pieces where they run, so they run only once the
  // working folder is really current, never in the setup folder.
  const char* path = m_strFolder.c_str() + (m_nInstallDrive ? 2 : 0);
  const bool entered = (!m_nInstallDrive || (ChangeDrive(m_nInstallDrive) && ChangeFolder("\\"))) &&
                       (!*path || ChangeFolder(path));
  if (entered) {
    const std::unique_ptr<FileOps> distribution = FolderFileOps(m_szSetupDir);
    DistributionPieces fromDistribution(*distribution, RealFileOps(), kPackages);
    RecordingFileOps files(m_bJoinFromDistribution ? fromDistribution : RealFileOps());
    for (const std::string& package : kPackages) {
      const JoinResult result = JoinPackage(package.c_str(), RunningSetup(), files);
      const std::string outcome = StepText(kJoinStep, "package " + package + JoinOutcome(result));
      if (result == JoinResult::kFailed) {
        m_failedJoins.push_back(package);
        NoteFailure(outcome);
      } else {
        Note(outcome);
      }
    }
    for (const std::string& written : files.Written()) m_record.Add(RecordKind::File, written);
    if (CanOpenForReading("spchapi.exe")) {
      for (const char* installer : {"spchapi.exe /Q", "msttsm22l.exe /Q"}) {
        const bool started = StartProgram(installer);
        Note(StepText(kJoinStep,
                      std::string(started ? "started " : "could not start ") + installer));
      }
    }
  } else {
    m_failedJoins = kPackages;
    Note(StepText(kJoinStep, "working folder could not be entered: nothing joined"));
  }
  ReturnToSetupFolder();
}

void InstallSteps::CreateGroup() {
  const char* group = RunningSetup().m_szProductName;
  const ProgramGroupMade made = MakeProgramGroup(group, m_strFolder);
  m_bGroupMade = made.Made();
  if (made.byProgramManager) {
    m_record.Add(RecordKind::Group, group);
    Note(StepText(kGroupStep,
                  std::string("program group ") + group +
                      (made.folderMissing ? ": Program Manager accepted it, but no folder of "
                                            "it appeared in the Start menu"
                                          : "")));
  } else if (!made.shortcutFolder.empty()) {
    m_record.Add(RecordKind::Folder, made.shortcutFolder);
    for (const std::string& shortcut : made.shortcuts) m_record.Add(RecordKind::Shortcut, shortcut);
    Note(StepText(kGroupStep,
                  "no Program Manager: program group as shortcuts in " + made.shortcutFolder));
  } else {
    Note(StepText(kGroupStep, "no program group could be made"));
  }
}

std::string InstallSteps::EndProblems() const {
  std::string problems;
  if (!m_failedJoins.empty()) problems = FailedJoinsMessage(m_failedJoins);
  if (!m_bGroupMade) {
    if (!problems.empty()) problems += "\n\n";
    problems += GroupNotMadeMessage(RunningSetup().m_szProductName, m_strFolder);
  }
  return problems;
}

void InstallSteps::RegisterWithWindows() {
  const UninstallRegistration registration = RegisterUninstallEntry(RunningSetup(), m_strFolder);
  for (const std::string& key : registration.createdKeys)
    m_record.Add(RecordKind::RegistryKey, key);
  if (registration.registered) m_record.Add(RecordKind::UninstallEntry, registration.entryKey);
  Note(StepText(kRegistrationStep, (registration.registered ? "registered as installed program: "
                                                            : "could not register: ") +
                                       registration.entryKey));
}

void InstallSteps::ReturnToSetupFolder() {
  ChangeDrive(m_nSavedDrive);
  ChangeFolder(m_szSetupDir);
}

void InstallSteps::CopyToWorkFolder(int step, const char* name) {
  // A file the distribution lacks is skipped without a word.
  if (!CanOpenForReading(name)) {
    Note(StepText(step, std::string(name) + " not in the distribution"));
    return;
  }
  m_record.Add(RecordKind::File, name);
  if (CopyBinaryFile(name, WorkFolderPath(name).c_str())) {
    Note(StepText(step, std::string("copied ") + name));
    return;
  }
  m_bComplete = false;
  NoteFailure(StepText(
      step, std::string(name) + " could not be copied to " + m_strFolder + ": " + LastErrorText()));
}

std::string InstallSteps::WorkFolderPath(const char* name) const {
  return JoinPath(m_strFolder, name);
}
