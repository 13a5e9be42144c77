#include "platform/WinApp.h"

#include "platform/CommandLine.h"

namespace {
CWinApp* g_app = nullptr;
}  // namespace

std::string AfxGetAppName() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string name = path;
  const size_t slash = name.find_last_of("\\/");
  if (slash != std::string::npos) name.erase(0, slash + 1);
  const size_t dot = name.find_last_of('.');
  if (dot != std::string::npos) name.erase(dot);
  return name;
}

HINSTANCE AfxGetResourceHandle() { return GetModuleHandleA(nullptr); }

CWinApp::CWinApp()
    : m_hInstance(GetModuleHandleA(nullptr)),
      m_lpCmdLine(CommandLineTail(GetCommandLineA())),
      m_pMainWnd(nullptr),
      m_pszAppName(AfxGetAppName()) {
  g_app = this;
}

CWinApp::~CWinApp() {
  if (g_app == this) g_app = nullptr;
}

void CWinApp::Enable3dControls() {
  INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_WIN95_CLASSES | ICC_PROGRESS_CLASS};
  InitCommonControlsEx(&controls);
}

CWinApp* AfxGetApp() { return g_app; }
