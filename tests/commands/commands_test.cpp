// The program's commands, driven through HandleEvent on the real window backend with a scripted
// shell.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "search/search.h"
#include "shell/shell.h"
#include "tests/contract/window_driver.h"
#include "tests/search/test_files.h"
#include "ui/texts.h"
#include "ui/ui.h"

namespace sucholin {
namespace testing {
namespace {

using Log = std::vector<std::string>;
// The scripted shell: one line per call, e.g. "ChooseFolder|<title>|<initial folder>"; the next
// chooser of either kind answers ChooserAnswer, and "" (cancelled) once it is taken.
Log ShellLog;
std::string ChooserAnswer;

const std::string PathNotice = std::string("ShowNotice|Meldung|") + texts::PathNotice + "|48";
const std::string WordNotice = std::string("ShowNotice|Meldung|") + texts::WordNotice + "|48";

// A name the platform can hold but no code page can: on POSIX not UTF-8 and holding a tab and a
// line feed, on Windows beyond every code page. The list shows it on one row; a double click
// opens the file itself.
const bool Posix = FolderSeparator == '/';
const std::string OddName =
    Posix ? "latin\xE4\xFC\tzeilen\nvorschub.txt" : "\xCE\xA9mega \xEF\xBD\x81.txt";
const std::string OddShown = Posix ? "latin\xE4\xFC\\tzeilen\\nvorschub.txt" : OddName;

bool Send(int32_t control, int32_t type = Click) {
  return HandleEvent({EventKind::ControlEvent, MainWindow, control, type});
}

// Every row as "name|lines", sorted: a folder lists in the platform's order.
Log Rows() {
  Log rows;
  for (int row = 0; !GetRowText(ResultList, row, 0).empty(); ++row)
    rows.push_back(GetRowText(ResultList, row, 0) + "|" + GetRowText(ResultList, row, 1));
  std::sort(rows.begin(), rows.end());
  return rows;
}

class Commands : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { OpenMainWindow(); }

  void SetUp() override {
    ResetSearchState();
    SetControlState(FolderOption, 1);
    SetControlText(PathField, "");
    SetControlText(WordField, "");
    Send(SearchButton);  // empties the list and whatever was kept with its rows
    ShellLog.clear();
    folder.Write("a.txt", "x\nWort\nWort Wort\n");
    folder.Write("b.htm", "Wort");
    folder.Write(OddName, "Wort");
    single = folder.Write("e.perl", "eins\r\nWort\r\n");
  }

  // Chooses the folder or the single file, as the user would, and searches it for Wort.
  void ChooseAndSearch(bool inFolder) {
    SetControlState(inFolder ? FolderOption : FileOption, 1);
    ChooserAnswer = inFolder ? folder.Text() : single;
    Send(SelectButton);
    SetControlText(WordField, "Wort");
    Send(SearchButton);
  }

