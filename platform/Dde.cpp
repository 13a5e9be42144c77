#include "platform/Dde.h"

#include "platform/Win32.h"

#include <ddeml.h>

namespace {

HDDEDATA CALLBACK IgnoreDdeEvent(UINT, UINT, HCONV, HSZ, HSZ, HDDEDATA, ULONG_PTR, ULONG_PTR) {
  return nullptr;
}

}  // namespace

std::vector<bool> DdeExecuteAll(const char* service, const std::vector<std::string>& commands,
                                unsigned timeoutMs) {
  std::vector<bool> accepted;
  DWORD instance = 0;
  DdeInitializeA(&instance, IgnoreDdeEvent, APPCMD_CLIENTONLY, 0);
  HSZ serviceName = DdeCreateStringHandleA(instance, service, CP_WINANSI);
  HSZ topicName = DdeCreateStringHandleA(instance, service, CP_WINANSI);
  HCONV conversation = DdeConnect(instance, serviceName, topicName, nullptr);
  if (conversation) {
    DWORD result = 0;
    for (const std::string& command : commands) {
      // The length counts the NUL: servers read the command as a C string.
      accepted.push_back(
          DdeClientTransaction(reinterpret_cast<LPBYTE>(const_cast<char*>(command.c_str())),
                               static_cast<DWORD>(command.size() + 1), conversation, nullptr,
                               CF_TEXT, XTYP_EXECUTE, timeoutMs, &result) != nullptr);
    }
    DdeDisconnect(conversation);
  }
  // The instance is released whether or not a server answered.
  DdeFreeStringHandle(instance, serviceName);
  DdeFreeStringHandle(instance, topicName);
  DdeUninitialize(instance);
  return accepted;
}
