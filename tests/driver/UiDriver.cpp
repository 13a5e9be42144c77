#include "tests/driver/UiDriver.h"

#include <commctrl.h>
#include <prsht.h>

#include <cstdio>
#include <cstdlib>

namespace ui {
namespace {

std::string ClassOf(HWND window) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

struct TopSearch {
  DWORD processId;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectTop(HWND window, LPARAM lp) {
  auto* search = reinterpret_cast<TopSearch*>(lp);
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  if (pid == search->processId && IsWindowVisible(window)) search->found.push_back(window);
  return TRUE;
}

int ButtonId(WizardButton button) {
  switch (button) {
    case WizardButton::Back:
      return 0x3023;
    case WizardButton::Next:
      return 0x3024;
    case WizardButton::Finish:
      return 0x3025;
    case WizardButton::Cancel:
      break;
  }
  return IDCANCEL;
}

int PressCode(WizardButton button) {
  switch (button) {
    case WizardButton::Back:
      return PSBTN_BACK;
    case WizardButton::Next:
      return PSBTN_NEXT;
    case WizardButton::Finish:
      return PSBTN_FINISH;
    case WizardButton::Cancel:
      break;
  }
  return PSBTN_CANCEL;
}

void SendInputs(std::vector<INPUT>& inputs) {
  if (SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)) != inputs.size())
    throw Failure("SendInput refused the input");
}

INPUT KeyInput(WORD key, bool up) {
  INPUT input = {};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  return input;
}

void SendChord(std::initializer_list<WORD> chord) {
  std::vector<INPUT> inputs;
  for (WORD key : chord) inputs.push_back(KeyInput(key, false));
  for (auto key = chord.end(); key != chord.begin();) inputs.push_back(KeyInput(*--key, true));
  SendInputs(inputs);
}

const char* ButtonName(WizardButton button) {
  static const char* const names[] = {"Back", "Next", "Finish", "Cancel"};
  return names[static_cast<int>(button)];
}

}  // namespace

std::vector<HWND> Driver::TopWindows() const {
  TopSearch search{m_processId, {}};
  EnumWindows(&CollectTop, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND Driver::WaitWindow(const std::string& caption, const char* className, int timeoutMs) const {
  HWND found = nullptr;
  const bool ok = WaitFor(
      [&] {
        for (HWND window : TopWindows()) {
          if (Text(window) == caption && (!className || ClassOf(window) == className)) {
            found = window;
            return true;
          }
        }
        return false;
      },
      timeoutMs);
  if (!ok) {
    std::string seen;
    for (HWND window : TopWindows()) seen += " \"" + Text(window) + "\" (" + ClassOf(window) + ")";
    throw Failure("no window \"" + caption + "\" of class " + (className ? className : "any") +
                  " within " + std::to_string(timeoutMs) +
                  " ms; visible:" + (seen.empty() ? " none" : seen));
  }
  return found;
}

void Driver::WaitGone(HWND window, int timeoutMs) const {
  if (!WaitFor([&] { return !IsWindow(window) || !IsWindowVisible(window); }, timeoutMs))
    throw Failure("window \"" + Text(window) + "\" still open after " + std::to_string(timeoutMs) +
                  " ms");
}

void Driver::WaitNoWindow(int timeoutMs) const {
  if (!WaitFor([&] { return TopWindows().empty(); }, timeoutMs))
    throw Failure("windows still open after " + std::to_string(timeoutMs) + " ms: \"" +
                  Text(TopWindows().front()) + "\"");
}

HWND Driver::Control(HWND parent, int id) {
  HWND control = GetDlgItem(parent, id);
  if (!control) throw Failure("no control " + std::to_string(id) + " in \"" + Text(parent) + "\"");
  return control;
}

HWND Driver::ControlByText(HWND parent, const std::string& text) {
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    if (Text(child) == text) return child;
  throw Failure("no control \"" + text + "\" in \"" + Text(parent) + "\"");
}

std::vector<HWND> Driver::ControlsOfClass(HWND parent, const std::string& className) {
  std::vector<HWND> found;
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    if (lstrcmpiA(ClassOf(child).c_str(), className.c_str()) == 0) found.push_back(child);
  return found;
}

std::string Driver::Text(HWND window) {
  // WM_GETTEXT reaches other processes' controls too, unlike GetWindowText.
  const LRESULT length = SendMessageA(window, WM_GETTEXTLENGTH, 0, 0);
  std::string text(static_cast<size_t>(length) + 1, '\0');
  const LRESULT copied =
      SendMessageA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]));
  text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
  return text;
}

