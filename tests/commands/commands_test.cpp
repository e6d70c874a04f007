// The program's commands, driven through HandleEvent on the real window backend with a scripted shell.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "search/search.h"
#include "tests/commands/scripted_shell.h"
#include "tests/contract/window_driver.h"
#include "tests/search/test_files.h"
#include "ui/texts.h"
#include "ui/ui.h"

namespace sucholin {
namespace {

using testing::FileAnswers;
using testing::FolderAnswers;
using testing::ShellLog;

const std::string PathNoticeCall = std::string("ShowNotice|") + texts::NoticeCaption + "|" +
                                   texts::PathNotice + "|48";
const std::string WordNoticeCall = std::string("ShowNotice|") + texts::NoticeCaption + "|" +
                                   texts::WordNotice + "|48";

bool Send(int32_t control, int32_t type = Click) {
  return HandleEvent({EventKind::ControlEvent, MainWindow, control, type});
}

// Every row as "name|lines".
std::vector<std::string> Rows() {
  std::vector<std::string> rows;
  for (int row = 0; !GetRowText(ResultList, row, 0).empty(); ++row) {
    rows.push_back(GetRowText(ResultList, row, 0) + "|" + GetRowText(ResultList, row, 1));
  }
  return rows;
}

std::vector<std::string> Sorted(std::vector<std::string> rows) {
  std::sort(rows.begin(), rows.end());
  return rows;
}

class Commands : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { testing::OpenMainWindow(); }

  void SetUp() override {
    ResetSearchState();
    SetControlState(FolderOption, 1);
    SetControlText(PathField, "");
    SetControlText(WordField, "");
    Send(SearchButton);  // empties the list and whatever was kept with its rows
    testing::ResetShell();
    folder.Write("a.txt", "x\nWort\nWort Wort\n");
    folder.Write("b.htm", "Wort");
    folder.Write("c.log", "Wort");
    folder.Write("d.txt", "wort");
    single = folder.Write("e.perl", "eins\r\nWort\r\n");
  }

  void ChooseTestFolder() {
    SetControlState(FolderOption, 1);
    FolderAnswers.push_back(folder.Text());
    Send(SelectButton);
  }

  void ChooseTestFile() {
    SetControlState(FileOption, 1);
    FileAnswers.push_back(single);
    Send(SelectButton);
  }

  void SearchFor(const std::string& word) {
    SetControlText(WordField, word);
    Send(SearchButton);
  }

  std::vector<std::string> FolderRows() const { return {"a.txt|2,3", "b.htm|1", "e.perl|2"}; }

  testing::TempFolder folder;
  std::string single;
};

TEST_F(Commands, SearchWithNothingChosenShowsBothNoticesPathFirst) {
  Send(SearchButton);
  EXPECT_EQ(ShellLog, (std::vector<std::string>{PathNoticeCall, WordNoticeCall}));
  EXPECT_TRUE(Rows().empty());
}

TEST_F(Commands, SearchWithoutWordShowsOnlyTheWordNoticeAndEmptiesTheList) {
  ChooseTestFolder();
  SearchFor("Wort");
  ASSERT_FALSE(Rows().empty());
  testing::ResetShell();

  SearchFor("");
  EXPECT_EQ(ShellLog, (std::vector<std::string>{WordNoticeCall}));
  EXPECT_TRUE(Rows().empty());
}

TEST_F(Commands, FolderSearchListsEveryHitFileAndRepeatsIdentically) {
  ChooseTestFolder();
  EXPECT_EQ(GetControlText(PathField), folder.Text());
  SearchFor("Wort");
  const std::vector<std::string> first = Rows();
  EXPECT_EQ(Sorted(first), FolderRows());
  // A second press without a new folder choice lists the same rows again.
  Send(SearchButton);
  EXPECT_EQ(Rows(), first);
  EXPECT_TRUE(ShellLog.size() == 1) << "only the folder chooser was asked";
}

TEST_F(Commands, SingleFileSearchNamesTheRowByTheFileName) {
  ChooseTestFile();
  EXPECT_EQ(GetControlText(PathField), single);
  for (int round = 0; round < 2; ++round) {
    SearchFor("Wort");
    EXPECT_EQ(Rows(), (std::vector<std::string>{"e.perl|2"}));
  }
}

// The file chooser's pattern lists every extension a folder search reads.
TEST_F(Commands, ChooseAsksTheChooserOfTheCheckedOption) {
  SetControlState(FolderOption, 1);
  Send(SelectButton);
  SetControlState(FileOption, 1);
  Send(SelectButton);
  EXPECT_EQ(ShellLog, (std::vector<std::string>{
                          std::string("ChooseFolder|") + texts::FolderChooserTitle + "|c:/",
                          std::string("ChooseFile|") + texts::FileChooserTitle +
                              "|*.*|(*.txt,*.htm,*.html,*.xml,*bat,*.pb,*.pbi,*.php,*.perl)"
                              "|*.txt;*.htm;*.html;*.xml;*bat;*.pb;*.pbi;*.php;*.perl|0"}));
}

TEST_F(Commands, CancelledChooserKeepsThePathShownButLeavesNothingToSearch) {
  for (const bool inFolder : {true, false}) {
    SCOPED_TRACE(inFolder ? "folder" : "file");
    inFolder ? ChooseTestFolder() : ChooseTestFile();
    const std::string shown = GetControlText(PathField);
    ASSERT_FALSE(shown.empty());
    Send(SelectButton);  // the script has no answer left: cancelled
    EXPECT_EQ(GetControlText(PathField), shown);
    testing::ResetShell();
    SearchFor("Wort");
    EXPECT_TRUE(Rows().empty());
    EXPECT_TRUE(ShellLog.empty()) << "no notice: PathField still shows the old choice";
  }
  EXPECT_EQ(CandidateCount, 0);
  EXPECT_EQ(ChosenFolder, "");
}

TEST_F(Commands, OptionClicksEmptyBothFieldsEachTimeButKeepTheRows) {
  ChooseTestFolder();
  SearchFor("Wort");
  const std::vector<std::string> rows = Rows();
  for (int32_t option : {FileOption, FileOption, FolderOption}) {
    SetControlText(WordField, "Wort");
    SetControlText(PathField, folder.Text());
    Send(option);
    EXPECT_EQ(GetControlText(PathField), "");
    EXPECT_EQ(GetControlText(WordField), "");
    EXPECT_EQ(Rows(), rows);
  }
  EXPECT_TRUE(ShellLog.size() == 1);
}

// Whatever happened to the options and PathField since, a double click opens the file the
// search read: never a bare name resolved against the program's current folder.
TEST_F(Commands, DoubleClickOpensTheFileTheSearchRead) {
  struct Case {
    const char* what;
    bool folderSearch;
    int32_t clickedAfterwards;  // -1: nothing
  };
  const Case cases[] = {
      {"folder search", true, -1},
      {"folder search, then the file option", true, FileOption},
      {"folder search, then the folder option", true, FolderOption},
      {"file search", false, -1},
      {"file search, then the folder option", false, FolderOption},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    SetUp();
    if (c.folderSearch) {
      ChooseTestFolder();
    } else {
      ChooseTestFile();
    }
    SearchFor("Wort");
    if (c.clickedAfterwards >= 0) {
      SetControlState(c.clickedAfterwards, 1);
      Send(c.clickedAfterwards);
    }
    testing::ResetShell();
    const std::vector<std::string> rows = Rows();
    ASSERT_FALSE(rows.empty());
    for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
      testing::SelectRow(row);
      Send(ResultList, DoubleClick);
    }
    std::vector<std::string> expected;
    for (const std::string& row : rows) {
      expected.push_back("OpenDocument|" + folder.Path(row.substr(0, row.find('|'))));
    }
    EXPECT_EQ(ShellLog, expected);
  }
}

