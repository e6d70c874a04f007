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

#include "search/win32/wide_text.h"
#include "ui/texts.h"
#include "ui/ui.h"
#include "ui/win32/backend.h"
#include "ui/window_layout.h"

namespace sucholin {
namespace win32 {
namespace {

constexpr wchar_t ClassName[] = L"SucholinMainWindow";
constexpr DWORD WindowStyle = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
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

struct Look {
  const wchar_t* className;
  DWORD style;
  DWORD exStyle;
};

Look LookOf(layout::Kind kind) {
  using enum layout::Kind;
  switch (kind) {
    case Option: return {L"Button", BS_AUTORADIOBUTTON, 0};
    case Frame: return {L"Static", WS_CLIPSIBLINGS, WS_EX_CLIENTEDGE};
    case Field: return {L"Edit", ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case ReadOnlyField: return {L"Edit", ES_AUTOHSCROLL | ES_READONLY, WS_EX_CLIENTEDGE};
    case Button: return {L"Button", BS_PUSHBUTTON, 0};
    case List:
      return {WC_LISTVIEWW, LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS, WS_EX_CLIENTEDGE};
    case GroupBox: return {L"Button", BS_GROUPBOX, 0};
  }
  return {};
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

HWND CreateControl(const layout::Control& described) {
  const Look look = LookOf(described.kind);
  const DWORD style = WS_CHILD | WS_VISIBLE | look.style |
                      (layout::IsTabStop(described.kind) ? WS_TABSTOP : 0) |
                      (layout::StartsGroup(described) ? WS_GROUP : 0);
  HWND control = CreateWindowExW(look.exStyle, look.className, Widen(described.text).c_str(), style,
                                 described.place.x, described.place.y, described.place.width,
                                 described.place.height, State.window,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(described.id)),
                                 GetModuleHandleW(nullptr), nullptr);
  if (!control) return nullptr;
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
               TRUE);
  if (described.kind == layout::Kind::List) {
    SendMessageW(control, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    for (int position = 0; const layout::Column& column : layout::ResultColumns) {
      AddColumn(control, position++, column.title, column.width);
    }
  }
  return control;
}

void CreateControls() {
  for (const layout::Control& control : layout::Controls) {
    if (!CreateControl(control)) continue;
    if (control.ownColors) SetControlColors(control.id, Rgb(0, 0, 0), PanelBlue);
    if (control.checked) SetControlState(control.id, 1);
  }
}

// Answers a control's colour request when the control has colours of its own. The selection
// frame is only its sunken edge with the window's background inside. Painting nothing there
// is not enough: Wine leaves the area under such a child unpainted, so the frame fills its
// inside with the window's own brush, which looks the same.
LRESULT AnswerColors(HDC dc, HWND control, bool& answered) {
  answered = GetParent(control) == State.window &&
             layout::Is(GetDlgCtrlID(control), layout::Kind::Frame) && State.background;
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

}  // namespace win32

bool CreateMainWindow() {
  using namespace win32;
  if (State.window) return true;
  InitCommonControls();
  if (!RegisterWindowClass()) return TellNoWindow();

  RECT frame{0, 0, layout::ClientWidth, layout::ClientHeight};
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
