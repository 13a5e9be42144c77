#include "wizard/ConnectionModes.h"

std::vector<ConnectionField> MissingConnectionFields(bool dialUpTicked, bool proxyTicked,
                                                     const ConnectionTexts& texts) {
  std::vector<ConnectionField> missing;
  if (dialUpTicked) {
    if (texts.rasUser.empty()) missing.push_back(ConnectionField::RasUser);
    if (texts.rasPassword.empty()) missing.push_back(ConnectionField::RasPassword);
    if (texts.rasPhone.empty()) missing.push_back(ConnectionField::RasPhone);
  }
  if (proxyTicked && texts.proxy.empty()) missing.push_back(ConnectionField::Proxy);
  return missing;
}

const char* MissingFieldMessage(ConnectionField field) {
  return field == ConnectionField::Proxy ? kMissingProxyAddress : kMissingDialUpFields;
}

std::vector<const char*> MissingFieldMessages(const std::vector<ConnectionField>& missing) {
  std::vector<const char*> messages;
  for (const ConnectionField field : missing)
    if (messages.empty() || messages.back() != MissingFieldMessage(field))
      messages.push_back(MissingFieldMessage(field));
  return messages;
}

ConnectionView ViewOfMode(ConnectionMode mode) {
  return {mode == ConnectionMode::DialUp, mode == ConnectionMode::Proxy,
          mode == ConnectionMode::Aol,    mode == ConnectionMode::Lan,
          mode == ConnectionMode::DialUp, mode == ConnectionMode::Proxy};
}

ConnectionMode ModeAfterClick(ConnectionMode clicked, bool nowChecked) {
  if (clicked == ConnectionMode::Lan || nowChecked) return clicked;
  return clicked == ConnectionMode::DialUp ? ConnectionMode::Proxy : ConnectionMode::DialUp;
}
