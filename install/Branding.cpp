#include "install/Branding.h"

#include <cstring>

#include "install/ReplaceText.h"

namespace {

std::string FieldText(const char (&field)[kTextSize]) {
  return std::string(field, strnlen(field, kTextSize));
}

}  // namespace

Branding::Branding(const SetupState& state) {
  // The order matters: the full product name goes before the short name that
  // it contains.
  if (state.m_bOemProductName) {
    replacements_.push_back({kDefaultProductName, FieldText(state.m_szProductName)});
    replacements_.push_back({kDefaultShortName, FieldText(state.m_szProductName)});
  }
  if (state.m_bOemWebSite) replacements_.push_back({kDefaultWebSite, FieldText(state.m_szWebSite)});
  if (state.m_bOemInfoEmail) {
    replacements_.push_back({kDefaultInfoEmail, FieldText(state.m_szInfoEmail)});
  }
  if (state.m_bOemCompanyName) {
    replacements_.push_back({kDefaultCompanyName, FieldText(state.m_szCompanyName)});
  }
}

std::string_view Branding::Apply(const char* chunk, size_t length) {
  std::string_view text(chunk, length);
  for (size_t i = 0; i < replacements_.size(); ++i) {
    std::string& out = texts_[i % 2];
    ReplaceText(out, text.data(), text.size(), replacements_[i].newText.c_str(),
                replacements_[i].oldText);
    text = out;
  }
  return text;
}
