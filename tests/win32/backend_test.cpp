// What only the Win32 window backend does: the colours it answers to the platform, the list
// header's notifications, and painting held back while rows come in.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/contract/window_driver.h"
#include "ui/texts.h"
#include "ui/ui.h"

namespace sucholin::testing {
namespace {

HWND Main() { return FindWindowA("SucholinMainWindow", texts::WindowTitle); }
HWND Control(int32_t id) { return GetDlgItem(Main(), id); }

class Win32Backend : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { OpenMainWindow(); }
  void SetUp() override { ClearRows(ResultList); }
};

// The header inside the list has control id 0; its notifications must never pass for FolderOption.
TEST_F(Win32Backend, OnlyTheListItselfRaisesListEvents) {
  HWND header = reinterpret_cast<HWND>(SendMessageA(Control(ResultList), LVM_GETHEADER, 0, 0));
  for (UINT code : {NM_CLICK, NM_RCLICK, NM_DBLCLK, NM_RDBLCLK}) {
    NMHDR fromHeader{header, static_cast<UINT_PTR>(GetDlgCtrlID(header)), code};
    SendMessageA(Main(), WM_NOTIFY, fromHeader.idFrom, reinterpret_cast<LPARAM>(&fromHeader));
  }
  NMHDR fromList{Control(ResultList), static_cast<UINT_PTR>(ResultList), static_cast<UINT>(NM_RCLICK)};
  SendMessageA(Main(), WM_NOTIFY, ResultList, reinterpret_cast<LPARAM>(&fromList));
  int actions = 0;
  for (const Event& event : TakeEvents()) {
    if (event.kind != EventKind::ControlEvent) continue;
    ++actions;
    EXPECT_EQ(event.control, ResultList);
    EXPECT_EQ(event.type, RightClick);
  }
  EXPECT_EQ(actions, 1);
}

// The options and the result frame are drawn black on PanelBlue; the selection frame's inside
// is the window's background; other controls keep the system's colours.
TEST_F(Win32Backend, ColoursAreAnsweredForTheOptionsAndFramesOnly) {
  HDC dc = CreateCompatibleDC(nullptr);
  const struct {
    int32_t id;
    bool blue, black;
  } cases[] = {{FolderOption, true, true},  {FileOption, true, true}, {ResultFrame, true, true},
               {SelectionFrame, true, false}, {PathField, false, false}, {SearchButton, false, false}};
  for (const auto& c : cases) {
    for (UINT message : {WM_CTLCOLORSTATIC, WM_CTLCOLORBTN}) {
      SetTextColor(dc, RGB(1, 2, 3));
      auto brush = reinterpret_cast<HBRUSH>(SendMessageA(Main(), message, reinterpret_cast<WPARAM>(dc),
                                                         reinterpret_cast<LPARAM>(Control(c.id))));
      LOGBRUSH drawn{};
      const bool solid = GetObjectA(brush, sizeof drawn, &drawn) && drawn.lbStyle == BS_SOLID;
      EXPECT_EQ(solid && drawn.lbColor == PanelBlue, c.blue) << c.id << " " << message;
      if (c.blue) {
        EXPECT_EQ(GetTextColor(dc) == RGB(0, 0, 0), c.black) << c.id << " " << message;
      }
    }
  }
  DeleteDC(dc);
}

// Many rows come in during one search; they must neither cost a repaint each nor stay unpainted.
TEST_F(Win32Backend, RowsAddedInOneGoArePaintedOnceTheProgramWaits) {
  const ULONGLONG start = GetTickCount64();
  for (int i = 0; i < 500; ++i) AddRow(ResultList, -1, "zeit-" + std::to_string(i) + ".txt\n2");
  EXPECT_LT(GetTickCount64() - start, 2500u);
  TakeEvents();
  RECT row{LVIR_LABEL, 0, 0, 0};
  SendMessageA(Control(ResultList), LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&row));
  HDC dc = GetDC(Control(ResultList));
  int dark = 0;
  for (int x = row.left; x < row.right; ++x) {
    for (int y = row.top; y < row.bottom; ++y) {
      const COLORREF pixel = GetPixel(dc, x, y);
      dark += GetRValue(pixel) < 100 && GetGValue(pixel) < 100 && GetBValue(pixel) < 100;
    }
  }
  ReleaseDC(Control(ResultList), dc);
  EXPECT_GT(dark, 20) << "the first row's name is drawn";
}

}  // namespace
}  // namespace sucholin::testing
