// The Win32 shell backend: its text rules, the modal guard, and the real dialogs driven from a
// second thread that finds each dialog, reads it and closes it.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <fstream>
#include <functional>
#include <string>
#include <thread>

#include "shell/shell.h"
#include "shell/win32/modal_guard.h"
#include "shell/win32/shell_rules.h"
#include "ui/texts.h"

namespace sucholin {
namespace {

using namespace win32;

TEST(ShellRules, CommandLineQuotesUnlessAlreadyQuoted) {
  const struct {
    const char* target;
    const char* line;
  } cases[] = {
      {"C:\\Texte\\brief.txt", "\"C:\\Texte\\brief.txt\""},
      {"C:\\mit Leer\\a b.bat", "\"C:\\mit Leer\\a b.bat\""},
      {"\"C:\\x.bat\" -a", "\"C:\\x.bat\" -a"},
      {"https://www.sucholin.de/", "\"https://www.sucholin.de/\""},
      {"", "\"\""},
  };
  for (const auto& c : cases) EXPECT_EQ(CommandLineFor(c.target), c.line) << c.target;
}

TEST(ShellRules, WorkingFolderIsUpToTheLastInnerBackslash) {
  const struct {
    const char* target;
    const char* folder;
  } cases[] = {
      {"D:\\Texte\\brief.txt", "D:\\Texte\\"},
      {"D:\\brief.txt", "D:\\"},
      {"\\brief.txt", ""},
      {"brief.txt", ""},
      {"https://www.sucholin.de/", ""},
      {"\"C:\\a b\\c.txt\"", "\"C:\\a b\\"},
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(WorkingFolderFor(c.target), c.folder) << c.target;
}

TEST(ShellRules, BrowseStartFolderKeepsDriveRoots) {
  const struct {
    std::string given;
    std::string start;
  } cases[] = {
      {"c:/", "c:/"},       {"D:\\", "D:\\"},  {"D:\\Texte\\", "D:\\Texte"},
      {"D:\\Texte", "D:\\Texte"}, {"", ""},    {std::string(300, 'a'), std::string(259, 'a')},
  };
  for (const auto& c : cases) EXPECT_EQ(BrowseStartFolder(c.given), c.start) << c.given;
  EXPECT_EQ(WithTrailingBackslash("D:\\Texte"), "D:\\Texte\\");
  EXPECT_EQ(WithTrailingBackslash("D:\\"), "D:\\");
}

TEST(ShellRules, FilterListOfTheProgramsFilterIsOneEntry) {
  const std::string list = FilterList(texts::FileChooserFilter);
  const std::string display = "(*.txt,*.htm,*.html,*.xml,*bat,*.pb,*.pbi,*.php,*.perl)";
  const std::string pattern = "*.txt;*.htm;*.html;*.xml;*bat;*.pb;*.pbi;*.php;*.perl";
  EXPECT_EQ(list, display + '\0' + pattern + '\0' + '\0');
  EXPECT_EQ(FilterList(""), std::string(2, '\0'));
  EXPECT_EQ(FilterList("a|b|c|d"), std::string("a\0b\0c\0d\0\0", 9));
}

TEST(ShellRules, DefaultFileSplitsIntoFolderAndValidName) {
  const struct {
    const char* given;
    const char* folder;
    const char* name;
  } cases[] = {
      {"*.*", "", ""},
      {"C:\\Texte\\brief.txt", "C:\\Texte", "brief.txt"},
      {"C:\\Texte\\", "C:\\Texte", ""},
      {"\\brief.txt", "", ""},  // the only backslash is the first character: not a valid name
      {"brief.txt", "", "brief.txt"},
      {"C:\\x\\a|b", "C:\\x", ""},
      {"C:\\x\\a?", "C:\\x", ""},
      {"C:/x/a.txt", "", ""},
      {"b\xE4r.txt", "", "b\xE4r.txt"},
      {"", "", ""},
  };
  for (const auto& c : cases) {
    const DefaultFileParts parts = SplitDefaultFile(c.given);
    EXPECT_EQ(parts.initialFolder, c.folder) << c.given;
    EXPECT_EQ(parts.fileName, c.name) << c.given;
  }
  EXPECT_FALSE(IsValidFileName(std::string("a\x1F", 2)));
  for (char bad : std::string("\"*/:<>?\\|")) EXPECT_FALSE(IsValidFileName(std::string("a") + bad));
}

// ---- The modal guard ----

LRESULT CALLBACK PlainWindowProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  return DefWindowProcA(w, m, wp, lp);
}

HWND MakeTopLevel(const char* title) {
  static const ATOM atom = [] {
    WNDCLASSA c{};
    c.lpfnWndProc = PlainWindowProc;
    c.hInstance = GetModuleHandleA(nullptr);
    c.lpszClassName = "SucholinShellTestWindow";
    return RegisterClassA(&c);
  }();
  EXPECT_NE(atom, 0);
  HWND w = CreateWindowExA(0, "SucholinShellTestWindow", title, WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                           100, 100, 200, 100, nullptr, nullptr, GetModuleHandleA(nullptr),
                           nullptr);
  EXPECT_NE(w, nullptr);
  return w;
}

void Pump(DWORD milliseconds) {
  const ULONGLONG end = GetTickCount64() + milliseconds;
  MSG m;
  while (GetTickCount64() < end) {
    while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&m);
    Sleep(5);
  }
}

// Activation travels through the X server; it can take a moment to settle.
bool BringToFront(HWND window) {
  for (int i = 0; i < 100 && GetForegroundWindow() != window; ++i) {
    SetForegroundWindow(window);
    Pump(20);
  }
  return GetForegroundWindow() == window;
}

// The program's window, in front, as it is when the user clicks something in it.
class WithForegroundWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    front = MakeTopLevel("vorn");
    ASSERT_TRUE(BringToFront(front));
  }
  void TearDown() override {
    DestroyWindow(front);
    Pump(20);
  }
  HWND front = nullptr;
};

