// A Program Manager of the test's own: it takes the "PROGMAN" service name
// (winning over Wine's shell) and records every execute command it
// receives, on a thread with its own message loop. It accepts every
// command, or refuses every one, as it was made to; accepting like the
// shell, it also makes and deletes the group's folder in the Start menu,
// where the installation looks for the group it made.
#pragma once

#include <windows.h>

#include <ddeml.h>

#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "tests/support/InstallChecks.h"
#include "tests/support/StartMenu.h"

class ProgmanRecorder {
 public:
  enum class Answer { Accept, Refuse, AcceptLikeTheShell };
  // With `answerDelayMs`, each command is acknowledged only that long after
  // it came, as by a Program Manager that hangs.
  explicit ProgmanRecorder(DWORD answerDelayMs = 0)
      : ProgmanRecorder(Answer::Accept, answerDelayMs) {}
  explicit ProgmanRecorder(Answer answer) : ProgmanRecorder(answer, 0) {}
  ProgmanRecorder(Answer answer, DWORD answerDelayMs)
      : m_answer(answer), m_answerDelayMs(answerDelayMs) {
    s_instance = this;
    m_thread = std::thread([this] { Serve(); });
    std::unique_lock<std::mutex> lock(m_mutex);
    m_ready.wait(lock, [this] { return m_threadId != 0; });
  }
  ~ProgmanRecorder() {
    PostThreadMessageA(m_threadId, WM_QUIT, 0, 0);
    m_thread.join();
    s_instance = nullptr;
  }
  ProgmanRecorder(const ProgmanRecorder&) = delete;
  ProgmanRecorder& operator=(const ProgmanRecorder&) = delete;

  std::vector<std::string> Commands() {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_commands;
  }

 private:
  void Serve() {
    DWORD instance = 0;
    DdeInitializeA(&instance, Callback, APPCLASS_STANDARD | CBF_FAIL_ADVISES | CBF_FAIL_REQUESTS,
                   0);
    HSZ name = DdeCreateStringHandleA(instance, "PROGMAN", CP_WINANSI);
    DdeNameService(instance, name, nullptr, DNS_REGISTER);
    MSG msg;
    PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE);  // the thread's queue exists now
    {
      std::lock_guard<std::mutex> lock(m_mutex);
      m_threadId = GetCurrentThreadId();
    }
    m_ready.notify_all();
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
    DdeNameService(instance, name, nullptr, DNS_UNREGISTER);
    DdeFreeStringHandle(instance, name);
    DdeUninitialize(instance);
  }

  static HDDEDATA CALLBACK Callback(UINT type, UINT, HCONV, HSZ, HSZ, HDDEDATA data, ULONG_PTR,
                                    ULONG_PTR) {
    if (type == XTYP_CONNECT) return reinterpret_cast<HDDEDATA>(TRUE);
    if (type == XTYP_EXECUTE) {
      const DWORD size = DdeGetData(data, nullptr, 0, 0);
      std::string text(size, '\0');
      DdeGetData(data, reinterpret_cast<LPBYTE>(&text[0]), size, 0);
      // Record what was sent after the terminating NUL too, should any come.
      if (!text.empty() && text.back() == '\0') text.pop_back();
      Sleep(s_instance->m_answerDelayMs);
      if (s_instance->m_answer == Answer::AcceptLikeTheShell) ActLikeTheShell(text);
      std::lock_guard<std::mutex> lock(s_instance->m_mutex);
      s_instance->m_commands.push_back(text);
      return reinterpret_cast<HDDEDATA>(s_instance->m_answer == Answer::Refuse ? DDE_FNOTPROCESSED
                                                                               : DDE_FACK);
    }
    return nullptr;
  }

  // The group's folder, made or deleted with what is in it as Wine's shell
  // does.
  static void ActLikeTheShell(const std::string& command) {
    for (const char* verb : {"[CreateGroup(", "[DeleteGroup("}) {
      const std::string start = verb;
      if (command.compare(0, start.size(), start) != 0) continue;
      const std::string folder =
          StartMenuGroup(command.substr(start.size(), command.size() - start.size() - 2));
      if (start == "[CreateGroup(")
        CreateDirectoryA(folder.c_str(), nullptr);
      else
        RemoveTree(folder);
    }
  }

  static inline ProgmanRecorder* s_instance = nullptr;
  const Answer m_answer;
  DWORD m_answerDelayMs;
  std::thread m_thread;
  std::mutex m_mutex;
  std::condition_variable m_ready;
  DWORD m_threadId = 0;
  std::vector<std::string> m_commands;
};