TEST_F(Commands, OnlyADoubleClickOnARowTheSearchListedOpensAFile) {
  ChooseTestFolder();
  SearchFor("Wort");
  testing::ResetShell();
  Send(ResultList, DoubleClick);  // nothing selected
  testing::SelectRow(0);
  for (int32_t type : {Click, RightClick, RightDoubleClick, SelectionChange}) Send(ResultList, type);
  SearchFor("Nichts");
  AddRow(ResultList, -1, "fremd.txt\n1");  // a row no search listed
  testing::SelectRow(0);
  Send(ResultList, DoubleClick);
  EXPECT_TRUE(ShellLog.empty());
}

TEST_F(Commands, WebsiteButtonOpensTheAddress) {
  Send(WebsiteButton);
  EXPECT_EQ(ShellLog, (std::vector<std::string>{std::string("OpenDocument|") +
                                                texts::WebsiteAddress}));
}

TEST_F(Commands, EventsWithoutACommandChangeNothing) {
  ChooseTestFolder();
  SearchFor("Wort");
  SetControlText(WordField, "Wort");
  testing::ResetShell();
  const std::vector<std::string> rows = Rows();
  const std::vector<Event> ignored = {
      {EventKind::ControlEvent, MainWindow, SelectionFrame, Click},
      {EventKind::ControlEvent, MainWindow, PathField, TextChange},
      {EventKind::ControlEvent, MainWindow, WordField, TextChange},
      {EventKind::ControlEvent, MainWindow, 8, Click},
      {EventKind::ControlEvent, MainWindow, ResultFrame, Click},
      {EventKind::ControlEvent, MainWindow, 42, Click},
      {EventKind::CloseEvent, 1, -1, -1},
      {EventKind::MoveEvent},
      {EventKind::SizeEvent},
      {EventKind::PaintEvent},
      {EventKind::ActivateEvent},
      {EventKind::OtherEvent},
  };
  for (const Event& event : ignored) EXPECT_TRUE(HandleEvent(event));
  EXPECT_TRUE(ShellLog.empty());
  EXPECT_EQ(Rows(), rows);
  EXPECT_EQ(GetControlText(PathField), folder.Text());
  EXPECT_EQ(GetControlText(WordField), "Wort");
  EXPECT_FALSE(HandleEvent({EventKind::CloseEvent, MainWindow, -1, -1}));
}

TEST_F(Commands, SearchRunsInTheModeTheOptionsShowAtThePress) {
  ChooseTestFolder();
  SetControlText(WordField, "Wort");
  SetControlState(FileOption, 1);  // no file chosen: the single-file search lists nothing
  Send(SearchButton);
  EXPECT_TRUE(Rows().empty());
  SetControlState(FolderOption, 1);
  Send(SearchButton);
  EXPECT_EQ(Sorted(Rows()), FolderRows());
  SetControlState(FolderOption, 0);  // neither option checked: no command
  SetControlState(FileOption, 0);
  Send(SearchButton);
  EXPECT_EQ(Sorted(Rows()), FolderRows());
  EXPECT_TRUE(ShellLog.size() == 1);
}

}  // namespace
}  // namespace sucholin
