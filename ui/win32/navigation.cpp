// Keyboard navigation: Tab and Shift+Tab move the focus through the tab stops, wrapping around.
#include <windows.h>

#include <memory>
#include <type_traits>
#include <vector>

#include "ui/win32/backend.h"

namespace sucholin::win32 {
namespace {

struct TableDeleter {
  void operator()(HACCEL table) const { DestroyAcceleratorTable(table); }
};

bool IsCandidate(HWND control) {
  return IsWindowEnabled(control) && IsWindowVisible(control) && IsTabStop(control);
}

}  // namespace

HACCEL NavigationTable() {
  static ACCEL entries[] = {
      {FVIRTKEY, VK_TAB, NextControlCommand},
      {FVIRTKEY | FSHIFT, VK_TAB, PreviousControlCommand},
  };
  static const std::unique_ptr<std::remove_pointer_t<HACCEL>, TableDeleter> table(
      CreateAcceleratorTableW(entries, static_cast<int>(std::size(entries))));
  return table.get();
}

void MoveFocus(bool forward) {
  HWND main = MainHandle();
  if (!main) return;
  std::vector<HWND> controls;  // in stacking order
  for (HWND c = GetWindow(main, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) controls.push_back(c);
  const int count = static_cast<int>(controls.size());
  if (count == 0) return;

  // The current control is the one holding the focus, or holding the child that has it.
  int current = -1;
  HWND focus = GetFocus();
  if (focus && IsChild(main, focus)) {
    while (GetParent(focus) != main) focus = GetParent(focus);
    for (int i = 0; i < count; ++i) {
      if (controls[i] == focus) current = i;
    }
  }
  // Without a current control, Tab starts before the first and Shift+Tab after the last.
  if (current < 0) current = forward ? -1 : count;
  for (int step = 1; step <= count; ++step) {
    const int index = ((current + (forward ? step : -step)) % count + count) % count;
    if (IsCandidate(controls[index])) {
      SetFocus(controls[index]);
      return;
    }
  }
}

}  // namespace sucholin::win32
