// MainWindow: its window class, creation with every control, the window procedure and colours.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cwctype>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "search/win32/wide_text.h"
#include "ui/texts.h"
#include "ui/ui.h"
#include "ui/win32/backend.h"

namespace sucholin {
namespace win32 {
namespace {

constexpr wchar_t ClassName[] = L"SucholinMainWindow";
constexpr DWORD WindowStyle = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr int ClientWidth = 451;
constexpr int ClientHeight = 320;
constexpr int IconResource = 1;

struct BrushDeleter {
  void operator()(HBRUSH brush) const { DeleteObject(brush); }
};
using Brush = std::unique_ptr<std::remove_pointer_t<HBRUSH>, BrushDeleter>;

struct ControlColors {
  COLORREF text;
  Brush background;
};

// Everything the window owns. The window is destroyed first, while its brushes still exist,
// and the handle is given up before that so that the last messages find no window to report.
struct WindowState {
  Brush background;
  std::map<int32_t, ControlColors> colors;
  std::vector<HWND> tabStops;
  HWND window = nullptr;

  WindowState() = default;
  WindowState(const WindowState&) = delete;
  WindowState& operator=(const WindowState&) = delete;
  ~WindowState() {
    HWND closing = window;
    window = nullptr;
    if (closing) DestroyWindow(closing);
  }
};

WindowState State;

struct ControlLayout {
  int32_t id;
  const wchar_t* className;
  const char* text;  // UTF-8, widened as the control is created
  DWORD style;
  DWORD exStyle;
  int x, y, width, height;
};

constexpr DWORD Child = WS_CHILD | WS_VISIBLE;

// In creation order, which is also the stacking and keyboard order.
// clang-format off
const ControlLayout FolderOptionLayout{FolderOption, L"Button", texts::FolderOptionText,
                                   Child | BS_AUTORADIOBUTTON | WS_TABSTOP, 0, 15, 25, 80, 17};
const ControlLayout FileOptionLayout{FileOption, L"Button", texts::FileOptionText,
                                 Child | BS_AUTORADIOBUTTON | WS_TABSTOP, 0, 15, 42, 95, 23};
const ControlLayout SelectionFrameLayout{SelectionFrame, L"Static", "", Child | WS_CLIPSIBLINGS,
                                     WS_EX_CLIENTEDGE, 10, 10, 105, 70};
const ControlLayout PathFieldLayout{PathField, L"Edit", "",
                                Child | ES_AUTOHSCROLL | ES_READONLY | WS_TABSTOP,
                                WS_EX_CLIENTEDGE, 120, 10, 260, 25};
const ControlLayout WordFieldLayout{WordField, L"Edit", "", Child | ES_AUTOHSCROLL | WS_TABSTOP,
                                WS_EX_CLIENTEDGE, 120, 35, 260, 25};
const ControlLayout SelectButtonLayout{SelectButton, L"Button", texts::SelectButtonText,
                                   Child | BS_PUSHBUTTON | WS_TABSTOP, 0, 385, 10, 65, 25};
const ControlLayout SearchButtonLayout{SearchButton, L"Button", texts::SearchButtonText,
                                   Child | BS_PUSHBUTTON | WS_TABSTOP, 0, 385, 37, 65, 25};
const ControlLayout WebsiteButtonLayout{WebsiteButton, L"Button", texts::WebsiteButtonText,
                                    Child | BS_PUSHBUTTON | WS_TABSTOP, 0, 75, 290, 300, 25};
const ControlLayout ResultListLayout{
    ResultList, WC_LISTVIEWW, "",
    Child | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS, WS_EX_CLIENTEDGE,
    10, 120, 429, 150};
const ControlLayout ResultFrameLayout{ResultFrame, L"Button", texts::ResultFrameText,
                                  Child | BS_GROUPBOX, 0, 5, 105, 442, 175};
// clang-format on

bool IsOptionStyle(DWORD style) {
  const DWORD type = style & BS_TYPEMASK;
  return type == BS_AUTORADIOBUTTON || type == BS_RADIOBUTTON;
}

// An option directly after a control that is not an option starts a group of its own.
HWND CreateControl(const ControlLayout& layout) {
  DWORD style = layout.style;
  if (std::wstring_view(layout.className) == L"Button" && IsOptionStyle(style)) {
    HWND last = GetWindow(State.window, GW_CHILD);
    if (last) last = GetWindow(last, GW_HWNDLAST);
    if (!last || !IsOptionButton(last)) style |= WS_GROUP;
  }
  HWND control = CreateWindowExW(
      layout.exStyle, layout.className, Widen(layout.text).c_str(), style, layout.x, layout.y,
      layout.width, layout.height, State.window,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(layout.id)), GetModuleHandleW(nullptr), nullptr);
  if (control && (style & WS_TABSTOP)) State.tabStops.push_back(control);
  if (control) {
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                 TRUE);
  }
  return control;
}

void AddColumn(HWND list, int position, const char* title, int width) {
  std::wstring text = Widen(title);
  LVCOLUMNW column{};
  column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT;
  column.fmt = LVCFMT_LEFT;
  column.cx = width;
  column.pszText = text.data();
  SendMessageW(list, LVM_INSERTCOLUMNW, static_cast<WPARAM>(position),
               reinterpret_cast<LPARAM>(&column));
}

void CreateControls() {
  CreateControl(FolderOptionLayout);
  SetControlColors(FolderOption, Rgb(0, 0, 0), PanelBlue);
  CreateControl(FileOptionLayout);
  SetControlColors(FileOption, Rgb(0, 0, 0), PanelBlue);
  SetControlState(FolderOption, 1);
  for (const ControlLayout* layout :
       {&SelectionFrameLayout, &PathFieldLayout, &WordFieldLayout, &SelectButtonLayout,
        &SearchButtonLayout, &WebsiteButtonLayout}) {
    CreateControl(*layout);
  }
  if (HWND list = CreateControl(ResultListLayout)) {
    SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    AddColumn(list, 0, texts::FileColumn, 140);
    AddColumn(list, 1, texts::LinesColumn, 500);
  }
  CreateControl(ResultFrameLayout);
  SetControlColors(ResultFrame, Rgb(0, 0, 0), PanelBlue);
}

// Answers a control's colour request when the control has colours of its own. The selection
// frame is only its sunken edge with the window's background inside. Painting nothing there
// is not enough: Wine leaves the area under such a child unpainted, so the frame fills its
// inside with the window's own brush, which looks the same.
LRESULT AnswerColors(HDC dc, HWND control, bool& answered) {
  answered = GetParent(control) == State.window && GetDlgCtrlID(control) == SelectionFrame &&
             State.background;
  if (answered) return reinterpret_cast<LRESULT>(State.background.get());
  const auto found = State.colors.find(GetDlgCtrlID(control));
  answered = found != State.colors.end() && GetParent(control) == State.window;
  if (!answered) return 0;
  SetTextColor(dc, found->second.text);
  SetBkMode(dc, TRANSPARENT);
  return reinterpret_cast<LRESULT>(found->second.background.get());
}

int ListEventType(UINT code, LPARAM lParam) {
  switch (code) {
    case NM_CLICK: return Click;
    case NM_RCLICK: return RightClick;
    case NM_DBLCLK: return DoubleClick;
    case NM_RDBLCLK: return RightDoubleClick;
    case LVN_ITEMCHANGED: {
      const auto* change = reinterpret_cast<const NMLISTVIEW*>(lParam);
      return (change->uChanged & LVIF_STATE) && (change->uNewState & LVIS_SELECTED)
                 ? SelectionChange
                 : -1;
    }
    default: return -1;
  }
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  // While being created, and while being destroyed at the end, nothing is reported.
  if (window != State.window) return DefWindowProcW(window, message, wParam, lParam);
  switch (message) {
    case WM_COMMAND:
      if (lParam == 0 && HIWORD(wParam) == 1) {
        MoveFocus(LOWORD(wParam) == NextControlCommand);
      } else if (lParam != 0) {
        RecordCommand(LOWORD(wParam), HIWORD(wParam));
      }
      return 0;
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      // Only the list's own notifications count: its column header (id 0) may pass clicks up
      // too, and must not pose as FolderOption.
      if (header->hwndFrom != GetDlgItem(window, ResultList)) return 0;
      const int type = ListEventType(header->code, lParam);
      if (type >= 0) RecordListNotification(ResultList, type);
      return 0;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: {
      bool answered = false;
      const LRESULT brush =
          AnswerColors(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam), answered);
      if (answered) return brush;
      break;
    }
    case WM_ERASEBKGND:
      if (State.background) {
        RECT client;
        GetClientRect(window, &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, State.background.get());
        RecordWindowEvent(EventKind::PaintEvent);
        return 1;
      }
      break;
    case WM_CLOSE: RecordWindowEvent(EventKind::CloseEvent); return 0;
    case WM_MOVE: RecordWindowEvent(EventKind::MoveEvent); return 0;
    case WM_SIZE:
      // Restoring reports a size change; minimising does not.
      if (wParam != SIZE_MINIMIZED) RecordWindowEvent(EventKind::SizeEvent);
      return 0;
    case WM_ACTIVATE:
      // No default handling: activation must not hand the focus to the window or a control.
      RecordWindowEvent(EventKind::ActivateEvent);
      return 0;
    default: break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

bool RegisterWindowClass() {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = MainWindowProc;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hIcon = LoadIconW(windowClass.hInstance, MAKEINTRESOURCEW(IconResource));
  // The caption's small icon from its own drawing in the icon file, not the large one shrunk.
  windowClass.hIconSm = static_cast<HICON>(
      LoadImageW(windowClass.hInstance, MAKEINTRESOURCEW(IconResource), IMAGE_ICON,
                 GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), LR_SHARED));
  windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
  windowClass.lpszClassName = ClassName;
  return RegisterClassExW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

// Without its window the program cannot be used: it says why in one line rather than ending
// without a word.
bool TellNoWindow() {
  const DWORD error = GetLastError();
  std::wstring text = Widen(texts::NoWindowMessage) + std::to_wstring(error);
  wchar_t* reason = nullptr;
  if (FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                         FORMAT_MESSAGE_IGNORE_INSERTS,
                     nullptr, error, 0, reinterpret_cast<wchar_t*>(&reason), 0, nullptr) != 0) {
    std::wstring_view said(reason);
    while (!said.empty() && std::iswspace(said.back())) said.remove_suffix(1);
    (text += L": ") += said;
  }
  if (reason) LocalFree(reason);
  MessageBoxW(nullptr, text.c_str(), Widen(texts::WindowTitle).c_str(), MB_ICONERROR | MB_OK);
  return false;
}

}  // namespace

