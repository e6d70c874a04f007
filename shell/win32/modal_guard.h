// The owner of a dialog and the guard that keeps the program's other windows still meanwhile.
#pragma once

#include <windows.h>

namespace sucholin::win32 {

// The foreground window when it belongs to this process; otherwise none.
HWND DialogOwner();
// Disables this thread's visible, enabled top-level windows other than the foreground one.
void BeginModal();
// Enables again every window this thread's BeginModal disabled.
void EndModal();

}  // namespace sucholin::win32
