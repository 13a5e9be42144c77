// The four ways to reach the Internet on the connection page behave as one
// choice: which boxes are ticked and which fields are open in each, and
// which way a click on a box leads to.
#pragma once

#include <string>

enum class ConnectionMode { DialUp, Proxy, Aol, Lan };

// The dial-up user name, password and phone number hold at most this many
// characters: the installed product keeps them in fields of this size.
constexpr int kMaxDialUpText = 15;

// What Next says when the ticked way lacks a text it needs: Dial-up needs
// the user name, password and phone number, Proxy its address.
constexpr char kMissingDialUpFields[] =
    "Missing Mandatory fields: User Name,Password, Phone Number";
constexpr char kMissingProxyAddress[] = "Missing Mandatory field: Proxy address";

// A text that a way to the Internet needs; None where none is missing.
enum class ConnectionField { None, RasUser, RasPassword, RasPhone, Proxy };

// The texts of the connection page, however they were given.
struct ConnectionTexts {
  std::string rasUser;
  std::string rasPassword;
  std::string rasPhone;
  std::string proxy;
};

// The first text that the ticked ways need and lack, in the order Next
// checks them: Dial-up needs the user name, password and phone number,
// Proxy its address. The page asks it for each ticked way, which gets one
// message; the unattended answers ask it for both and refuse that key.
ConnectionField FirstMissingField(bool dialUpTicked, bool proxyTicked,
                                  const ConnectionTexts& texts);
// What Next says when `field` is missing: one message for the dial-up
// texts, one for the proxy address.
const char* MissingFieldMessage(ConnectionField field);

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
