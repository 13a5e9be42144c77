// The four ways to reach the Internet on the connection page behave as one
// choice: which boxes are ticked and which fields are open in each, and
// which way a click on a box leads to.
#pragma once

enum class ConnectionMode { DialUp, Proxy, Aol, Lan };

// The dial-up user name, password and phone number hold at most this many
// characters: the installed product keeps them in fields of this size.
constexpr int kMaxDialUpText = 15;

// What Next says when the ticked way lacks a text it needs: Dial-up needs
// the user name, password and phone number, Proxy its address.
constexpr char kMissingDialUpFields[] =
    "Missing Mandatory fields: User Name,Password, Phone Number";
constexpr char kMissingProxyAddress[] = "Missing Mandatory field: Proxy address";

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
