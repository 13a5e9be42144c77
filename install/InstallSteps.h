// The installation steps 0 to 30 and their state. The progress dialog runs
// one step per timer tick, the unattended installation runs them back to
// back; both call RunInstallStep, so the steps exist once.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/SetupState.h"
#include "install/ProgramGroup.h"
#include "install/RecordKeeper.h"
#include "install/SettingsFile.h"
#include "platform/FolderLock.h"
#include "platform/Folders.h"
#include "platform/Win32.h"

class InstallSteps {
 public:
  InstallSteps() = default;
  virtual ~InstallSteps();
  InstallSteps(const InstallSteps&) = delete;
  InstallSteps& operator=(const InstallSteps&) = delete;

  // Performs the step that m_nStep names, having first moved m_nStep on.
  void RunInstallStep();

  int m_nStep = 0;
  WIN32_FIND_DATAA m_findData = {};
  HANDLE m_hFind = INVALID_HANDLE_VALUE;
  int m_nPieceCount = 0;
  int m_nFindResult = -1;
  int m_nInstallDrive = 0;
  int m_nSavedDrive = 0;
  char m_szSetupDir[kTextSize] = {};

 protected:
  // What the run put on the machine; saved after each step.
  RecordKeeper m_record{RealFileOps(), FolderExists, RemoveFolder};

  // The answers the steps write and the working folder; the run starts
  // again at step 0 with no piece copied.
  void SetAnswers(const InstallAnswers& answers, const std::string& folder);
  // True when every file the steps copied or joined and the program group
  // are in place so far.
  bool Complete() const { return m_bComplete && m_failedJoins.empty() && m_bGroupMade; }
  // Takes the working folder's lock unless it is held already, waiting as
  // long as the lock allows; false (after StopRun) when another
  // installation or removal kept it. Step 0 takes it too.
  bool LockWorkFolder();
  // The join reads the pieces from the distribution instead of copies in
  // the working folder; step 10 then copies only other "*.cab" files.
  void JoinFromDistribution() { m_bJoinFromDistribution = true; }

  // A piece could not be copied: true to copy it again, false to give up.
  virtual bool RetryPieceCopy(const std::string& message) = 0;
  // The run gave up after a failed piece copy; no later step runs.
  virtual void CancelRun() = 0;
  // The run cannot go on, for the reason `message` gives; no later step
  // runs.
  virtual void StopRun(const std::string& message) = 0;
  // Before the end: what is not in place (packages whose join failed, the
  // program group), in the words of `message`.
  virtual void ReportIncomplete(const std::string& message) = 0;
  // Step 30: the run is over.
  virtual void FinishRun() = 0;
  // One line about what a step did, for a log. Never a password.
  virtual void Note(const std::string&) {}
  // A line about something that failed.
  virtual void NoteFailure(const std::string& line) { Note(line); }
  // The program group; through Program Manager unless a run says otherwise.
  virtual ProgramGroupMade MakeProgramGroup(const std::string& group, const std::string& folder) {
    return CreateProgramGroup(group, folder);
  }

 private:
  // False (after StopRun) when the run must not go on.
  bool PrepareWorkFolder();
  // Ends the run after a step that could not write: the failure noted, the
  // record saved, or where it cannot be, the folders this run made taken
  // away again.
  void EndWithFailure(int step, const std::string& message);
  void WriteSettings(int step);
  void StartPieceSearch();
  void FindNextPiece();
  void SkipFolders();
  void CopyNextPiece();
  void EndPieceSearch();
  void JoinPackages();
  void CreateGroup();
  // What the last step reports: failed joins, a group that was not made.
  std::string EndProblems() const;
  void RegisterWithWindows();
  void ReturnToSetupFolder();
  void CopyToWorkFolder(int step, const char* name);
  std::string WorkFolderPath(const char* name) const;

  InstallAnswers m_answers;
  std::string m_strFolder;
  // False when the settings file path did not fit its buffer: nothing is
  // then written rather than writing to a cut path.
  bool m_bSettingsPathOk = false;
  bool m_bComplete = true;
  // Packages whose join failed in step 14, reported after the last step.
  std::vector<std::string> m_failedJoins;
  // False once step 15 could not make the group; a run that ends before it
  // has not tried.
  bool m_bGroupMade = true;
  std::unique_ptr<FolderLock> m_lock;
  bool m_bJoinFromDistribution = false;
};
