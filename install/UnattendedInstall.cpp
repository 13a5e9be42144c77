#include "install/UnattendedInstall.h"

#include "core/FolderPath.h"
#include "core/RunningSetup.h"
#include "core/SetupConfig.h"
#include "install/InstallLog.h"
#include "install/InstallSteps.h"
#include "install/UnattendedAnswers.h"
#include "package/PackageCheck.h"
#include "platform/Folders.h"
#include "platform/Profile.h"
#include "platform/StandardError.h"
#include "platform/SystemVersion.h"
#include "wizard/DialUpTuning.h"

namespace {

class CUnattendedInstall : public CInstallSteps {
 public:
  CUnattendedInstall(const UnattendedAnswers& answers, InstallLog& log)
      : m_answers(answers), m_log(log) {}

  int Run() {
    SetAnswers(m_answers.m_answers, m_answers.m_strFolder);
    if (!m_answers.m_strLog.empty()) Record(RecordKind::Log, FullPath(m_answers.m_strLog.c_str()));
    // The tuning may make the working folder before step 0 looks.
    RecordMissingFolders();
    Optimize();
    m_nStep = 0;
    m_nPieceCount = 0;
    while (!m_bEnded) RunInstallStep();
    return !m_bGaveUp && Complete() ? kUnattendedInstalled : kUnattendedFailed;
  }

 protected:
  bool RetryPieceCopy(const std::string&) override { return false; }
  void CancelRun() override { m_bEnded = m_bGaveUp = true; }
  void RefuseRun(const std::string&) override { m_bEnded = m_bGaveUp = true; }
  // The log has the message already.
  void ReportIncomplete(const std::string&) override {}
  void FinishRun() override { m_bEnded = true; }
  void Note(const std::string& line) override { m_log.Line(line); }

 private:
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
  AnswerProblem problem;
  const bool accepted = ReadUnattendedAnswers(
      [&file](const char* key, const char* defaultValue) {
        return ReadProfileValue(kUnattendedSection, key, defaultValue, file.c_str());
      },
      answers, problem);
  InstallLog log(answers.m_strLog.empty() ? std::string() : FullPath(answers.m_strLog.c_str()));
  log.Line(kUnattendedLogStart + file);
  // Start-up's refusal of the wizard, for whoever started the run.
  const std::string branding = BrandingProblem(RunningSetup());
  if (!branding.empty()) {
    WriteStandardError(branding);
    log.Line(branding);
    log.Line("nothing installed");
    return kUnattendedFailed;
  }
  if (!accepted) {
    log.Line("answer " + problem.key + " refused: " + problem.message);
    log.Line("nothing installed");
    return kUnattendedRefused;
  }
  // The working folder page refuses it too: the installation would
  // overwrite and then delete the distribution's pieces.
  if (RealFileOps().SameFile(answers.m_strFolder, RunningSetup().m_szSetupDir)) {
    log.Line(std::string("answer Folder refused: ") + kSetupFolderRefusal);
    log.Line("nothing installed");
    return kUnattendedRefused;
  }
  if (!CanOpenForReading("kq0.cab")) {
    log.Line("kq0.cab is not in the current folder: nothing installed");
    return kUnattendedFailed;
  }
  // As in the wizard: a damaged distribution is refused before anything
  // changes.
  const std::string damage = CheckDistribution(RealFileOps());
  if (!damage.empty()) {
    log.Line(damage);
    log.Line("nothing installed");
    return kUnattendedFailed;
  }
  CUnattendedInstall run(answers, log);
  const int code = run.Run();
  log.Line("exit code " + std::to_string(code));
  return code;
}
