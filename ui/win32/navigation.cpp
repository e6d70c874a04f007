// Keyboard navigation: Tab and Shift+Tab move the focus through the tab stops, wrapping around.
#include <windows.h>

#include <memory>
#include <type_traits>

#include "ui/win32/backend.h"
#include "ui/window_layout.h"

namespace sucholin::win32 {
namespace {

struct TableDeleter {
  void operator()(HACCEL table) const { DestroyAcceleratorTable(table); }
};

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
  // The current control is the one holding the focus, or holding the child that has it.
  int32_t current = -1;
  HWND focus = GetFocus();
  if (focus && IsChild(main, focus)) {
    while (GetParent(focus) != main) focus = GetParent(focus);
    current = GetDlgCtrlID(focus);
  }
  const int32_t next = layout::NextTabStop(current, forward, [](int32_t id) {
    HWND control = ControlHandle(id);
    return control && IsWindowEnabled(control) && IsWindowVisible(control);
  });
  if (next >= 0) SetFocus(ControlHandle(next));
}

}  // namespace sucholin::win32
