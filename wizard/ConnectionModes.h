// The four ways to reach the Internet on the connection page behave as one
// choice: which boxes are ticked and which fields are open in each, and
// which way a click on a box leads to.
#pragma once

enum class ConnectionMode { DialUp, Proxy, Aol, Lan };

struct ConnectionView {
  bool dialUpChecked;
  bool proxyChecked;
  bool aolChecked;
  bool lanChecked;
  // The entry list, user name, password and phone number.
  bool dialUpFieldsEnabled;
  bool proxyAddressEnabled;
};

ConnectionView ViewOfMode(ConnectionMode mode);

// The mode after a click on the box of `clicked`, which is now ticked or
// clear. Clearing a box leads to Proxy (the dial-up box) or Dial-up (the
// others); the LAN box always leads to LAN.
ConnectionMode ModeAfterClick(ConnectionMode clicked, bool nowChecked);
