// Acts as a user on the windows of one process: finds windows, reads what
// they show, types, ticks, picks and presses. Every wait is bounded; a wait
// that runs out throws ui::Failure naming what was awaited.
#pragma once

#include <initializer_list>
#include <stdexcept>
#include <string>
#include <vector>

#include <windows.h>

namespace ui {

struct Failure : std::runtime_error {
  using std::runtime_error::runtime_error;
};

constexpr int kTimeoutMs = 5000;
constexpr int kPollMs = 20;

// Wizard buttons, as PSM_PRESSBUTTON and the sheet's child ids know them.
enum class WizardButton { Back, Next, Finish, Cancel };

// The static that carries a message box's text.
constexpr int kMessageTextId = 0xFFFF;

struct MessageBoxView {
  HWND window;
  std::string title;
  std::string text;
};

class Driver {
 public:
  // Drives the windows of the given process (by default this one).
  explicit Driver(DWORD processId = GetCurrentProcessId()) : m_processId(processId) {}

  // A visible top-level window with exactly this caption (and class, when
  // given).
  HWND WaitWindow(const std::string& caption, const char* className = "#32770",
                  int timeoutMs = kTimeoutMs) const;
  // The visible top-level windows of the process, topmost first.
  std::vector<HWND> TopWindows() const;
  void WaitGone(HWND window, int timeoutMs = kTimeoutMs) const;
  // Waits until no top-level window of the process is visible.
  void WaitNoWindow(int timeoutMs = kTimeoutMs) const;

  // Controls.
  static HWND Control(HWND parent, int id);
  static HWND ControlByText(HWND parent, const std::string& text);
  // The direct children of a class ("Edit", "Button" …), in tab order.
  static std::vector<HWND> ControlsOfClass(HWND parent, const std::string& className);
  static std::string Text(HWND window);
  static std::string Text(HWND parent, int id) { return Text(Control(parent, id)); }
  static bool IsEnabled(HWND parent, int id) { return IsWindowEnabled(Control(parent, id)); }
  static bool IsVisible(HWND parent, int id) { return IsWindowVisible(Control(parent, id)); }
  static bool IsChecked(HWND parent, int id);
  static LONG Style(HWND parent, int id) { return GetWindowLongA(Control(parent, id), GWL_STYLE); }
  // Replaces a field's text at once, as a paste over a selection would.
  void SetText(HWND parent, int id, const std::string& text) const;
  // Types character by character, so the field's own rules (limits, case)
  // apply as they do to a user's keys.
  void Type(HWND parent, int id, const std::string& text) const;
  void Click(HWND parent, int id) const;
  void ClickText(HWND parent, const std::string& caption) const;
  void SetCheck(HWND parent, int id, bool checked) const;
  void PickCombo(HWND parent, int id, const std::string& entry) const;
  static std::vector<std::string> ComboEntries(HWND parent, int id);

  // Wizards.
  static HWND ActivePage(HWND sheet);
  static std::string ActivePageTitle(HWND sheet) { return Text(ActivePage(sheet)); }
  HWND WaitPage(HWND sheet, const std::string& title, int timeoutMs = kTimeoutMs) const;
  void Press(HWND sheet, WizardButton button) const;
  static HWND WizardButtonWindow(HWND sheet, WizardButton button);
  static bool IsWizardButtonEnabled(HWND sheet, WizardButton button);

  // Message boxes and other small dialogs of the process.
  MessageBoxView WaitMessageBox(int timeoutMs = kTimeoutMs) const;
  void Answer(const MessageBoxView& box, int buttonId) const;

  // Real input, as a user's hands give it (SendInput): keys go to the focus
  // of the active window, a click to the window under the pointer, and a
  // disabled window ignores both. Each returns once the thread the input
  // went to has taken it from its queue (WaitInputTaken); what the input
  // then changes is waited for with WaitUntil.
  // Presses the keys in order and lets them go in reverse: {VK_MENU, 'B'}.
  void Keys(std::initializer_list<WORD> chord) const;
  // Types characters as the keyboard layout would deliver them.
  void TypeKeys(const std::string& text) const;
  // The left mouse button at a point of the screen, or at the centre of the
  // window's rectangle.
  void ClickAt(POINT point) const;
  void ClickAt(HWND window) const;

  // The window that has the keyboard focus on the given window's thread.
  static HWND Focus(HWND window);
  // Waits until `condition` holds; throws naming `what` when it does not.
  template <class Condition>
  void WaitUntil(Condition condition, const std::string& what, int timeoutMs = kTimeoutMs) const {
    if (!WaitFor(condition, timeoutMs))
      throw Failure(what + " not seen within " + std::to_string(timeoutMs) + " ms");
  }

  // Waits until the thread of `window` has taken from its queue every input
  // that reached it before the call. Input outranks painting there: once the
  // window, made to need painting now, has been painted, the thread has
  // dispatched that input, or the window is gone.
  static void WaitInputTaken(HWND window);

  // Waits until the window's thread is back in its message loop after the
  // messages posted to it so far (sent messages overtake posted ones, so one
  // round trip is not enough). Conditions that take longer are waited for
  // with WaitUntil.
  static void Sync(HWND window);

 private:
  template <class Condition>
  static bool WaitFor(Condition condition, int timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
      if (condition()) return true;
      if (static_cast<int>(GetTickCount() - start) >= timeoutMs) return false;
      Sleep(kPollMs);
    }
  }

  DWORD m_processId;
};

// Presses and releases `key` on the keyboard, as a user does, with
// `modifier` (VK_MENU for Alt, …) held down when given. It reaches the
// window that has the keyboard focus, of whatever program.
void PressKey(WORD key, WORD modifier = 0);

// Saves the whole screen as a 24-bit BMP named NAME.bmp in the folder that
// SETUP_SCREENSHOTS names (the current folder without it); returns the path.
std::string Screenshot(const std::string& name);

}  // namespace ui
