#include "package/Branding.h"

#include <cstring>

namespace {

// The texts the branding looks for, in the order it replaces them.
constexpr std::string_view kDefaultTexts[] = {kDefaultProductName, kDefaultShortName,
                                              kDefaultWebSite, kDefaultInfoEmail,
                                              kDefaultCompanyName};

std::string FieldText(const char (&field)[kTextSize]) {
  return std::string(field, strnlen(field, kTextSize));
}

}  // namespace

Branding::Branding(const SetupState& state) {
  // The order matters: the full product name goes before the short name that
  // it contains.
  if (state.m_bOemProductName) {
    replacements_.push_back({kDefaultTexts[0], FieldText(state.m_szProductName)});
    replacements_.push_back({kDefaultTexts[1], FieldText(state.m_szProductName)});
  }
  if (state.m_bOemWebSite)
    replacements_.push_back({kDefaultTexts[2], FieldText(state.m_szWebSite)});
  if (state.m_bOemInfoEmail) {
    replacements_.push_back({kDefaultTexts[3], FieldText(state.m_szInfoEmail)});
  }
  if (state.m_bOemCompanyName) {
    replacements_.push_back({kDefaultTexts[4], FieldText(state.m_szCompanyName)});
  }
}

std::string_view Branding::Apply(const char* chunk, size_t length) {
  if (replacements_.empty()) return std::string_view(chunk, length);
  ReplaceText(result_, chunk, length, replacements_);
  return result_;
}

size_t BrandingSafeChunkLength(std::string_view rest, size_t limit) {
  if (rest.size() <= limit) return rest.size();
  size_t cut = limit;
  // Moving the cut before one text can make it split another that starts
  // earlier, so look again until no text spans it.
  for (bool moved = true; moved;) {
    moved = false;
    for (std::string_view text : kDefaultTexts) {
      for (size_t start = cut >= text.size() ? cut - text.size() + 1 : 0; start < cut; ++start) {
        if (rest.compare(start, text.size(), text) == 0) {
          cut = start;
          moved = true;
          break;
        }
      }
    }
  }
  // Only a text longer than the whole chunk could leave nothing before the cut.
  return cut > 0 ? cut : limit;
}
