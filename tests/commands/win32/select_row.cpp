// Selects a row of the Win32 result list the way a click does, for the command tests.
#include <windows.h>
#include <commctrl.h>

#include "tests/commands/scripted_shell.h"
#include "ui/texts.h"
#include "ui/ui.h"

namespace sucholin::testing {

void SelectResultRow(int row) {
  HWND list = GetDlgItem(FindWindowA(nullptr, texts::WindowTitle), ResultList);
  LVITEMA item{};
  item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  item.state = LVIS_SELECTED | LVIS_FOCUSED;
  SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

}  // namespace sucholin::testing