  const Log folderRows{"a.txt|2,3", "b.htm|1", "e.perl|2", OddShown + "|1"};
  TempFolder folder;
  std::string single;
};

// A search reads in the mode the options show at the press, again and again without a new choice;
// a choice asks the chooser of the checked option. The file chooser's pattern lists every
// extension a folder search reads, and "*.bat" rather than the shown "*bat", which would take
// "kombat".
TEST_F(Commands, SearchesListEveryHitFileInTheModeTheOptionsShow) {
  ChooseAndSearch(true);
  EXPECT_EQ(Rows(), folderRows);
  Send(SearchButton);
  EXPECT_EQ(Rows(), folderRows);
  SetControlState(FolderOption, 0);  // neither option checked: no search, no chooser
  Send(SearchButton);
  EXPECT_EQ(Rows(), folderRows);
  Send(SelectButton);
  SetControlState(FileOption, 1);  // no file chosen: the single-file search lists nothing
  Send(SearchButton);
  EXPECT_TRUE(Rows().empty());
  ChooseAndSearch(false);
  EXPECT_EQ(GetControlText(PathField), single);
  Send(SearchButton);
  EXPECT_EQ(Rows(), Log{"e.perl|2"});
  EXPECT_EQ(ShellLog, (Log{std::string("ChooseFolder|") + texts::FolderChooserTitle + "|c:/",
                           std::string("ChooseFile|") + texts::FileChooserTitle +
                               "|*.*|(*.txt,*.htm,*.html,*.xml,*bat,*.pb,*.pbi,*.php,*.perl)"
                               "|*.txt;*.htm;*.html;*.xml;*.bat;*.pb;*.pbi;*.php;*.perl|0"}));
}

// PathField shows what a search reads: a cancelled chooser keeps the previous choice (the list is
// emptied all the same), and a chosen folder is shown even without a single file. A search
// without path or word shows their notices, path first, and empties the list.
TEST_F(Commands, PathFieldShowsTheChoiceASearchReadsAndNoticesWhatIsMissing) {
  const TempFolder empty;
  ChooserAnswer = empty.Text();
  Send(SelectButton);
  EXPECT_EQ(GetControlText(PathField), empty.Text());
  // Whether the folder was chosen, whether PathField keeps the choice, the word, the notices.
  const std::tuple<bool, bool, std::string, Log> cases[] = {
      {true, false, "", {PathNotice, WordNotice}},
      {false, true, "", {WordNotice}},
      {true, false, "Wort", {PathNotice}}};
  for (const auto& [inFolder, kept, word, notices] : cases) {
    ChooseAndSearch(inFolder);
    const Log rows = Rows();
    const std::string shown = GetControlText(PathField);
    Send(SelectButton);  // no answer: cancelled
    EXPECT_TRUE(Rows().empty());
    EXPECT_EQ(GetControlText(PathField), shown);
    ShellLog.clear();
    Send(SearchButton);
    EXPECT_EQ(Rows(), rows) << inFolder;
    EXPECT_TRUE(ShellLog.empty()) << "no notice";
    if (!kept) SetControlText(PathField, "");
    SetControlText(WordField, word);
    Send(SearchButton);
    EXPECT_EQ(ShellLog, notices) << inFolder << " " << kept << " " << word;
    EXPECT_TRUE(Rows().empty());
  }
}

// Whatever happened to the options and PathField since, a double click opens the file the
// search read: never a bare name resolved against the program's current folder. An option click,
// checked already or not, empties both fields and keeps the rows.
TEST_F(Commands, DoubleClickOpensTheFileTheSearchRead) {
  for (const bool folderSearch : {true, false}) {
    for (const ControlId option : {FileOption, FolderOption}) {
      ChooseAndSearch(folderSearch);
      SetControlState(option, 1);
      Send(option);
      EXPECT_EQ(GetControlText(PathField) + GetControlText(WordField), "");
      ShellLog.clear();
      Log expected;
      for (int row = 0; !GetRowText(ResultList, row, 0).empty(); ++row) {
        SelectRow(row);
        Send(ResultList, DoubleClick);
        const std::string shown = GetRowText(ResultList, row, 0);
        expected.push_back("OpenDocument|" + folder.Path(shown == OddShown ? OddName : shown));
      }
      EXPECT_EQ(ShellLog, expected) << folderSearch << " " << option;
      EXPECT_EQ(expected.size(), folderSearch ? 4u : 1u);
    }
  }
}

// Only a double click on a row the search listed opens a file, and only the website button opens
// anything else; events without a command change nothing, and only MainWindow's close ends the
// loop.
TEST_F(Commands, EventsWithoutACommandChangeNothingAndClosingMainWindowEndsTheLoop) {
  ChooseAndSearch(true);
  ShellLog.clear();
  Send(ResultList, DoubleClick);  // nothing selected
  SelectRow(0);
  const int32_t controls[] = {SelectionFrame, 8, ResultFrame, 42, ResultList, PathField, WordField};
  for (const int32_t control : controls)
    for (const int32_t type : {Click, RightClick, RightDoubleClick, TextChange, SelectionChange})
      EXPECT_TRUE(Send(control, type));
  using enum EventKind;
  for (const EventKind kind : {MoveEvent, SizeEvent, PaintEvent, ActivateEvent, OtherEvent})
    EXPECT_TRUE(HandleEvent({kind}));
  EXPECT_TRUE(HandleEvent({CloseEvent, 1, -1, -1})) << "another window's close";
  EXPECT_TRUE(ShellLog.empty());
  EXPECT_EQ(Rows(), folderRows);
  EXPECT_EQ(GetControlText(PathField) + "|" + GetControlText(WordField), folder.Text() + "|Wort");
  SetControlText(WordField, "Nichts");
  Send(SearchButton);
  AddRow(ResultList, -1, "fremd.txt\n1");  // a row no search listed
  SelectRow(0);
  Send(ResultList, DoubleClick);
  Send(WebsiteButton);
  EXPECT_EQ(ShellLog, Log{std::string("OpenDocument|") + texts::WebsiteAddress});
  EXPECT_FALSE(HandleEvent({CloseEvent, MainWindow, -1, -1}));
}

}  // namespace
}  // namespace testing

std::string ChooseFolder(const std::string& title, const std::string& initialFolder) {
  testing::ShellLog.push_back("ChooseFolder|" + title + "|" + initialFolder);
  return std::exchange(testing::ChooserAnswer, {});
}

std::string ChooseFile(const std::string& title, const std::string& defaultFile,
                       const std::string& filter, int32_t filterIndex) {
  testing::ShellLog.push_back("ChooseFile|" + title + "|" + defaultFile + "|" + filter + "|" +
                              std::to_string(filterIndex));
  return std::exchange(testing::ChooserAnswer, {});
}

int32_t ShowNotice(const std::string& caption, const std::string& text, uint32_t style) {
  testing::ShellLog.push_back("ShowNotice|" + caption + "|" + text + "|" + std::to_string(style));
  return 1;
}

int32_t OpenDocument(const std::string& target) {
  testing::ShellLog.push_back("OpenDocument|" + target);
  return 1;
}

}  // namespace sucholin
