// What only the Win32 shell backend does: its text rules, the modal guard and the folder
// browser's start.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

#include "shell/shell.h"
#include "shell/win32/modal_guard.h"
#include "shell/win32/shell_rules.h"
#include "tests/contract/dialog_driver.h"
#include "tests/contract/window_driver.h"
#include "ui/texts.h"

namespace sucholin::win32 {
namespace {

TEST(ShellRules, CommandLineAndWorkingFolder) {
  const struct {
    const char* target;
    const char* line;
    const char* folder;
  } cases[] = {
      {"D:\\Texte\\brief.txt", "\"D:\\Texte\\brief.txt\"", "D:\\Texte\\"},
      {"C:\\mit Leer\\a b.bat", "\"C:\\mit Leer\\a b.bat\"", "C:\\mit Leer\\"},
      {"\"C:\\a b\\x.bat\" -a", "\"C:\\a b\\x.bat\" -a", "\"C:\\a b\\"},
      {"\\brief.txt", "\"\\brief.txt\"", ""},
      {"https://www.sucholin.de/", "\"https://www.sucholin.de/\"", ""},
      {"", "\"\"", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CommandLineFor(c.target), c.line) << c.target;
    EXPECT_EQ(WorkingFolderFor(c.target), c.folder) << c.target;
  }
}

// Only what the system starts by itself is tried as a program; the rest goes to the shell by
// its type, a web address by its name alone.
TEST(ShellRules, ProgramsByExtensionAndDocumentsByType) {
  const struct {
    const char* target;
    bool program;
    const char* typeClass;
  } cases[] = {
      {"C:\\Texte\\brief.txt", false, ".txt"}, {"C:\\x\\mach.bat", true, ".bat"},
      {"C:\\x\\LAUF.CMD", true, ".CMD"},       {"C:\\x\\a.exe", true, ".exe"},
      {"C:\\x\\kombat", false, ""},            {"C:\\a.b\\ohne", false, ""},
      {"https://www.sucholin.de", false, ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(RunsAsProgram(c.target), c.program) << c.target;
    EXPECT_EQ(TypeClassFor(c.target), c.typeClass) << c.target;
  }
}

TEST(ShellRules, BrowseStartFolderFilterListAndDefaultFile) {
  EXPECT_EQ(BrowseStartFolder("D:\\Texte\\"), "D:\\Texte");
  EXPECT_EQ(BrowseStartFolder(std::string(300, 'a')), std::string(259, 'a'));
  EXPECT_EQ(WithTrailingBackslash("D:\\"), "D:\\");
  EXPECT_EQ(FilterList(""), std::string(2, '\0'));
  EXPECT_EQ(FilterList("a|b|c|d"), std::string("a\0b\0c\0d\0\0", 9));
  const struct {
    const char* given;
    const char* folder;
    const char* name;
  } cases[] = {
      {"*.*", "", ""},
      {"C:\\Texte\\brief.txt", "C:\\Texte", "brief.txt"},
      {"\\brief.txt", "", ""},  // the only backslash is the first character: not a valid name
      {"brief.txt", "", "brief.txt"},
      {"C:\\x\\a|b", "C:\\x", ""},
      {"C:/x/a.txt", "", ""},
      {"b\xE4r.txt", "", "b\xE4r.txt"},
  };
  for (const auto& c : cases) {
    const DefaultFileParts parts = SplitDefaultFile(c.given);
    EXPECT_EQ(parts.initialFolder, c.folder) << c.given;
    EXPECT_EQ(parts.fileName, c.name) << c.given;
  }
  EXPECT_FALSE(IsValidFileName(std::string("a\x1F", 2)));
  for (char bad : std::string("\"*/:<>?\\|")) EXPECT_FALSE(IsValidFileName(std::string("a") + bad));
}

LRESULT CALLBACK PlainWindowProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  return DefWindowProcA(w, m, wp, lp);
}

HWND MakeTopLevel() {
  static const ATOM atom = [] {
    WNDCLASSA c{};
    c.lpfnWndProc = PlainWindowProc;
    c.hInstance = GetModuleHandleA(nullptr);
    c.lpszClassName = "SucholinShellTestWindow";
    return RegisterClassA(&c);
  }();
  EXPECT_NE(atom, 0);
  return CreateWindowExA(0, "SucholinShellTestWindow", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100,
                         100, 200, 100, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
}

class Win32Shell : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { testing::OpenMainWindow(); }
};

TEST_F(Win32Shell, GuardDisablesOnlyThisThreadsOtherVisibleEnabledWindows) {
  HWND back = MakeTopLevel();
  HWND hidden = MakeTopLevel();
  ShowWindow(hidden, SW_HIDE);
  HWND disabled = MakeTopLevel();
  EnableWindow(disabled, FALSE);
  std::atomic<HWND> foreign = nullptr;
  std::atomic<bool> done = false;
  std::thread other([&] {
    foreign = MakeTopLevel();
    MSG m;
    while (!done) {
      while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&m);
      Sleep(10);
    }
    DestroyWindow(foreign);
  });
  while (!foreign) Sleep(5);
  testing::OpenMainWindow();  // new windows came to the front; the program's goes back there
  HWND front = DialogOwner();
  EXPECT_EQ(front, FindWindowA("SucholinMainWindow", texts::WindowTitle));

  BeginModal();
  EXPECT_TRUE(IsWindowEnabled(front));
  EXPECT_FALSE(IsWindowEnabled(back));
  EXPECT_TRUE(IsWindowEnabled(foreign));
  EndModal();
  EXPECT_TRUE(IsWindowEnabled(back));
  EXPECT_FALSE(IsWindowEnabled(disabled)) << "the guard enables only what it disabled";
  ShowWindow(hidden, SW_SHOW);
  EXPECT_TRUE(IsWindowEnabled(hidden));
  done = true;
  other.join();
  for (HWND w : {back, hidden, disabled}) DestroyWindow(w);
}

TEST_F(Win32Shell, FolderChooserStartsOnDriveC) {
  testing::DialogAnswer driver([](testing::OpenDialog& chooser) { chooser.Confirm(); });
  EXPECT_EQ(ChooseFolder(texts::FolderChooserTitle, texts::FolderChooserStart), "C:\\");
}

}  // namespace
}  // namespace sucholin::win32
