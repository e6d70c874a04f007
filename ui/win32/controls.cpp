// The control operations: texts, option states and the rows of the result list.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "ui/ui.h"
#include "ui/win32/backend.h"

namespace sucholin {
namespace {

using win32::ControlHandle;
using win32::IsOptionButton;
using win32::MutedEvents;
using win32::ResumeListPainting;

// The list whose painting AddRow held back, if any.
HWND HeldList = nullptr;

void HoldListPainting(HWND list) {
  if (HeldList == list) return;
  ResumeListPainting();
  SendMessageA(list, WM_SETREDRAW, FALSE, 0);
  HeldList = list;
}

HWND ListHandle(int32_t id) {
  HWND control = ControlHandle(id);
  char className[32];
  if (!control || GetClassNameA(control, className, sizeof className) == 0) return nullptr;
  return lstrcmpiA(className, WC_LISTVIEWA) == 0 ? control : nullptr;
}

int RowCount(HWND list) { return static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0)); }

int ColumnCount(HWND list) {
  HWND header = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
  return header ? static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
}

std::vector<std::string> CellTexts(std::string_view text) {
  std::vector<std::string> cells;
  size_t start = 0;
  for (size_t end; (end = text.find('\n', start)) != std::string_view::npos; start = end + 1) {
    cells.emplace_back(text.substr(start, end - start));
  }
  cells.emplace_back(text.substr(start));
  return cells;
}

// Unchecks every option of the group the option belongs to: back to the control that starts
// the group, then forward through the run of options from there.
void UncheckGroup(HWND option) {
  HWND first = option;
  while (!(GetWindowLongA(first, GWL_STYLE) & WS_GROUP)) {
    HWND previous = GetWindow(first, GW_HWNDPREV);
    if (!previous) break;
    first = previous;
  }
  for (HWND c = first; c && IsOptionButton(c); c = GetWindow(c, GW_HWNDNEXT)) {
    SendMessageA(c, BM_SETCHECK, BST_UNCHECKED, 0);
  }
}

}  // namespace

void win32::ResumeListPainting() {
  if (!HeldList) return;
  HWND list = HeldList;
  HeldList = nullptr;
  SendMessageA(list, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list, nullptr, TRUE);
}

void SetControlText(int32_t id, const std::string& text) {
  HWND control = ControlHandle(id);
  if (!control) return;
  MutedEvents muted;
  SetWindowTextA(control, text.c_str());
}

std::string GetControlText(int32_t id) {
  HWND control = ControlHandle(id);
  if (!control) return {};
  std::string text(static_cast<size_t>(GetWindowTextLengthA(control)) + 1, '\0');
  text.resize(
      static_cast<size_t>(GetWindowTextA(control, text.data(), static_cast<int>(text.size()))));
  return text;
}

void SetControlState(int32_t id, int32_t state) {
  HWND control = ControlHandle(id);
  if (!control || !IsOptionButton(control)) return;
  MutedEvents muted;
  if (state != 0) UncheckGroup(control);
  SendMessageA(control, BM_SETCHECK, state != 0 ? BST_CHECKED : BST_UNCHECKED, 0);
}

int32_t GetControlState(int32_t id) {
  if (HWND list = ListHandle(id)) {
    return static_cast<int32_t>(
        SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
  }
  HWND control = ControlHandle(id);
  if (!control || !IsOptionButton(control)) return 0;
  return static_cast<int32_t>(SendMessageA(control, BM_GETCHECK, 0, 0) & 1);
}

void ClearRows(int32_t id) {
  HWND list = ListHandle(id);
  if (!list) return;
  MutedEvents muted;
  SendMessageA(list, LVM_DELETEALLITEMS, 0, 0);
  // New rows start at the left: the last rows' sideways scroll would hide their names.
  if (const int x = GetScrollPos(list, SB_HORZ)) ListView_Scroll(list, -x, 0);
}

void AddRow(int32_t id, int32_t position, const std::string& text) {
  HWND list = ListHandle(id);
  if (!list) return;
  MutedEvents muted;
  HoldListPainting(list);
  std::vector<std::string> cells = CellTexts(text);
  LVITEMA item{};
  item.mask = LVIF_TEXT;
  item.iItem = position < 0 ? RowCount(list) : position;
  item.pszText = cells[0].data();
  const int row =
      static_cast<int>(SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
  if (row < 0) return;
  const int shown = std::min<int>(static_cast<int>(cells.size()), ColumnCount(list));
  for (int column = 1; column < shown; ++column) {
    LVITEMA cell{};
    cell.iSubItem = column;
    cell.pszText = cells[static_cast<size_t>(column)].data();
    SendMessageA(list, LVM_SETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&cell));
  }
}

std::string GetRowText(int32_t id, int32_t row, int32_t column) {
  HWND list = ListHandle(id);
  if (!list || row < 0 || row >= RowCount(list) || column < 0) return {};
  // The list answers how much it copied; a full buffer may mean a longer text.
  for (size_t room = 256;; room *= 2) {
    std::string text(room, '\0');
    LVITEMA cell{};
    cell.iSubItem = column;
    cell.pszText = text.data();
    cell.cchTextMax = static_cast<int>(room);
    const auto copied = static_cast<size_t>(SendMessageA(
        list, LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&cell)));
    if (copied + 1 < room) {
      text.resize(copied);
      return text;
    }
  }
}

}  // namespace sucholin
