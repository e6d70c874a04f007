// The dialog driver on Win32: a second thread finds the program's dialog (class #32770), reads
// it through its controls and answers it with the messages its buttons send.
#include "tests/contract/dialog_driver.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <thread>

#include "ui/texts.h"

namespace sucholin::testing {
namespace {

constexpr int FileNameBox = 0x47C;  // cmb13, the file name box of the explorer dialog

std::string TextOf(HWND w) {
  char text[512] = "";
  GetWindowTextA(w, text, sizeof text);
  return text;
}

struct Win32Dialog : OpenDialog {
  explicit Win32Dialog(HWND open) : dialog(open) {}
  HWND dialog;

  // FindWindowExA finds a control by its text regardless of case; the text is compared exactly.
  bool Shows(const std::string& text) override {
    return TextOf(dialog) == text ||
           TextOf(FindWindowExA(dialog, nullptr, nullptr, text.c_str())) == text;
  }
  std::string NameBox() override { return TextOf(GetDlgItem(dialog, FileNameBox)); }
  bool MainWindowBlocked() override {
    return !IsWindowEnabled(FindWindowA("SucholinMainWindow", texts::WindowTitle));
  }
  void Enter(const std::string& name) override {
    SetDlgItemTextA(dialog, FileNameBox, name.c_str());
    Confirm();
  }
  void Confirm() override { PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0); }
  void Cancel() override { PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0); }
};

}  // namespace

struct DialogAnswer::Platform {
  std::thread thread;
};

DialogAnswer::DialogAnswer(std::function<void(OpenDialog&)> answer)
    : platform(std::make_unique<Platform>()) {
  platform->thread = std::thread([answer, owner = GetCurrentThreadId()] {
    HWND dialog = nullptr;
    // A dialog of the calling thread that takes input: neither hidden nor blocked by another one.
    for (int i = 0; i < 250 && !dialog; ++i) {
      Sleep(20);
      while ((dialog = FindWindowExA(nullptr, dialog, "#32770", nullptr))) {
        const bool own = GetWindowThreadProcessId(dialog, nullptr) == owner;
        if (own && IsWindowVisible(dialog) && IsWindowEnabled(dialog)) break;
      }
    }
    ASSERT_TRUE(dialog) << "no dialog appeared";
    // The dialog's thread answers once its modal loop runs, its own start-up done.
    SendMessageTimeoutA(dialog, WM_NULL, 0, 0, SMTO_NORMAL, 10000, nullptr);
    Win32Dialog open(dialog);
    answer(open);
  });
}

DialogAnswer::~DialogAnswer() { platform->thread.join(); }

}  // namespace sucholin::testing