HWND MainHandle() { return State.window; }

HWND ControlHandle(int32_t id) { return State.window ? GetDlgItem(State.window, id) : nullptr; }

// The platform takes the tab stop off an option button whenever it is unchecked; every
// option stays a tab stop of its own here, so the styles the controls were created with count.
bool IsTabStop(HWND control) {
  return std::find(State.tabStops.begin(), State.tabStops.end(), control) != State.tabStops.end();
}

bool IsOptionButton(HWND control) {
  wchar_t className[16];
  return GetClassNameW(control, className, static_cast<int>(std::size(className))) > 0 &&
         lstrcmpiW(className, L"Button") == 0 &&
         IsOptionStyle(static_cast<DWORD>(GetWindowLongW(control, GWL_STYLE)));
}

}  // namespace win32

bool CreateMainWindow() {
  using namespace win32;
  if (State.window) return true;
  InitCommonControls();
  if (!RegisterWindowClass()) return TellNoWindow();

  RECT frame{0, 0, ClientWidth, ClientHeight};
  AdjustWindowRect(&frame, WindowStyle, FALSE);
  const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
  const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
  const int width = std::min<int>(frame.right - frame.left, screenWidth);
  const int height = std::min<int>(frame.bottom - frame.top, screenHeight);

  HWND window = CreateWindowExW(0, ClassName, Widen(texts::WindowTitle).c_str(), WindowStyle,
                                (screenWidth - width) / 2, (screenHeight - height) / 2, width,
                                height, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  if (!window) return TellNoWindow();
  State.window = window;
  ShowWindow(window, SW_SHOWNORMAL);

  State.background.reset(CreateSolidBrush(PanelBlue));
  InvalidateRect(window, nullptr, TRUE);

  CreateControls();
  return true;
}

void SetControlColors(int32_t id, Color text, Color background) {
  using namespace win32;
  HWND control = ControlHandle(id);
  if (!control) return;
  State.colors.insert_or_assign(id, ControlColors{text, Brush(CreateSolidBrush(background))});
  InvalidateRect(control, nullptr, TRUE);
}

}  // namespace sucholin
