// The answers of an unattended installation: one key per wizard answer in
// section [Unattended], checked with the pages' own rules and messages.
#pragma once

#include <string>
#include <vector>

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

// A refused answer: its key and what the page would have said; an empty
// message when every answer is accepted.
struct AnswerProblem {
  std::string key;
  std::string message;
};

// Reads the answers with `read` (section [Unattended]), whose keys are
// `keys`. The log path is read first, so that it is known even when a later
// answer is refused. A key that no answer has is refused before any answer
// is looked at: a mistyped key would otherwise leave its answer at the
// default without a word. Returns the first refused or missing answer.
AnswerProblem ReadUnattendedAnswers(const KeyReader& read, const std::vector<std::string>& keys,
                                    UnattendedAnswers& answers);

// The known key nearest to `key` as typed (a letter left out, added,
// changed or two swapped, in any case), or empty when none is near.
std::string NearestAnswerKey(const std::string& key);
