// The control operations: texts, option states and the rows of the result list.
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <string_view>
#include <vector>

#include "search/win32/wide_text.h"
#include "ui/ui.h"
#include "ui/win32/backend.h"
#include "ui/window_layout.h"

namespace sucholin {
namespace {

using win32::ControlHandle;
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
  return layout::Is(id, layout::Kind::List) ? ControlHandle(id) : nullptr;
}

HWND OptionHandle(int32_t id) {
  return layout::Is(id, layout::Kind::Option) ? ControlHandle(id) : nullptr;
}

int RowCount(HWND list) { return static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0)); }

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
  HWND control = OptionHandle(id);
  if (!control) return;
  MutedEvents muted;
  if (state != 0) {
    for (const layout::Control& option : layout::GroupOf(id)) {
      if (HWND member = ControlHandle(option.id))
        SendMessageW(member, BM_SETCHECK, BST_UNCHECKED, 0);
    }
  }
  SendMessageW(control, BM_SETCHECK, state != 0 ? BST_CHECKED : BST_UNCHECKED, 0);
}

int32_t GetControlState(int32_t id) {
  if (HWND list = ListHandle(id)) {
    return static_cast<int32_t>(
        SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
  }
  HWND control = OptionHandle(id);
  if (!control) return 0;
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
  const std::vector<std::string_view> parts = layout::RowCells(text);
  std::wstring cell = Widen(parts[0]);
  LVITEMW item{};
  item.mask = LVIF_TEXT;
  item.iItem = position < 0 ? RowCount(list) : position;
  item.pszText = cell.data();
  const int row =
      static_cast<int>(SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
  for (size_t column = 1; row >= 0 && column < parts.size(); ++column) {
    cell = Widen(parts[column]);
    item.iSubItem = static_cast<int>(column);
    item.pszText = cell.data();
    SendMessageW(list, LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
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