TEST_F(WithForegroundWindow, GuardDisablesOnlyThisThreadsOtherVisibleEnabledWindows) {
  HWND back = MakeTopLevel("hinten");
  HWND hidden = MakeTopLevel("versteckt");
  ShowWindow(hidden, SW_HIDE);
  HWND disabled = MakeTopLevel("gesperrt");
  EnableWindow(disabled, FALSE);

  std::atomic<HWND> foreign = nullptr;
  std::atomic<bool> done = false;
  std::thread other([&] {
    foreign = MakeTopLevel("fremd");
    while (!done) Pump(10);
    DestroyWindow(foreign);
  });
  while (!foreign) Pump(5);
  // New windows came to the front; the program's window goes back there.
  EXPECT_TRUE(BringToFront(front));

  EXPECT_EQ(DialogOwner(), front);
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

// ---- The real dialogs ----

bool IsOwnDialog(HWND w) {
  DWORD process = 0;
  GetWindowThreadProcessId(w, &process);
  char className[16] = "";
  GetClassNameA(w, className, sizeof className);
  return process == GetCurrentProcessId() && std::string(className) == "#32770" &&
         IsWindowVisible(w) && IsWindowEnabled(w);
}

HWND FindOwnDialog() {
  HWND found = nullptr;
  EnumWindows(
      [](HWND w, LPARAM out) {
        if (!IsOwnDialog(w)) return TRUE;
        *reinterpret_cast<HWND*>(out) = w;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

std::string TextOf(HWND w) {
  char text[512] = "";
  GetWindowTextA(w, text, sizeof text);
  return text;
}

// Whether some child of the dialog shows exactly this text.
bool ShowsText(HWND dialog, const std::string& text) {
  struct Search {
    const std::string* text;
    bool found;
  } search{&text, false};
  EnumChildWindows(
      dialog,
      [](HWND w, LPARAM data) {
        auto* s = reinterpret_cast<Search*>(data);
        if (TextOf(w) == *s->text) s->found = true;
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// On a thread of its own: waits for the dialog the test thread opens, lets act read and close
// it, and gives up after a few seconds so that a missing dialog fails instead of hanging.
class DialogDriver {
 public:
  explicit DialogDriver(std::function<void(HWND)> act)
      : thread([this, act] {
          for (int i = 0; i < 500 && !dialog; ++i) {
            Sleep(20);
            dialog = FindOwnDialog();
          }
          if (!dialog) return;
          Sleep(300);  // let the dialog finish its own start-up
          act(dialog);
        }) {}
  ~DialogDriver() { thread.join(); }
  DialogDriver(const DialogDriver&) = delete;
  DialogDriver& operator=(const DialogDriver&) = delete;

  std::atomic<HWND> dialog = nullptr;

 private:
  std::thread thread;
};

void Press(HWND dialog, int button) { PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0); }

TEST_F(WithForegroundWindow, NoticeShowsItsCp1252TextsWithOneButtonAndBlocksTheWindow) {
  std::string caption, text;
  bool ownerDisabled = false, onlyOk = false;
  int32_t answer = 0;
  {
    DialogDriver driver([&](HWND d) {
      caption = TextOf(d);
      text = TextOf(GetDlgItem(d, 0xFFFF));
      ownerDisabled = !IsWindowEnabled(front);
      HWND cancel = GetDlgItem(d, IDCANCEL);
      onlyOk = IsWindowVisible(GetDlgItem(d, IDOK)) && !(cancel && IsWindowVisible(cancel));
      Press(d, IDOK);
    });
    answer = ShowNotice(texts::NoticeCaption, texts::PathNotice, texts::NoticeStyle);
  }
  EXPECT_EQ(answer, IDOK);
  EXPECT_EQ(caption, "Meldung");
  // The umlauts reach the message box as the code page 1252 bytes ü = 0xFC and ä = 0xE4.
  EXPECT_EQ(text, "Sie m\xFCssen einen Ordner oder eine Datei\nzum Durchsuchen ausw\xE4hlen!");
  EXPECT_TRUE(ownerDisabled);
  EXPECT_TRUE(onlyOk);
  EXPECT_TRUE(IsWindowEnabled(front));
}

TEST_F(WithForegroundWindow, FolderChooserShowsItsPromptAndStartsOnDriveC) {
  bool prompt = false;
  std::string chosen;
  {
    DialogDriver driver([&](HWND d) {
      prompt = ShowsText(d, "Ordner Ausw\xE4hlen");
      Press(d, IDOK);
    });
    chosen = ChooseFolder(texts::FolderChooserTitle, texts::FolderChooserStart);
    ASSERT_NE(driver.dialog.load(), nullptr);
  }
  EXPECT_TRUE(prompt);
  EXPECT_EQ(chosen, "C:\\");
  EXPECT_TRUE(IsWindowEnabled(front));
}

TEST_F(WithForegroundWindow, CancelledChoosersAnswerTheEmptyText) {
  {
    DialogDriver driver([](HWND d) { Press(d, IDCANCEL); });
    EXPECT_EQ(ChooseFolder(texts::FolderChooserTitle, texts::FolderChooserStart), "");
  }
  {
    DialogDriver driver([](HWND d) { Press(d, IDCANCEL); });
    EXPECT_EQ(ChooseFile(texts::FileChooserTitle, texts::FileChooserDefault,
                         texts::FileChooserFilter, 0),
              "");
  }
}

constexpr int FileNameBox = 0x47C;  // cmb13, the file name combo box of the explorer dialog
constexpr int FilterBox = 0x470;    // cmb1, the file type list

TEST_F(WithForegroundWindow, FileDialogTakesATypedPathOfANewFileInAnExistingFolder) {
  char temp[MAX_PATH];
  GetTempPathA(sizeof temp, temp);
  const std::string typed = std::string(temp) + "gibt-es-noch-nicht.txt";
  std::string caption, nameBox = "?", filter;
  std::string chosen;
  {
    DialogDriver driver([&](HWND d) {
      caption = TextOf(d);
      nameBox = TextOf(GetDlgItem(d, FileNameBox));
      char first[128] = "";
      SendDlgItemMessageA(d, FilterBox, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(first));
      filter = first;
      SetDlgItemTextA(d, FileNameBox, typed.c_str());
      Press(d, IDOK);
    });
    chosen = ChooseFile(texts::FileChooserTitle, texts::FileChooserDefault,
                        texts::FileChooserFilter, 0);
    ASSERT_NE(driver.dialog.load(), nullptr);
  }
  EXPECT_EQ(caption, "Datei ausw\xE4hlen");
  EXPECT_EQ(nameBox, "") << "\"*.*\" is no file name";
  EXPECT_EQ(filter.rfind("(*.txt", 0), 0u) << filter;
  EXPECT_EQ(chosen, typed);
}

// ---- Opening documents ----

TEST_F(WithForegroundWindow, ABatchFileInAFolderWithSpacesIsRunInOnePiece) {
  char temp[MAX_PATH];
  GetTempPathA(sizeof temp, temp);
  const std::string folder = std::string(temp) + "mit Leer " + std::to_string(GetCurrentProcessId());
  CreateDirectoryA(folder.c_str(), nullptr);
  const std::string marker = folder + "\\gelaufen.txt";
  const std::string batch = folder + "\\mach es.bat";
  std::ofstream(batch) << "@echo ja> \"" << marker << "\"\r\n";

  EXPECT_EQ(OpenDocument(batch), 1);
  bool ran = false;
  for (int i = 0; i < 250 && !ran; ++i) {
    Sleep(20);
    ran = GetFileAttributesA(marker.c_str()) != INVALID_FILE_ATTRIBUTES;
  }
  EXPECT_TRUE(ran);
  Sleep(200);
  DeleteFileA(marker.c_str());
  DeleteFileA(batch.c_str());
  RemoveDirectoryA(folder.c_str());
}

TEST_F(WithForegroundWindow, AMissingFileFailsBothAttemptsAndTheShellSaysSo) {
  int32_t answer = -1;
  {
    // The shell reports the missing file in a message box of its own.
    DialogDriver driver([](HWND d) { Press(d, IDOK); });
    answer = OpenDocument("C:\\gibt-es-nicht\\fehlt.txt");
  }
  EXPECT_EQ(answer, 0);
}

}  // namespace
}  // namespace sucholin
