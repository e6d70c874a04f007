// The modal guard: which windows a dialog disables, and enabling them again afterwards.
#include "shell/win32/modal_guard.h"

#include <vector>

namespace sucholin::win32 {
namespace {

// The windows BeginModal disabled and EndModal has not yet enabled. Each thread guards only
// its own windows, so each thread keeps its own list and no lock is needed.
thread_local std::vector<HWND> GuardList;

BOOL CALLBACK DisableIfUnguarded(HWND window, LPARAM) {
  if (GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId() &&
      IsWindowVisible(window) && IsWindowEnabled(window) && window != GetForegroundWindow()) {
    EnableWindow(window, FALSE);
    GuardList.push_back(window);
  }
  return TRUE;
}

}  // namespace

HWND DialogOwner() {
  HWND foreground = GetForegroundWindow();
  if (!foreground) return nullptr;
  DWORD process = 0;
  GetWindowThreadProcessId(foreground, &process);
  return process == GetCurrentProcessId() ? foreground : nullptr;
}

void BeginModal() { EnumWindows(DisableIfUnguarded, 0); }

void EndModal() {
  for (HWND window : GuardList) EnableWindow(window, TRUE);
  GuardList.clear();
}

}  // namespace sucholin::win32
