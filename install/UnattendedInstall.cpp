#include "install/UnattendedInstall.h"

#include "core/FolderPath.h"
#include "core/PathReading.h"
#include "core/RunningSetup.h"
#include "core/SetupConfig.h"
#include "install/InstallLog.h"
#include "install/InstallSteps.h"
#include "install/UnattendedAnswers.h"
#include "package/PackageCheck.h"
#include "package/PieceFormat.h"
#include "platform/Folders.h"
#include "platform/Profile.h"
#include "platform/StandardError.h"
#include "platform/SystemError.h"
#include "platform/SystemVersion.h"
#include "platform/WinApp.h"
#include "wizard/DialUpTuning.h"
#include "wizard/FolderRules.h"

namespace {

// Longer answers than any key takes are read whole, so that a long one is
// refused rather than cut.
constexpr size_t kAnswerBufferSize = 4096;
// What the file functions take: 259 characters and the terminator.
constexpr size_t kMaxPathLength = kTextSize - 1;

// What ends a run goes to the log and to standard error, for the script
// that started it.
void Report(InstallLog& log, const std::string& line) {
  log.Line(line);
  WriteStandardError(AfxGetAppName() + ": " + line);
}

int Refuse(InstallLog& log, const std::string& key, const std::string& message) {
  Report(log, "answer " + key + " refused: " + message);
  log.Line("nothing installed");
  return kUnattendedRefused;
}

// Where the log goes: a whole path, opened at once or, inside a part of
// the working folder that the run is about to make, once step 0 made it.
struct LogPlace {
  std::string path;
  bool waitsForFolder = false;
};

// Opens the log or finds that it must wait for the working folder `folder`
// (empty when it is not known). Returns why the log can never be opened,
// empty when it is placed.
std::string PlaceLog(InstallLog& log, const std::string& answer, const std::string& folder,
                     LogPlace& place) {
  place.path = answer.size() > kMaxPathLength ? answer : FullPath(answer.c_str());
  if (place.path.size() > kMaxPathLength)
    return "the log's path has " + std::to_string(place.path.size()) +
           " characters; a path may hold at most " + std::to_string(kMaxPathLength);
  const size_t slash = place.path.find_last_of('\\');
  const std::string logFolder = place.path.substr(0, slash == 2 ? 3 : slash);
  if (FolderExists(logFolder.c_str()))
    return log.Open(place.path) ? std::string()
                                : place.path + " cannot be written: " + LastErrorText();
  if (!IsInsideFolder(place.path, folder))
    return "the log's folder " + logFolder + " does not exist";
  place.waitsForFolder = true;
  return std::string();
}

class UnattendedInstall : public InstallSteps {
 public:
  UnattendedInstall(const UnattendedAnswers& answers, InstallLog& log, const LogPlace& logPlace)
      : m_answers(answers), m_log(log), m_logPlace(logPlace) {}

  int Run() {
    SetAnswers(m_answers.m_answers, m_answers.m_strFolder);
    JoinFromDistribution();
    // Before the tuning, which writes into the working folder too.
    if (!LockWorkFolder()) return kUnattendedFailed;
    if (!m_logPlace.path.empty()) m_record.Add(RecordKind::Log, m_logPlace.path);
    // The tuning may make the working folder before step 0 looks.
    m_record.AddMissingFolders();
    Optimize();
    while (!m_bEnded) {
      RunInstallStep();
      if (m_nStep > 0 && m_logPlace.waitsForFolder && !m_bEnded) OpenLogInWorkFolder();
    }
    return !m_bGaveUp && Complete() ? kUnattendedInstalled : kUnattendedFailed;
  }

 protected:
  bool RetryPieceCopy(const std::string&) override { return false; }
  void CancelRun() override { m_bEnded = m_bGaveUp = true; }
  void StopRun(const std::string&) override { m_bEnded = m_bGaveUp = true; }
  // The log has the message already.
  void ReportIncomplete(const std::string&) override {}
  void FinishRun() override { m_bEnded = true; }
  void Note(const std::string& line) override { m_log.Line(line); }
  void NoteFailure(const std::string& line) override { Report(m_log, line); }
  // Program Manager's shell would leave a window of the new group open
  // after the run.
  ProgramGroupMade MakeProgramGroup(const std::string& group, const std::string& folder) override {
    return CreateShortcutProgramGroup(group, folder);
  }

