// The dialog driver on Win32: a second thread finds the program's dialog (class #32770), reads
// it through its controls and answers it with the messages its buttons send.
#include "tests/contract/dialog_driver.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "ui/texts.h"

namespace sucholin::testing {
namespace {

constexpr int FileNameBox = 0x47C;  // cmb13, the file name box of the explorer dialog
constexpr int FilterBox = 0x470;    // cmb1, the file type list

std::string TextOf(HWND w) {
  char text[512] = "";
  GetWindowTextA(w, text, sizeof text);
  return text;
}

HWND FindOwnDialog() {
  HWND found = nullptr;
  EnumWindows(
      [](HWND w, LPARAM out) {
        DWORD process = 0;
        GetWindowThreadProcessId(w, &process);
        char className[16] = "";
        GetClassNameA(w, className, sizeof className);
        if (process != GetCurrentProcessId() || std::string(className) != "#32770" ||
            !IsWindowVisible(w) || !IsWindowEnabled(w)) {
          return TRUE;
        }
        *reinterpret_cast<HWND*>(out) = w;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

class Win32Dialog : public OpenDialog {
 public:
  explicit Win32Dialog(HWND dialog) : dialog(dialog) {}

  bool Shows(const std::string& text) override {
    struct Search {
      const std::string* text;
      bool found;
    } search{&text, TextOf(dialog) == text};
    EnumChildWindows(
        dialog,
        [](HWND w, LPARAM data) {
          auto* s = reinterpret_cast<Search*>(data);
          s->found = s->found || TextOf(w) == *s->text;
          return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
  }
  int PushButtons() override {
    int count = 0;
    for (HWND w = GetWindow(dialog, GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT)) {
      char className[16] = "";
      GetClassNameA(w, className, sizeof className);
      const DWORD type = static_cast<DWORD>(GetWindowLongA(w, GWL_STYLE)) & BS_TYPEMASK;
      count += std::string(className) == "Button" && IsWindowVisible(w) &&
               (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON);
    }
    return count;
  }
  std::string NameBox() override { return TextOf(GetDlgItem(dialog, FileNameBox)); }
  std::string FirstFilter() override {
    char first[128] = "";
    SendDlgItemMessageA(dialog, FilterBox, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(first));
    return first;
  }
  bool MainWindowBlocked() override {
    return !IsWindowEnabled(FindWindowA("SucholinMainWindow", texts::WindowTitle));
  }
  void Enter(const std::string& name) override {
    SetDlgItemTextA(dialog, FileNameBox, name.c_str());
    Confirm();
  }
  void Confirm() override { PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0); }
  void Cancel() override { PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0); }

 private:
  HWND dialog;
};

}  // namespace

struct DialogAnswer::Platform {
  std::thread thread;
};

DialogAnswer::DialogAnswer(std::function<void(OpenDialog&)> answer)
    : platform(std::make_unique<Platform>()) {
  platform->thread = std::thread([answer] {
    HWND dialog = nullptr;
    for (int i = 0; i < 250 && !dialog; ++i) {
      Sleep(20);
      dialog = FindOwnDialog();
    }
    if (!dialog) {
      ADD_FAILURE() << "no dialog appeared";
      return;
    }
    Sleep(300);  // let the dialog finish its own start-up
    Win32Dialog open(dialog);
    answer(open);
  });
}

DialogAnswer::~DialogAnswer() { platform->thread.join(); }

}  // namespace sucholin::testing
