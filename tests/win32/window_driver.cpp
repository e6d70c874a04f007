// The window driver on Win32: input posted to the controls as the platform would send it, and
// WaitEvent pumped until the thread's queue is idle (a thread timer keeps it from blocking).
#include "tests/contract/window_driver.h"

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <utility>

#include "search/win32/wide_text.h"
#include "ui/texts.h"

namespace sucholin::testing {
namespace {

std::vector<Event> Taken;  // what input handling pumped, until TakeEvents hands it out

HWND Main() { return FindWindowA("SucholinMainWindow", texts::WindowTitle); }
HWND Control(int32_t id) { return id < 0 ? Main() : GetDlgItem(Main(), id); }

// Whether a message other than the pump's own timer waits in the thread's queue.
bool MessageWaiting() {
  MSG message;
  return PeekMessageA(&message, nullptr, 0, WM_TIMER - 1, PM_NOREMOVE) ||
         PeekMessageA(&message, nullptr, WM_TIMER + 1, 0xFFFFFFFF, PM_NOREMOVE);
}

// Until a message raised nothing and none other waits: then every event of the input is taken.
// The deadline only ends a queue that never empties, which is a fault of its own.
void Pump() {
  const UINT_PTR timer = SetTimer(nullptr, 0, 5, nullptr);
  const ULONGLONG deadline = GetTickCount64() + 5000;
  while (GetTickCount64() < deadline) {
    const Event& event = Taken.emplace_back(WaitEvent());
    if (event.kind == EventKind::OtherEvent && event.control == -1 && !MessageWaiting()) break;
  }
  KillTimer(nullptr, timer);
}

// A mouse button's messages are numbered down, up, double click: its down message + 1 and + 2.
void PostButton(HWND target, bool right, bool twice, POINT at) {
  const UINT down = right ? WM_RBUTTONDOWN : WM_LBUTTONDOWN;
  const WPARAM held = right ? MK_RBUTTON : MK_LBUTTON;
  for (int press = 0; press <= int{twice}; ++press) {
    PostMessageA(target, press ? down + 2 : down, held, MAKELPARAM(at.x, at.y));
    PostMessageA(target, down + 1, 0, MAKELPARAM(at.x, at.y));
  }
  Pump();
}

}  // namespace

void OpenMainWindow() {
  ASSERT_TRUE(CreateMainWindow());
  // Activation travels through the X server; it can take a moment to settle.
  for (int i = 0; i < 100 && GetForegroundWindow() != Main(); ++i) {
    SetForegroundWindow(Main());
    Pump();
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
  }
  ASSERT_EQ(GetForegroundWindow(), Main());
}

std::vector<Event> TakeEvents() {
  Pump();
  return std::exchange(Taken, {});
}

void ClickControl(int32_t id) {
  RECT r;
  GetClientRect(Control(id), &r);
  PostButton(Control(id), false, false, {r.right / 2, r.bottom / 2});
}

void ClickRow(int32_t row, bool right, bool twice) {
  RECT r;
  ListView_GetItemRect(Control(ResultList), row, &r, LVIR_BOUNDS);
  PostButton(Control(ResultList), right, twice,
             {20, row < RowCount() ? (r.top + r.bottom) / 2 : 130});
}

// Through the system's input queue, as a keyboard would: the key goes to the focus, and Shift
// is held where GetKeyState sees it.
void PressKey(Key key) {
  const BYTE keys[] = {VK_TAB, VK_TAB, VK_SPACE, VK_RETURN, VK_ESCAPE, VK_DOWN, VK_BACK};
  const bool shift = key == Key::ShiftTab;
  if (shift) keybd_event(VK_SHIFT, 0, 0, 0);
  keybd_event(keys[static_cast<int>(key)], 0, 0, 0);
  keybd_event(keys[static_cast<int>(key)], 0, KEYEVENTF_KEYUP, 0);
  if (shift) keybd_event(VK_SHIFT, 0, KEYEVENTF_KEYUP, 0);
  Pump();
}

void Type(const std::string& text) {
  for (const wchar_t c : win32::Widen(text)) PostMessageW(GetFocus(), WM_CHAR, c, 1);
  Pump();
}

void RequestClose() { PostMessageA(Main(), WM_SYSCOMMAND, SC_CLOSE, 0); }

// The fields' own focus notifications are set-up, not input under test: they are dropped.
void Focus(int32_t id) {
  const size_t before = Taken.size();
  SetFocus(id < 0 ? nullptr : Control(id));
  Pump();
  Taken.resize(before);
}

void SelectRow(int32_t row) {
  ListView_SetItemState(Control(ResultList), row, LVIS_SELECTED | LVIS_FOCUSED,
                        LVIS_SELECTED | LVIS_FOCUSED);
}

int32_t FocusedControl() {
  HWND focus = GetFocus();
  return focus && IsChild(Main(), focus) ? GetDlgCtrlID(focus) : -1;
}

bool IsActiveAndVisible() { return IsWindowVisible(Main()) && GetActiveWindow() == Main(); }

std::string ShownText(int32_t id) {
  wchar_t text[8192] = L"";
  GetWindowTextW(Control(id), text, static_cast<int>(std::size(text)));
  return win32::Narrow(text);
}

Place PlaceOf(int32_t id) {
  RECT r;
  GetClientRect(Main(), &r);
  if (id >= 0 && GetWindowRect(Control(id), &r))
    MapWindowPoints(nullptr, Main(), reinterpret_cast<POINT*>(&r), 2);
  return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

std::string Column(int32_t column) {
  char title[32] = "";
  // Every field given: -Wextra.
  LVCOLUMNA c{LVCF_TEXT | LVCF_WIDTH, 0, 0, title, sizeof title, 0, 0, 0, 0, 0, 0};
  ListView_GetColumn(Control(ResultList), column, &c);
  return std::string(title) + " " + std::to_string(c.cx);
}

int32_t RowCount() { return ListView_GetItemCount(Control(ResultList)); }

std::pair<int, int> ListScroll(bool toEnd) {
  Pump();  // the list paints and lays out its new rows
  if (toEnd) ListView_Scroll(Control(ResultList), 5000, 5000);
  return {GetScrollPos(Control(ResultList), SB_HORZ), GetScrollPos(Control(ResultList), SB_VERT)};
}

Color PixelAt(int x, int y) {
  RedrawWindow(Main(), nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN);
  Pump();
  HDC dc = GetDC(Main());
  const COLORREF pixel = GetPixel(dc, x, y);
  ReleaseDC(Main(), dc);
  return pixel;
}

}  // namespace sucholin::testing
