// Answers of an unattended installation as key/value pairs, and the same
// answers with one of them changed or left out.
#pragma once

#include <map>
#include <string>

using Answers = std::map<std::string, std::string>;

// `answers` with `key` set to `value`, or without `key` when `value` is null.
inline Answers With(Answers answers, const std::string& key, const char* value) {
  if (value)
    answers[key] = value;
  else
    answers.erase(key);
  return answers;
}
