// Test-side event pumping for the Win32 backend.
#include "tests/win32/pump.h"

#include "ui/texts.h"

namespace sucholin::testing {

std::vector<Event> PumpEvents(DWORD milliseconds) {
  const UINT_PTR timer = SetTimer(nullptr, 0, 5, nullptr);
  std::vector<Event> events;
  const ULONGLONG deadline = GetTickCount64() + milliseconds;
  while (GetTickCount64() < deadline) events.push_back(WaitEvent());
  KillTimer(nullptr, timer);
  return events;
}

std::vector<Event> PumpActions(DWORD milliseconds) {
  std::vector<Event> actions;
  for (const Event& event : PumpEvents(milliseconds)) {
    if (event.kind == EventKind::ControlEvent || event.kind == EventKind::CloseEvent) {
      actions.push_back(event);
    }
  }
  return actions;
}

HWND Window() { return FindWindowA("SucholinMainWindow", texts::WindowTitle); }

HWND Control(int id) { return GetDlgItem(Window(), id); }

}  // namespace sucholin::testing
