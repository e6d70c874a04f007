// What only the Win32 backends do: the shell's text rules and its modal guard; the colours the
// window answers to the platform and the list header's notifications.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <tuple>

#include "shell/shell.h"
#include "shell/win32/modal_guard.h"
#include "shell/win32/shell_rules.h"
#include "tests/contract/dialog_driver.h"
#include "tests/contract/window_driver.h"
#include "ui/texts.h"
#include "ui/ui.h"

namespace sucholin::win32 {
namespace {

// Targets start quoted in their own folder, and only program files are started at all; then
// the texts the choosers are given and give back.
TEST(ShellRules, TargetsAndChooserTexts) {
  const struct {
    const char* target;
    const char* line;
    const char* folder;
    bool program;
    const char* typeClass;
  } cases[] = {
      {"D:\\Texte\\brief.txt", "\"D:\\Texte\\brief.txt\"", "D:\\Texte\\", false, ".txt"},
      {"C:\\mit Leer\\a b.exe", "\"C:\\mit Leer\\a b.exe\"", "C:\\mit Leer\\", true, ".exe"},
      {"\"C:\\a b\\x\" -a", "\"C:\\a b\\x\" -a", "\"C:\\a b\\", false, ""},
      {"C:\\x\\LAUF.CMD", "\"C:\\x\\LAUF.CMD\"", "C:\\x\\", true, ".CMD"},
      {"C:\\a.b\\kombat", "\"C:\\a.b\\kombat\"", "C:\\a.b\\", false, ""},
      {"\\brief.txt", "\"\\brief.txt\"", "", false, ".txt"},
      {"https://www.sucholin.de", "\"https://www.sucholin.de\"", "", false, ""},
      {"", "\"\"", "", false, ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CommandLineFor(c.target), c.line) << c.target;
    EXPECT_EQ(WorkingFolderFor(c.target), c.folder) << c.target;
    EXPECT_EQ(RunsAsProgram(c.target), c.program) << c.target;
    EXPECT_EQ(TypeClassFor(c.target), c.typeClass) << c.target;
  }
  // A drive root keeps its backslash: the end-to-end test's folder chooser starts on C:\.
  EXPECT_EQ(BrowseStartFolder("D:\\Texte\\"), "D:\\Texte");
  EXPECT_EQ(BrowseStartFolder(std::string(300, 'a')), std::string(259, 'a'));
  EXPECT_EQ(WithTrailingBackslash("D:\\Texte"), "D:\\Texte\\");  // a root has its own already
  EXPECT_EQ(FilterList("a|b|c|d"), std::string("a\0b\0c\0d\0\0", 9));
  EXPECT_EQ(SplitDefaultFile("C:\\Texte\\brief.txt").initialFolder, "C:\\Texte");
  EXPECT_EQ(SplitDefaultFile("C:\\Texte\\brief.txt").fileName, "brief.txt");
  EXPECT_EQ(SplitDefaultFile("C:\\x\\a|b").fileName, "");
  EXPECT_EQ(SplitDefaultFile("b\xE4r.txt").fileName, "b\xE4r.txt");
  EXPECT_FALSE(IsValidFileName(std::string("a\x1F", 2)));
  for (char bad : std::string("\"*/:<>?\\|")) EXPECT_FALSE(IsValidFileName(std::string("a") + bad));
}

HWND Main() { return FindWindowA("SucholinMainWindow", texts::WindowTitle); }

class Win32Backend : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { testing::OpenMainWindow(); }
};

// A dialog stills this thread's other windows and enables them again afterwards; another
// thread's (or program's) window it leaves alone.
TEST_F(Win32Backend, ModalGuardDisablesOnlyThisThreadsOtherWindowsForAWhile) {
  const auto make = [] {
    return CreateWindowA("STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 9, 9, nullptr, nullptr, nullptr, nullptr);
  };
  HWND back = make();
  std::atomic<HWND> foreign = nullptr;
  std::thread other([&] {
    foreign = make();
    MSG m;
    while (GetMessageA(&m, nullptr, 0, 0) > 0) DispatchMessageA(&m);
  });
  while (!foreign) Sleep(5);
  testing::OpenMainWindow();  // new windows came to the front; the program's goes back there
  EXPECT_EQ(DialogOwner(), Main());
  BeginModal();
  EXPECT_TRUE(IsWindowEnabled(Main()));
  EXPECT_FALSE(IsWindowEnabled(back));
  EXPECT_TRUE(IsWindowEnabled(foreign));
  EndModal();
  EXPECT_TRUE(IsWindowEnabled(back));
  DestroyWindow(back);
  PostMessageA(foreign, WM_QUIT, 0, 0);  // the thread's end takes its window along
  other.join();
}

// The list's header has control id 0; its notifications must never pass for FolderOption.
TEST_F(Win32Backend, TheListHeadersNotificationsRaiseNoEvent) {
  HWND header = ListView_GetHeader(GetDlgItem(Main(), ResultList));
  for (UINT code : {NM_CLICK, NM_RCLICK, NM_DBLCLK, NM_RDBLCLK}) {
    NMHDR fromHeader{header, static_cast<UINT_PTR>(GetDlgCtrlID(header)), code};
    SendMessageA(Main(), WM_NOTIFY, fromHeader.idFrom, reinterpret_cast<LPARAM>(&fromHeader));
  }
  for (const Event& event : testing::TakeEvents()) {
    EXPECT_NE(event.kind, EventKind::ControlEvent) << event.control;
  }
}

// The options and the result frame are drawn black on PanelBlue; the selection frame's inside
// is the window's background; other controls keep the system's colours.
TEST_F(Win32Backend, ColoursAreAnsweredForTheOptionsAndFramesOnly) {
  HDC dc = CreateCompatibleDC(nullptr);
  for (const auto& [id, blue, black] : {std::tuple{FolderOption, true, true}, {FileOption, true, true},
                                        {ResultFrame, true, true}, {SelectionFrame, true, false},
                                        {PathField, false, false}, {SearchButton, false, false}}) {
    for (UINT message : {WM_CTLCOLORSTATIC, WM_CTLCOLORBTN}) {
      SetTextColor(dc, RGB(1, 2, 3));
      auto brush = reinterpret_cast<HBRUSH>(SendMessageA(Main(), message, reinterpret_cast<WPARAM>(dc),
                                                         reinterpret_cast<LPARAM>(GetDlgItem(Main(), id))));
      LOGBRUSH drawn{};
      const bool solid = GetObjectA(brush, sizeof drawn, &drawn) && drawn.lbStyle == BS_SOLID;
      EXPECT_EQ(solid && drawn.lbColor == PanelBlue, blue) << id << " " << message;
      EXPECT_EQ(blue && GetTextColor(dc) == RGB(0, 0, 0), black) << id << " " << message;
    }
  }
  DeleteDC(dc);
}

}  // namespace
}  // namespace sucholin::win32
