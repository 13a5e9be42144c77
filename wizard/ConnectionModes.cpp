#include "wizard/ConnectionModes.h"

ConnectionField FirstMissingField(bool dialUpTicked, bool proxyTicked,
                                  const ConnectionTexts& texts) {
  if (dialUpTicked) {
    if (texts.rasUser.empty()) return ConnectionField::RasUser;
    if (texts.rasPassword.empty()) return ConnectionField::RasPassword;
    if (texts.rasPhone.empty()) return ConnectionField::RasPhone;
  }
  if (proxyTicked && texts.proxy.empty()) return ConnectionField::Proxy;
  return ConnectionField::None;
}

const char* MissingFieldMessage(ConnectionField field) {
  return field == ConnectionField::Proxy ? kMissingProxyAddress : kMissingDialUpFields;
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
