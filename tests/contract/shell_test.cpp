// The shell contract, run against this platform's backend: notices and choosers as the user
// meets them, and a target that cannot be opened.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "shell/shell.h"
#include "tests/contract/dialog_driver.h"
#include "tests/contract/window_driver.h"
#include "ui/texts.h"

namespace sucholin::testing {
namespace {

class Shell : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { OpenMainWindow(); }
};

TEST_F(Shell, NoticeShowsItsTextsAndBlocksTheWindow) {
  DialogAnswer driver([](OpenDialog& notice) {
    EXPECT_TRUE(notice.Shows("Meldung"));
    EXPECT_TRUE(notice.Shows(
        "Sie m\xC3\xBCssen einen Ordner oder eine Datei\nzum Durchsuchen ausw\xC3\xA4hlen!"));
    EXPECT_TRUE(notice.MainWindowBlocked());
    notice.Confirm();
  });
  EXPECT_EQ(ShowNotice(texts::NoticeCaption, texts::PathNotice, texts::NoticeStyle), 1);
  EXPECT_TRUE(SearchButtonTakesClicks()) << "the window takes clicks again";
}

// A typed path of a new file in an existing folder is taken, as typed; a cancelled chooser
// answers "".
TEST_F(Shell, ChoosersAnswerTheConfirmedPathOrNothing) {
  const std::u8string path =
      (std::filesystem::temp_directory_path() / u8"neu z\u0142oty \u03A9.txt").u8string();
  const std::string typed(path.begin(), path.end());
  for (const bool enter : {true, false}) {
    DialogAnswer driver([&](OpenDialog& chooser) {
      EXPECT_TRUE(chooser.Shows("Datei ausw\xC3\xA4hlen"));
      EXPECT_EQ(chooser.NameBox(), "") << "\"*.*\" is no file name";
      EXPECT_TRUE(chooser.MainWindowBlocked());
      enter ? chooser.Enter(typed) : chooser.Cancel();
    });
    EXPECT_EQ(
        ChooseFile(texts::FileChooserTitle, texts::FileChooserDefault, texts::FileChooserFilter, 0),
        enter ? typed : "");
  }
  DialogAnswer driver([](OpenDialog& chooser) {
    EXPECT_TRUE(chooser.Shows("Ordner Ausw\xC3\xA4hlen"));
    chooser.Cancel();
  });
  EXPECT_EQ(ChooseFolder(texts::FolderChooserTitle, texts::FolderChooserStart), "");
}

// The user is told, in the desktop's own message or in the program's.
TEST_F(Shell, WhatCannotBeOpenedAnswersZeroAndIsTold) {
  DialogAnswer driver([](OpenDialog& message) { message.Confirm(); });
  EXPECT_EQ(OpenDocument((std::filesystem::temp_directory_path() / "fehlt" / "fehlt.txt").string()),
            0);
}

}  // namespace
}  // namespace sucholin::testing
