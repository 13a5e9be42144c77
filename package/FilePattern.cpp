#include "package/FilePattern.h"

#include <algorithm>

namespace {

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

bool WildcardMatch(std::string_view pattern, std::string_view name) {
  // Greedy with one backtrack point: the last '*' seen absorbs one more
  // character whenever the rest fails to match.
  size_t p = 0, n = 0, star = std::string_view::npos, resume = 0;
  while (n < name.size()) {
    if (p < pattern.size() && pattern[p] == '*') {
      star = p++;
      resume = n;
    } else if (p < pattern.size() && (pattern[p] == '?' || Lower(pattern[p]) == Lower(name[n]))) {
      ++p;
      ++n;
    } else if (star != std::string_view::npos) {
      p = star + 1;
      n = ++resume;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

std::vector<std::string> ExpandPattern(const std::string& pattern, FileOps& files) {
  // npos + 1 is 0: a pattern without a folder part has an empty head.
  const size_t leafStart = pattern.find_last_of("/\\") + 1;
  const std::string head = pattern.substr(0, leafStart);
  const std::string leaf = pattern.substr(leafStart);
  if (leaf.find_first_of("*?") == std::string::npos) return {pattern};

  std::vector<std::string> names;
  const std::string folder = head.empty() ? head : head.substr(0, head.size() - 1);
  for (const std::string& name : files.List(folder)) {
    if (WildcardMatch(leaf, name)) names.push_back(head + name);
  }
  std::sort(names.begin(), names.end());
  return names;
}
