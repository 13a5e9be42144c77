// The answers of an unattended installation: one key per wizard answer in
// section [Unattended], checked with the pages' own rules and messages.
#pragma once

#include <string>

#include "core/SetupConfig.h"
#include "install/SettingsFile.h"

constexpr char kUnattendedSection[] = "Unattended";

// The connection optimisation page's choice; Keep leaves the registry as
// it is.
enum class Optimization { Keep, Yes, No };

struct UnattendedAnswers {
  std::string m_strFolder;
  InstallAnswers m_answers;
  Optimization m_optimize = Optimization::Keep;
  // Where the plain-text log goes; empty for none.
  std::string m_strLog;
};

// A refused answer: its key and what the page would have said.
struct AnswerProblem {
  std::string key;
  std::string message;
};

// Reads the answers with `read` (section [Unattended]). The log path is
// read first, so that it is known even when a later answer is refused.
// False with the first refused or missing answer in `problem`.
bool ReadUnattendedAnswers(const KeyReader& read, UnattendedAnswers& answers,
                           AnswerProblem& problem);
