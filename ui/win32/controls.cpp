// The control operations: texts, option states and the rows of the result list.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "search/win32/wide_text.h"
#include "ui/ui.h"
#include "ui/win32/backend.h"

namespace sucholin {
namespace {

using win32::ControlHandle;
using win32::IsOptionButton;
using win32::MutedEvents;
using win32::Narrow;
using win32::ResumeListPainting;
using win32::Widen;

// The list whose painting AddRow held back, if any.
HWND HeldList = nullptr;

void HoldListPainting(HWND list) {
  if (HeldList == list) return;
  ResumeListPainting();
  SendMessageW(list, WM_SETREDRAW, FALSE, 0);
  HeldList = list;
}

HWND ListHandle(int32_t id) {
  HWND control = ControlHandle(id);
  wchar_t className[32];
  if (!control || GetClassNameW(control, className, static_cast<int>(std::size(className))) == 0) {
    return nullptr;
  }
  return lstrcmpiW(className, WC_LISTVIEWW) == 0 ? control : nullptr;
}

int RowCount(HWND list) { return static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0)); }

int ColumnCount(HWND list) {
  HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
  return header ? static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
}

std::vector<std::wstring> CellTexts(std::string_view text) {
  std::vector<std::wstring> cells;
  size_t start = 0;
  for (size_t end; (end = text.find('\n', start)) != std::string_view::npos; start = end + 1) {
    cells.push_back(Widen(text.substr(start, end - start)));
  }
  cells.push_back(Widen(text.substr(start)));
  return cells;
}

// Unchecks every option of the group the option belongs to: back to the control that starts
// the group, then forward through the run of options from there.
void UncheckGroup(HWND option) {
  HWND first = option;
  while (!(GetWindowLongW(first, GWL_STYLE) & WS_GROUP)) {
    HWND previous = GetWindow(first, GW_HWNDPREV);
    if (!previous) break;
    first = previous;
  }
  for (HWND c = first; c && IsOptionButton(c); c = GetWindow(c, GW_HWNDNEXT)) {
    SendMessageW(c, BM_SETCHECK, BST_UNCHECKED, 0);
  }
}

}  // namespace

void win32::ResumeListPainting() {
  if (!HeldList) return;
  HWND list = HeldList;
  HeldList = nullptr;
  SendMessageW(list, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list, nullptr, TRUE);
}

void SetControlText(int32_t id, const std::string& text) {
  HWND control = ControlHandle(id);
  if (!control) return;
  MutedEvents muted;
  SetWindowTextW(control, Widen(text).c_str());
}

std::string GetControlText(int32_t id) {
  HWND control = ControlHandle(id);
  if (!control) return {};
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
  text.resize(
      static_cast<size_t>(GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
  return Narrow(text);
}

void SetControlState(int32_t id, int32_t state) {
  HWND control = ControlHandle(id);
  if (!control || !IsOptionButton(control)) return;
  MutedEvents muted;
  if (state != 0) UncheckGroup(control);
  SendMessageW(control, BM_SETCHECK, state != 0 ? BST_CHECKED : BST_UNCHECKED, 0);
}

int32_t GetControlState(int32_t id) {
  if (HWND list = ListHandle(id)) {
    return static_cast<int32_t>(
        SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
  }
  HWND control = ControlHandle(id);
  if (!control || !IsOptionButton(control)) return 0;
  return static_cast<int32_t>(SendMessageW(control, BM_GETCHECK, 0, 0) & 1);
}

void ClearRows(int32_t id) {
  HWND list = ListHandle(id);
  if (!list) return;
  MutedEvents muted;
  SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
  // New rows start at the left: the last rows' sideways scroll would hide their names.
  if (const int x = GetScrollPos(list, SB_HORZ)) ListView_Scroll(list, -x, 0);
}

void AddRow(int32_t id, int32_t position, const std::string& text) {
  HWND list = ListHandle(id);
  if (!list) return;
  MutedEvents muted;
  HoldListPainting(list);
  std::vector<std::wstring> cells = CellTexts(text);
  LVITEMW item{};
  item.mask = LVIF_TEXT;
  item.iItem = position < 0 ? RowCount(list) : position;
  item.pszText = cells[0].data();
  const int row =
      static_cast<int>(SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
  if (row < 0) return;
  const int shown = std::min<int>(static_cast<int>(cells.size()), ColumnCount(list));
  for (int column = 1; column < shown; ++column) {
    LVITEMW cell{};
    cell.iSubItem = column;
    cell.pszText = cells[static_cast<size_t>(column)].data();
    SendMessageW(list, LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&cell));
  }
}

std::string GetRowText(int32_t id, int32_t row, int32_t column) {
  HWND list = ListHandle(id);
  if (!list || row < 0 || row >= RowCount(list) || column < 0) return {};
  // The list answers how much it copied; a full buffer may mean a longer text.
  for (size_t room = 256;; room *= 2) {
    std::wstring text(room, L'\0');
    LVITEMW cell{};
    cell.iSubItem = column;
    cell.pszText = text.data();
    cell.cchTextMax = static_cast<int>(room);
    const auto copied = static_cast<size_t>(SendMessageW(
        list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&cell)));
    if (copied + 1 < room) {
      text.resize(copied);
      return Narrow(text);
    }
  }
}

}  // namespace sucholin
