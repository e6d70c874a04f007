// The window driver on Win32: input posted to the controls as the platform would send it, and
// WaitEvent pumped with a deadline (a thread timer keeps it from blocking for long).
#include "tests/contract/window_driver.h"

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "ui/texts.h"

namespace sucholin::testing {
namespace {

std::vector<Event> Taken;  // what input handling pumped, until TakeEvents hands it out

HWND Main() { return FindWindowA("SucholinMainWindow", texts::WindowTitle); }
HWND Control(int32_t id) { return id < 0 ? Main() : GetDlgItem(Main(), id); }

void Pump(DWORD milliseconds) {
  const UINT_PTR timer = SetTimer(nullptr, 0, 5, nullptr);
  const ULONGLONG deadline = GetTickCount64() + milliseconds;
  while (GetTickCount64() < deadline) Taken.push_back(WaitEvent());
  KillTimer(nullptr, timer);
}

void PostButton(HWND target, bool right, bool twice, POINT at) {
  const LPARAM where = MAKELPARAM(at.x, at.y);
  const UINT down = right ? WM_RBUTTONDOWN : WM_LBUTTONDOWN;
  const UINT up = right ? WM_RBUTTONUP : WM_LBUTTONUP;
  PostMessageA(target, down, right ? MK_RBUTTON : MK_LBUTTON, where);
  PostMessageA(target, up, 0, where);
  if (twice) {
    PostMessageA(target, right ? WM_RBUTTONDBLCLK : WM_LBUTTONDBLCLK, right ? MK_RBUTTON : MK_LBUTTON, where);
    PostMessageA(target, up, 0, where);
  }
  Pump(twice ? 300 : 150);
}

// Holds modifier keys down in this thread's key state, as GetKeyState sees them.
class HeldKeys {
 public:
  explicit HeldKeys(int key) {
    GetKeyboardState(saved);
    BYTE held[256];
    std::copy(std::begin(saved), std::end(saved), held);
    if (key) held[key] = 0x80;
    SetKeyboardState(held);
  }
  ~HeldKeys() { SetKeyboardState(saved); }
  HeldKeys(const HeldKeys&) = delete;
  HeldKeys& operator=(const HeldKeys&) = delete;

 private:
  BYTE saved[256];
};

Place PlaceOf(const RECT& r) { return {r.left, r.top, r.right - r.left, r.bottom - r.top}; }

}  // namespace

void OpenMainWindow() {
  ASSERT_TRUE(CreateMainWindow());
  // Activation travels through the X server; it can take a moment to settle.
  for (int i = 0; i < 100 && GetForegroundWindow() != Main(); ++i) {
    SetForegroundWindow(Main());
    Pump(20);
  }
  ASSERT_EQ(GetForegroundWindow(), Main());
}

std::vector<Event> TakeEvents() {
  Pump(120);
  std::vector<Event> events;
  events.swap(Taken);
  return events;
}

void ClickControl(int32_t id) {
  RECT r;
  GetClientRect(Control(id), &r);
  PostButton(Control(id), false, false, {r.right / 2, r.bottom / 2});
}

void ClickRow(int32_t row, bool right, bool twice) {
  RECT r{LVIR_BOUNDS, 0, 0, 0};
  SendMessageA(Control(ResultList), LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&r));
  PostButton(Control(ResultList), right, twice, {20, row < RowCount() ? (r.top + r.bottom) / 2 : 130});
}

void PressKey(Key key) {
  const struct {
    UINT key;
    int modifier;
  } keys[] = {{VK_TAB, 0},    {VK_TAB, VK_SHIFT}, {VK_SPACE, 0}, {VK_RETURN, 0},
              {VK_ESCAPE, 0}, {VK_DOWN, 0},       {VK_BACK, 0}};
  const auto& press = keys[static_cast<int>(key)];
  HeldKeys held(press.modifier);  // held until the key has been handled
  HWND target = GetFocus() ? GetFocus() : Main();
  PostMessageA(target, WM_KEYDOWN, press.key, 1);
  PostMessageA(target, WM_KEYUP, press.key, 0xC0000001);
  Pump(60);
}

void Type(const std::string& ascii) {
  for (const char c : ascii) PostMessageA(GetFocus(), WM_CHAR, static_cast<WPARAM>(c), 1);
  Pump(60);
}

void RequestClose() { PostMessageA(Main(), WM_SYSCOMMAND, SC_CLOSE, 0); }

void MoveWindowBy(int dx) {
  RECT r;
  GetWindowRect(Main(), &r);
  SetWindowPos(Main(), nullptr, r.left + dx, r.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

void Minimise() { ShowWindow(Main(), SW_MINIMIZE); }
void Restore() { ShowWindow(Main(), SW_RESTORE); }

// The fields' own focus notifications are set-up, not input under test: they are dropped.
void Focus(int32_t id) {
  const size_t before = Taken.size();
  SetFocus(id < 0 ? nullptr : Control(id));
  Pump(30);
  Taken.resize(before);
}

void SetEnabled(int32_t id, bool enabled) { EnableWindow(Control(id), enabled); }

void SelectRow(int32_t row) {
  LVITEMA item{};
  item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  item.state = LVIS_SELECTED | LVIS_FOCUSED;
  SendMessageA(Control(ResultList), LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

int32_t FocusedControl() {
  HWND focus = GetFocus();
  return focus && IsChild(Main(), focus) ? GetDlgCtrlID(focus) : -1;
}

bool IsActiveAndVisible() { return IsWindowVisible(Main()) && GetActiveWindow() == Main(); }

std::string ShownText(int32_t id) {
  std::string text(8192, '\0');
  text.resize(static_cast<size_t>(GetWindowTextA(Control(id), text.data(), static_cast<int>(text.size()))));
  return text;
}

Place PlaceOf(int32_t id) {
  RECT r;
  if (id < 0) {
    GetClientRect(Main(), &r);
  } else {
    GetWindowRect(Control(id), &r);
    MapWindowPoints(nullptr, Main(), reinterpret_cast<POINT*>(&r), 2);
  }
  return PlaceOf(r);
}

std::string Column(int32_t column) {
  char title[32] = "";
  LVCOLUMNA c{};
  c.mask = LVCF_TEXT | LVCF_WIDTH;
  c.pszText = title;
  c.cchTextMax = sizeof title;
  SendMessageA(Control(ResultList), LVM_GETCOLUMNA, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&c));
  return std::string(title) + " " + std::to_string(c.cx);
}

int32_t RowCount() { return static_cast<int32_t>(SendMessageA(Control(ResultList), LVM_GETITEMCOUNT, 0, 0)); }

Color PixelAt(int x, int y) {
  RedrawWindow(Main(), nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN);
  Pump(60);
  HDC dc = GetDC(Main());
  const COLORREF pixel = GetPixel(dc, x, y);
  ReleaseDC(Main(), dc);
  return pixel;
}

}  // namespace sucholin::testing
