#include "wizard/ConnectionModes.h"

ConnectionView ViewOfMode(ConnectionMode mode) {
  return {mode == ConnectionMode::DialUp, mode == ConnectionMode::Proxy,
          mode == ConnectionMode::Aol,    mode == ConnectionMode::Lan,
          mode == ConnectionMode::DialUp, mode == ConnectionMode::Proxy};
}

ConnectionMode ModeAfterClick(ConnectionMode clicked, bool nowChecked) {
  if (clicked == ConnectionMode::Lan || nowChecked) return clicked;
  return clicked == ConnectionMode::DialUp ? ConnectionMode::Proxy : ConnectionMode::DialUp;
}