bool Driver::IsChecked(HWND parent, int id) {
  return SendMessageA(Control(parent, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Driver::SetText(HWND parent, int id, const std::string& text) const {
  SendMessageA(Control(parent, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  Sync(parent);
}

void Driver::Type(HWND parent, int id, const std::string& text) const {
  HWND control = Control(parent, id);
  // Sent, not posted: a field read right afterwards holds every character.
  for (unsigned char c : text) SendMessageA(control, WM_CHAR, c, 1);
}

void Driver::Click(HWND parent, int id) const {
  // Posted: a click that opens a modal window must not block the driver.
  PostMessageA(Control(parent, id), BM_CLICK, 0, 0);
  Sync(parent);
}

void Driver::ClickText(HWND parent, const std::string& caption) const {
  PostMessageA(ControlByText(parent, caption), BM_CLICK, 0, 0);
  Sync(parent);
}

void Driver::SetCheck(HWND parent, int id, bool checked) const {
  if (IsChecked(parent, id) != checked) Click(parent, id);
  if (!WaitFor([&] { return IsChecked(parent, id) == checked; }, kTimeoutMs))
    throw Failure("check box " + std::to_string(id) + " in \"" + Text(parent) +
                  "\" did not change");
}

void Driver::PickCombo(HWND parent, int id, const std::string& entry) const {
  HWND combo = Control(parent, id);
  const LRESULT index = SendMessageA(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                     reinterpret_cast<LPARAM>(entry.c_str()));
  if (index == CB_ERR)
    throw Failure("no entry \"" + entry + "\" in combo box " + std::to_string(id));
  SendMessageA(combo, CB_SETCURSEL, index, 0);
  // A user's pick also tells the dialog.
  PostMessageA(parent, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
  Sync(parent);
}

std::vector<std::string> Driver::ComboEntries(HWND parent, int id) {
  HWND combo = Control(parent, id);
  std::vector<std::string> entries;
  const LRESULT count = SendMessageA(combo, CB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    std::string text(static_cast<size_t>(SendMessageA(combo, CB_GETLBTEXTLEN, i, 0)) + 1, '\0');
    const LRESULT length = SendMessageA(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(&text[0]));
    text.resize(length > 0 ? static_cast<size_t>(length) : 0);
    entries.push_back(text);
  }
  return entries;
}

HWND Driver::ActivePage(HWND sheet) {
  return reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
}

HWND Driver::WaitPage(HWND sheet, const std::string& title, int timeoutMs) const {
  HWND page = nullptr;
  if (!WaitFor(
          [&] {
            page = ActivePage(sheet);
            return page && Text(page) == title;
          },
          timeoutMs))
    throw Failure("wizard page \"" + title + "\" not shown within " + std::to_string(timeoutMs) +
                  " ms; showing \"" + ActivePageTitle(sheet) + "\"");
  Sync(sheet);
  return page;
}

void Driver::Press(HWND sheet, WizardButton button) const {
  PostMessageA(sheet, PSM_PRESSBUTTON, PressCode(button), 0);
  Sync(sheet);
}

HWND Driver::WizardButtonWindow(HWND sheet, WizardButton button) {
  HWND window = GetDlgItem(sheet, ButtonId(button));
  if (!window) throw Failure(std::string("wizard has no ") + ButtonName(button) + " button");
  return window;
}

bool Driver::IsWizardButtonEnabled(HWND sheet, WizardButton button) {
  HWND window = WizardButtonWindow(sheet, button);
  return IsWindowVisible(window) && IsWindowEnabled(window);
}

MessageBoxView Driver::WaitMessageBox(int timeoutMs) const {
  MessageBoxView view{};
  const bool ok = WaitFor(
      [&] {
        for (HWND window : TopWindows()) {
          HWND text = GetDlgItem(window, kMessageTextId);
          if (ClassOf(window) == "#32770" && text) {
            view = {window, Text(window), Text(text)};
            return true;
          }
        }
        return false;
      },
      timeoutMs);
  if (!ok) throw Failure("no message box within " + std::to_string(timeoutMs) + " ms");
  return view;
}

void Driver::Answer(const MessageBoxView& box, int buttonId) const {
  if (!GetDlgItem(box.window, buttonId))
    throw Failure("message box \"" + box.text + "\" has no button " + std::to_string(buttonId));
  PostMessageA(box.window, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(box.window, buttonId)));
  WaitGone(box.window);
}

void Driver::Keys(std::initializer_list<WORD> chord) const {
  HWND target = GetForegroundWindow();
  SendChord(chord);
  WaitInputTaken(target);
}

void Driver::TypeKeys(const std::string& text) const {
  std::vector<INPUT> inputs;
  for (unsigned char c : text) {
    for (bool up : {false, true}) {
      INPUT input = {};
      input.type = INPUT_KEYBOARD;
      input.ki.wScan = c;
      input.ki.dwFlags = KEYEVENTF_UNICODE | (up ? KEYEVENTF_KEYUP : 0);
      inputs.push_back(input);
    }
  }
  HWND target = GetForegroundWindow();
  SendInputs(inputs);
  WaitInputTaken(target);
}

void Driver::ClickAt(HWND window) const {
  RECT area;
  GetWindowRect(window, &area);
  ClickAt({(area.left + area.right) / 2, (area.top + area.bottom) / 2});
}

void Driver::ClickAt(POINT point) const {
  const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
  std::vector<INPUT> inputs(3);
  for (INPUT& input : inputs) input.type = INPUT_MOUSE;
  inputs[0].mi.dx = point.x * 65535 / (width - 1);
  inputs[0].mi.dy = point.y * 65535 / (height - 1);
  inputs[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  inputs[2].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  HWND target = WindowFromPoint(point);
  SendInputs(inputs);
  WaitInputTaken(target);
}

HWND Driver::Focus(HWND window) {
  GUITHREADINFO info = {};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
  return info.hwndFocus;
}

void Driver::WaitInputTaken(HWND window) {
  HWND top = window ? GetAncestor(window, GA_ROOT) : nullptr;
  if (!top || !IsWindowVisible(top)) return;
  RedrawWindow(top, nullptr, nullptr, RDW_INVALIDATE);
  const auto taken = [&] {
    return !IsWindow(top) || !IsWindowVisible(top) || !GetUpdateRect(top, nullptr, FALSE);
  };
  if (!WaitFor(taken, kTimeoutMs))
    throw Failure("the input to \"" + Text(top) + "\" not taken within " +
                  std::to_string(kTimeoutMs) + " ms");
}

void Driver::Sync(HWND window) {
  DWORD_PTR ignored = 0;
  for (int round = 0; round < 2; ++round)
    SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, kTimeoutMs, &ignored);
}

void PressKey(WORD key, WORD modifier) {
  if (modifier)
    SendChord({modifier, key});
  else
    SendChord({key});
}

std::string Screenshot(const std::string& name) {
  const int width = GetSystemMetrics(SM_CXSCREEN);
  const int height = GetSystemMetrics(SM_CYSCREEN);
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY);
  SelectObject(memory, old);

  BITMAPINFOHEADER info = {};
  info.biSize = sizeof info;
  info.biWidth = width;
  info.biHeight = height;
  info.biPlanes = 1;
  info.biBitCount = 24;
  info.biCompression = BI_RGB;
  const DWORD rowBytes = ((width * 3) + 3) & ~3u;
  info.biSizeImage = rowBytes * height;
  std::vector<char> pixels(info.biSizeImage);
  GetDIBits(memory, bitmap, 0, height, pixels.data(), reinterpret_cast<BITMAPINFO*>(&info),
            DIB_RGB_COLORS);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);

  const char* folder = std::getenv("SETUP_SCREENSHOTS");
  const std::string path = (folder ? std::string(folder) + "\\" : std::string()) + name + ".bmp";
  BITMAPFILEHEADER file = {};
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof file + sizeof info;
  file.bfSize = file.bfOffBits + info.biSizeImage;
  FILE* out = std::fopen(path.c_str(), "wb");
  if (!out) throw Failure("cannot write screenshot " + path);
  std::fwrite(&file, sizeof file, 1, out);
  std::fwrite(&info, sizeof info, 1, out);
  std::fwrite(pixels.data(), 1, pixels.size(), out);
  std::fclose(out);
  return path;
}

}  // namespace ui