 private:
  // The log's folders below the working folder, made and recorded like the
  // working folder's own, then the lines kept so far.
  void OpenLogInWorkFolder() {
    m_logPlace.waitsForFolder = false;
    const std::string& folder = m_answers.m_strFolder;
    const std::string logFolder = m_logPlace.path.substr(0, m_logPlace.path.find_last_of('\\'));
    for (const std::string& level : FolderLevels(logFolder)) {
      if (level.size() <= folder.size() || FolderExists(level.c_str())) continue;
      m_record.Add(RecordKind::Folder, level);
      MakeFolder(level.c_str());
    }
    if (m_log.Open(m_logPlace.path)) return;
    const std::string why = LastErrorText();
    Report(m_log, "the log " + m_logPlace.path + " could not be created: " + why);
    m_bEnded = m_bGaveUp = true;
  }

  // What the connection optimisation page does when its box is clicked.
  void Optimize() {
    if (m_answers.m_optimize == Optimization::Keep) return;
    if (IsNtFamily()) {
      m_log.Line(std::string("answer Optimize: ") + kCantOptimizeNt);
      return;
    }
    const bool wanted = m_answers.m_optimize == Optimization::Yes;
    const std::string& folder = m_answers.m_strFolder;
    if (IsDialUpTuned() == wanted) {
      m_log.Line(wanted ? "dial-up optimisation already in force"
                        : "no dial-up optimisation in force");
    } else if (wanted
                   ? OptimizeDialUp(folder, [this](const std::string& text) { m_log.Line(text); })
                   : UndoDialUpTuning(folder)) {
      m_log.Line(wanted ? "dial-up connection optimised, earlier values kept in kq.ini"
                        : "dial-up optimisation undone from the values kept in kq.ini");
    }
  }

  const UnattendedAnswers& m_answers;
  InstallLog& m_log;
  LogPlace m_logPlace;
  bool m_bEnded = false;
  bool m_bGaveUp = false;
};

}  // namespace

int RunUnattendedInstall(const std::string& answersFile) {
  // A relative name would make the profile functions look in the Windows
  // folder.
  const std::string file =
      answersFile.empty() ? RunningSetup().m_szSetupIni : FullPath(answersFile.c_str());
  UnattendedAnswers answers;
  const AnswerProblem problem = ReadUnattendedAnswers(
      [&file](const char* key, const char* defaultValue) {
        return ReadProfileValue(kUnattendedSection, key, defaultValue, file.c_str(),
                                kAnswerBufferSize);
      },
      ReadProfileKeys(kUnattendedSection, file.c_str()), answers);
  const bool accepted = problem.message.empty();
  // The lines wait until the log is opened, or go nowhere without one.
  InstallLog log("",
                 answers.m_strLog.empty() ? InstallLog::Start::Afresh : InstallLog::Start::Later);
  log.Line(kUnattendedLogStart + file);
  LogPlace logPlace;
  // A refused answer is reported whether or not the log can take it.
  const std::string logProblem =
      answers.m_strLog.empty()
          ? std::string()
          : PlaceLog(log, answers.m_strLog, accepted ? answers.m_strFolder : "", logPlace);
  // Start-up's refusal of the wizard, for whoever started the run.
  const std::string branding = BrandingProblem(RunningSetup());
  if (!branding.empty()) {
    Report(log, branding);
    log.Line("nothing installed");
    return kUnattendedFailed;
  }
  if (!accepted) return Refuse(log, problem.key, problem.message);
  if (!logProblem.empty()) return Refuse(log, "Log", logProblem);
  // The working folder page refuses it too: the installation would
  // overwrite and then delete the distribution's pieces.
  if (RealFileOps().SameFile(answers.m_strFolder, RunningSetup().m_szSetupDir))
    return Refuse(log, "Folder", kSetupFolderRefusal);
  if (const std::string header = PieceName(kProductPackage, 0);
      !CanOpenForReading(header.c_str())) {
    Report(log, header + " is not in the current folder: nothing installed");
    return kUnattendedFailed;
  }
  // As in the wizard: a damaged distribution is refused before anything
  // changes.
  const std::string damage = CheckDistribution(RealFileOps());
  if (!damage.empty()) {
    Report(log, damage);
    log.Line("nothing installed");
    return kUnattendedFailed;
  }
  UnattendedInstall run(answers, log, logPlace);
  const int code = run.Run();
  log.Line("exit code " + std::to_string(code));
  return code;
}
