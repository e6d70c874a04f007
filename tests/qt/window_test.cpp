// The Qt main window driven through real Qt input events on the offscreen platform.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>
#include <QWindow>
#include <string>
#include <vector>

#include "tests/qt/qt_test_support.h"
#include "ui/ui.h"

namespace sucholin {
namespace {

using test::Control;
using test::ControlEvents;
using test::Main;

struct Seen {
  int32_t control;
  int32_t type;
  bool operator==(const Seen&) const = default;
};

std::vector<Seen> Controls(const std::vector<Event>& events) {
  std::vector<Seen> seen;
  for (const Event& event : events) {
    EXPECT_EQ(event.kind, EventKind::ControlEvent);
    EXPECT_EQ(event.window, MainWindow);
    seen.push_back({event.control, event.type});
  }
  return seen;
}

QTableWidget* List() { return Control<QTableWidget>("ResultList"); }

QPoint RowPoint(int row) {
  return List()->visualRect(List()->model()->index(row, 0)).center();
}

void ClickList(QPoint at, Qt::MouseButton button = Qt::LeftButton) {
  QTest::mouseClick(test::Handle(), button, {}, List()->viewport()->mapTo(Main(), at));
}

void DoubleClickList(QPoint at, Qt::MouseButton button = Qt::LeftButton) {
  QTest::mouseDClick(test::Handle(), button, {}, List()->viewport()->mapTo(Main(), at));
}

void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
  QTest::keyClick(test::Handle(), key, modifiers);
}

QString Utf8(const char* text) { return QString::fromUtf8(text); }

class WindowTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { test::OpenMainWindow(); }

  void SetUp() override {
    ClearRows(ResultList);
    SetControlText(PathField, "");
    SetControlText(WordField, "");
    SetControlState(FolderOption, 1);
    Main()->setFocus();
    ControlEvents();
  }
};

// Runs first: the state CreateMainWindow leaves behind.
TEST_F(WindowTest, StartsCentredWithEveryControlInPlace) {
  QWidget* window = Main();
  EXPECT_EQ(window->windowTitle(), Utf8("Sucholin 1.0"));
  EXPECT_EQ(window->size(), QSize(451, 320));
  EXPECT_EQ(window->minimumSize(), window->maximumSize());
  EXPECT_FALSE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_TRUE(window->windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(window->windowIcon().isNull());
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  EXPECT_EQ(window->frameGeometry().center(), screen.center());

  EXPECT_EQ(QApplication::focusWidget(), window) << "no control has the focus";
  EXPECT_EQ(GetControlState(FolderOption), 1);
  EXPECT_EQ(GetControlState(FileOption), 0);
  EXPECT_EQ(GetControlText(PathField), "");
  EXPECT_EQ(GetControlText(WordField), "");
  EXPECT_EQ(GetControlState(ResultList), -1);
  EXPECT_EQ(List()->rowCount(), 0);

  const struct {
    const char* name;
    QRect place;
    const char* text;
  } expected[] = {
      {"FolderOption", {15, 25, 80, 17}, "Ordner"},
      {"FileOption", {15, 42, 95, 23}, "Einzelne Datei"},
      {"SelectionFrame", {10, 10, 105, 70}, nullptr},
      {"PathField", {120, 10, 260, 25}, ""},
      {"WordField", {120, 35, 260, 25}, ""},
      {"SelectButton", {385, 10, 65, 25}, "Auswahl"},
      {"SearchButton", {385, 37, 65, 25}, "Suchen"},
      {"WebsiteButton", {75, 290, 300, 25}, "Auf meiner Website gibts noch andere Tools."},
      {"ResultList", {10, 120, 429, 150}, nullptr},
      {"ResultFrame", {5, 105, 442, 175}, "Auflistung der Dateien die das Suchwort enthalten."},
  };
  // Qt lists children from the bottom of the stack up; an earlier control lies above a later one.
  const QObjectList children = window->children();
  std::vector<QWidget*> created;
  for (auto child = children.rbegin(); child != children.rend(); ++child) {
    if (auto* widget = qobject_cast<QWidget*>(*child)) created.push_back(widget);
  }
  ASSERT_EQ(created.size(), std::size(expected));
  for (size_t i = 0; i < created.size(); ++i) {
    SCOPED_TRACE(expected[i].name);
    EXPECT_EQ(created[i]->objectName(), QString::fromLatin1(expected[i].name));
    EXPECT_EQ(created[i]->geometry(), expected[i].place);
    EXPECT_TRUE(created[i]->isVisible());
  }
  for (const auto id : {FolderOption, FileOption, SelectButton, SearchButton, WebsiteButton,
                        ResultFrame}) {
    const auto& entry = expected[id < ResultList ? id : id - 1];
    EXPECT_EQ(GetControlText(id), entry.text) << entry.name;
  }
  EXPECT_TRUE(Control<QLineEdit>("PathField")->isReadOnly());
  EXPECT_EQ(List()->horizontalHeaderItem(0)->text(), Utf8("Datei"));
  EXPECT_EQ(List()->horizontalHeaderItem(1)->text(), Utf8("Zeilen"));
  EXPECT_EQ(List()->columnWidth(0), 140);
  EXPECT_EQ(List()->columnWidth(1), 500);
  EXPECT_GT(List()->horizontalScrollBar()->maximum(), 0) << "640 pixels of columns scroll sideways";

  // So the options lie above their frame and the list above the result frame.
  EXPECT_EQ(window->childAt(20, 30), Control<QRadioButton>("FolderOption"));
  EXPECT_TRUE(List()->isAncestorOf(window->childAt(100, 200)));
}

TEST_F(WindowTest, UnknownIdsAndUnfitOperationsDoNothing) {
  for (const int32_t id : {-1, 8, 11, 1000}) {
    SCOPED_TRACE(id);
    SetControlText(id, "x");
    SetControlState(id, 1);
    ClearRows(id);
    AddRow(id, -1, "a\nb");
    EXPECT_EQ(GetControlText(id), "");
    EXPECT_EQ(GetControlState(id), 0);
    EXPECT_EQ(GetRowText(id, 0, 0), "");
  }
  AddRow(PathField, -1, "a\nb");
  EXPECT_EQ(GetRowText(PathField, 0, 0), "");
  EXPECT_EQ(GetControlState(PathField), 0);
  EXPECT_EQ(GetControlState(SelectionFrame), 0);
  EXPECT_EQ(List()->rowCount(), 0);
  EXPECT_TRUE(ControlEvents().empty());
}

TEST_F(WindowTest, OptionStatesFollowTheGroupRules) {
  const struct {
    int32_t id;
    int32_t state;
    int32_t folder;
    int32_t file;
  } steps[] = {
      {FileOption, 1, 0, 1},    // checking one unchecks the other
      {FolderOption, 1, 1, 0},  //
      {FolderOption, 0, 0, 0},  // 0 unchecks only this one, even the checked one
      {FileOption, 0, 0, 0},    //
      {FileOption, 5, 0, 1},    // any non-zero state checks
  };
  for (const auto& step : steps) {
    SetControlState(step.id, step.state);
    EXPECT_EQ(GetControlState(FolderOption), step.folder) << step.id << " " << step.state;
    EXPECT_EQ(GetControlState(FileOption), step.file) << step.id << " " << step.state;
  }
  EXPECT_TRUE(ControlEvents().empty()) << "states set from code raise nothing";
}

TEST_F(WindowTest, ClickingAnOptionChecksItAndReportsOnlyIt) {
  test::Click(Control<QWidget>("FileOption"));
  EXPECT_EQ(Controls(ControlEvents()), (std::vector<Seen>{{FileOption, Click}}));
  EXPECT_EQ(GetControlState(FolderOption), 0);
  EXPECT_EQ(GetControlState(FileOption), 1);

  test::Click(Control<QWidget>("FileOption"));  // already checked: reported, nothing changes
  EXPECT_EQ(Controls(ControlEvents()), (std::vector<Seen>{{FileOption, Click}}));
  EXPECT_EQ(GetControlState(FileOption), 1);

  SetControlState(FileOption, 0);
  test::Click(Control<QWidget>("FolderOption"));
  EXPECT_EQ(Controls(ControlEvents()), (std::vector<Seen>{{FolderOption, Click}}));
  EXPECT_EQ(GetControlState(FolderOption), 1);
  EXPECT_EQ(GetControlState(FileOption), 0);
}

TEST_F(WindowTest, AddRowSplitsTheTextAtLineFeeds) {
  const struct {
    std::string text;
    std::string file;
    std::string lines;
  } rows[] = {
      {"a.txt\n3,17", "a.txt", "3,17"},
      {"nur.txt", "nur.txt", ""},
      {"x\ny\nz", "x", "y"},
      {"\n5", "", "5"},
      {"", "", ""},
      {"\xE4rger.txt\n1", "\xE4rger.txt", "1"},  // not UTF-8: the bytes come back unchanged
      {"gro\xC3\x9F.txt\n2", "gro\xC3\x9F.txt", "2"},
  };
  for (const auto& row : rows) AddRow(ResultList, -1, row.text);
  ASSERT_EQ(List()->rowCount(), static_cast<int>(std::size(rows)));
  for (int i = 0; i < List()->rowCount(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(GetRowText(ResultList, i, 0), rows[i].file);
    EXPECT_EQ(GetRowText(ResultList, i, 1), rows[i].lines);
  }
  EXPECT_EQ(List()->item(0, 0)->text(), Utf8("a.txt"));
  EXPECT_EQ(List()->item(0, 1)->text(), Utf8("3,17"));
  EXPECT_EQ(List()->item(6, 0)->text(), Utf8("gro\xC3\x9F.txt"));
  EXPECT_EQ(GetControlState(ResultList), -1) << "a new row is not selected";
}

TEST_F(WindowTest, RowsPastTheEndGiveTheEmptyText) {
  AddRow(ResultList, -1, "a.txt\n1");
  AddRow(ResultList, -1, "b.txt\n2");
  EXPECT_EQ(GetRowText(ResultList, 1, 0), "b.txt");
  EXPECT_EQ(GetRowText(ResultList, 2, 0), "");
  EXPECT_EQ(GetRowText(ResultList, -1, 0), "");
  EXPECT_EQ(GetRowText(ResultList, 0, 2), "");
}

TEST_F(WindowTest, NewRowsLeaveTheSelectionWhereItIs) {
  AddRow(ResultList, -1, "a.txt\n1");
  AddRow(ResultList, -1, "b.txt\n2");
  ClickList(RowPoint(1));
  ControlEvents();
  AddRow(ResultList, -1, "c.txt\n3");
  EXPECT_EQ(GetControlState(ResultList), 1);
  AddRow(ResultList, 0, "first.txt\n4");  // inserted above: the same row stays selected
  EXPECT_EQ(GetRowText(ResultList, 0, 0), "first.txt");
  EXPECT_EQ(GetRowText(ResultList, GetControlState(ResultList), 0), "b.txt");
  EXPECT_TRUE(ControlEvents().empty());
}

TEST_F(WindowTest, LongCellsComeBackWhole) {
  std::string lines;
  for (int i = 1; i <= 5000; ++i) lines += std::to_string(i) + ",";
  AddRow(ResultList, -1, "lang.txt\n" + lines);
  EXPECT_EQ(GetRowText(ResultList, 0, 1), lines);
}

TEST_F(WindowTest, ClearRowsEmptiesTheListAndTheSelection) {
  ClearRows(ResultList);  // already empty
  EXPECT_EQ(List()->rowCount(), 0);
  AddRow(ResultList, -1, "a.txt\n1");
  ClickList(RowPoint(0));
  ControlEvents();
  ASSERT_EQ(GetControlState(ResultList), 0);
  ClearRows(ResultList);
  EXPECT_EQ(List()->rowCount(), 0);
  EXPECT_EQ(List()->columnCount(), 2);
  EXPECT_EQ(GetControlState(ResultList), -1);
  EXPECT_TRUE(ControlEvents().empty());
}

TEST_F(WindowTest, ListReportsClicksAndSelectionChanges) {
  for (const char* row : {"a.txt\n1", "b.txt\n2", "c.txt\n3"}) AddRow(ResultList, -1, row);

  ClickList(RowPoint(1));
  EXPECT_EQ(Controls(ControlEvents()),
            (std::vector<Seen>{{ResultList, SelectionChange}, {ResultList, Click}}));
  EXPECT_EQ(GetControlState(ResultList), 1);

  ClickList(RowPoint(1));  // the same row again: no selection change
  EXPECT_EQ(Controls(ControlEvents()), (std::vector<Seen>{{ResultList, Click}}));

  ClickList(RowPoint(2), Qt::RightButton);
  EXPECT_EQ(Controls(ControlEvents()),
            (std::vector<Seen>{{ResultList, SelectionChange}, {ResultList, RightClick}}));
  EXPECT_EQ(GetControlState(ResultList), 2);

  DoubleClickList(RowPoint(0));
  EXPECT_EQ(Controls(ControlEvents()), (std::vector<Seen>{{ResultList, SelectionChange},
                                                         {ResultList, Click},
                                                         {ResultList, DoubleClick}}));
  EXPECT_EQ(GetControlState(ResultList), 0);

  DoubleClickList(RowPoint(0), Qt::RightButton);
  EXPECT_EQ(Controls(ControlEvents()),
            (std::vector<Seen>{{ResultList, RightClick}, {ResultList, RightDoubleClick}}));

  Key(Qt::Key_Down);  // the list has the focus from the clicks
  EXPECT_EQ(Controls(ControlEvents()), (std::vector<Seen>{{ResultList, SelectionChange}}));
  EXPECT_EQ(GetControlState(ResultList), 1);
}

TEST_F(WindowTest, HeaderClicksChangeNothing) {
  AddRow(ResultList, -1, "b.txt\n1");
  AddRow(ResultList, -1, "a.txt\n2");
  QHeaderView* header = List()->horizontalHeader();
  for (const int section : {0, 1}) {
    const QPoint at(header->sectionViewportPosition(section) + 20, header->height() / 2);
    QTest::mouseClick(test::Handle(), Qt::LeftButton, {}, header->viewport()->mapTo(Main(), at));
  }
  EXPECT_EQ(GetRowText(ResultList, 0, 0), "b.txt") << "not sorted";
  EXPECT_EQ(GetControlState(ResultList), -1);
  EXPECT_TRUE(ControlEvents().empty());
}

TEST_F(WindowTest, DoubleClickBelowTheRowsClearsTheSelection) {
  AddRow(ResultList, -1, "a.txt\n1");
  ClickList(RowPoint(0));
  ControlEvents();
  ASSERT_EQ(GetControlState(ResultList), 0);

  DoubleClickList({40, List()->viewport()->height() - 5});
  EXPECT_EQ(Controls(ControlEvents()),
            (std::vector<Seen>{{ResultList, Click}, {ResultList, DoubleClick}}));
  EXPECT_EQ(GetControlState(ResultList), -1);
}

TEST_F(WindowTest, TabVisitsTheEightStopsInOrderAndWraps) {
  const char* stops[] = {"FolderOption",  "FileOption",   "PathField",     "WordField",
                         "SelectButton", "SearchButton", "WebsiteButton", "ResultList"};
  for (const char* stop : stops) {
    Key(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), Control<QWidget>(stop)) << stop;
  }
  Key(Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), Control<QWidget>("FolderOption")) << "wraps forwards";
  Key(Qt::Key_Tab, Qt::ShiftModifier);
  EXPECT_EQ(QApplication::focusWidget(), Control<QWidget>("ResultList")) << "wraps backwards";
  for (int i = std::size(stops) - 2; i >= 0; --i) {
    Key(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), Control<QWidget>(stops[i])) << stops[i];
  }
  EXPECT_TRUE(ControlEvents().empty());
}

TEST_F(WindowTest, ShiftTabWithoutFocusGoesToTheList) {
  Key(Qt::Key_Tab, Qt::ShiftModifier);
  EXPECT_EQ(QApplication::focusWidget(), Control<QWidget>("ResultList"));
}

TEST_F(WindowTest, OtherKeysDoNotMoveTheFocus) {
  QWidget* folder = Control<QWidget>("FolderOption");
  folder->setFocus();
  Key(Qt::Key_Tab, Qt::ControlModifier);
  EXPECT_EQ(QApplication::focusWidget(), folder);
  for (const Qt::Key arrow : {Qt::Key_Down, Qt::Key_Right, Qt::Key_Up, Qt::Key_Left}) {
    Key(arrow);
    EXPECT_EQ(QApplication::focusWidget(), folder) << arrow;
    EXPECT_EQ(GetControlState(FolderOption), 1);
    EXPECT_EQ(GetControlState(FileOption), 0);
  }
  EXPECT_TRUE(ControlEvents().empty());
}

TEST_F(WindowTest, EachEditOfTheWordRaisesOneEvent) {
  test::Click(Control<QWidget>("WordField"));
  for (const char c : {'a', 'b', 'c'}) QTest::keyClick(test::Handle(), c);
  Key(Qt::Key_Backspace);
  const std::vector<Seen> four(4, {WordField, TextChange});
  EXPECT_EQ(Controls(ControlEvents()), four);
  EXPECT_EQ(GetControlText(WordField), "ab");

  QTest::sendKeyEvent(QTest::Click, Control<QWidget>("WordField"), Qt::Key_Udiaeresis,
                      QString::fromUtf8("\xC3\xBC"), Qt::NoModifier);
  ControlEvents();
  EXPECT_EQ(GetControlText(WordField), "ab\xC3\xBC") << "the locale's bytes, UTF-8";
}

TEST_F(WindowTest, TextsSetFromCodeRaiseNothing) {
  SetControlText(WordField, "Wort");
  SetControlText(PathField, "/tmp/");
  SetControlText(SearchButton, "Suchen");
  EXPECT_TRUE(ControlEvents().empty());
  EXPECT_EQ(GetControlText(WordField), "Wort");
  EXPECT_EQ(GetControlText(PathField), "/tmp/");
}

TEST_F(WindowTest, PathFieldKeepsItsBytesAndRefusesTyping) {
  const std::string path = "/tmp/\xFF\xE4/";  // a folder name that is not UTF-8
  SetControlText(PathField, path);
  EXPECT_EQ(GetControlText(PathField), path);

  test::Click(Control<QWidget>("PathField"));
  for (const char c : {'x', 'y'}) QTest::keyClick(test::Handle(), c);
  Key(Qt::Key_Backspace);
  EXPECT_TRUE(ControlEvents().empty());
  EXPECT_EQ(GetControlText(PathField), path);

  SetControlText(PathField, "/home/b\xC3\xA4r/");
  EXPECT_EQ(Control<QLineEdit>("PathField")->text(), Utf8("/home/b\xC3\xA4r/"));
}

TEST_F(WindowTest, EnterAndEscapeDoNothingAnywhere) {
  AddRow(ResultList, -1, "a.txt\n1");
  for (const char* name : {"FolderOption", "FileOption", "PathField", "WordField",
                           "SelectButton", "SearchButton", "WebsiteButton", "ResultList"}) {
    Control<QWidget>(name)->setFocus();
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) Key(key);
    EXPECT_TRUE(ControlEvents().empty()) << name;
  }
  EXPECT_TRUE(Main()->isVisible());
}

TEST_F(WindowTest, SpacePressesTheFocusedButton) {
  Control<QWidget>("SearchButton")->setFocus();
  Key(Qt::Key_Space);
  EXPECT_EQ(Controls(ControlEvents()), (std::vector<Seen>{{SearchButton, Click}}));
}

TEST_F(WindowTest, CloseRequestIsOnlyReported) {
  test::Handle()->close();  // what the window manager's close box asks for
  const std::vector<Event> events = ControlEvents();
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events[0].kind, EventKind::CloseEvent);
  EXPECT_EQ(events[0].window, MainWindow);
  EXPECT_TRUE(Main()->isVisible());
  test::Click(Control<QWidget>("SearchButton"));
  EXPECT_EQ(Controls(ControlEvents()), (std::vector<Seen>{{SearchButton, Click}}));
}

TEST_F(WindowTest, OptionsAndResultFrameAreBlackOnPanelBlue) {
  const QColor blue(145, 192, 232);
  for (const char* name : {"FolderOption", "FileOption", "ResultFrame"}) {
    const QWidget* widget = Control<QWidget>(name);
    EXPECT_EQ(widget->palette().color(QPalette::WindowText), QColor(Qt::black)) << name;
    EXPECT_EQ(widget->palette().color(QPalette::Window), blue) << name;
  }
  const QImage window = Main()->grab().toImage();
  EXPECT_EQ(window.pixelColor(60, 16), blue) << "inside the selection frame";
  EXPECT_EQ(window.pixelColor(90, 33), blue) << "beside the folder option's label";
  EXPECT_EQ(window.pixelColor(2, 2), blue) << "the window itself";
  EXPECT_NE(window.pixelColor(417, 22), blue) << "buttons keep the system colours";
}

// Rendered, no label runs into its control's edge: a text that did not fit would be cut there.
TEST_F(WindowTest, EveryTextFitsItsControl) {
  const auto darkColumns = [](const QImage& image, int top, int bottom) {
    std::vector<int> columns;
    for (int x = 0; x < image.width(); ++x) {
      for (int y = top; y < bottom; ++y) {
        if (qGray(image.pixel(x, y)) < 80) {
          columns.push_back(x);
          break;
        }
      }
    }
    return columns;
  };
  for (const char* name : {"FolderOption", "FileOption", "SelectButton", "SearchButton",
                           "WebsiteButton", "ResultFrame"}) {
    SCOPED_TRACE(name);
    QWidget* widget = Control<QWidget>(name);
    const QImage image = widget->grab().toImage();
    const int textBottom = qobject_cast<QGroupBox*>(widget) ? widget->fontMetrics().height()
                                                             : image.height();
    const std::vector<int> columns = darkColumns(image, 0, textBottom);
    ASSERT_FALSE(columns.empty()) << "the text is drawn";
    EXPECT_LT(columns.back(), image.width() - 3);
    EXPECT_GE(widget->height(), widget->fontMetrics().height());
    if (qobject_cast<QPushButton*>(widget)) {
      EXPECT_GT(columns.front(), 2);
    }
  }
}

// As on the Windows build: the frame line runs through the middle of the caption and is broken
// behind it, rather than passing below the caption.
TEST_F(WindowTest, ResultFrameCaptionIsSetIntoTheTopEdge) {
  auto* frame = Control<QGroupBox>("ResultFrame");
  const QImage image = frame->grab().toImage();
  const QColor blue(145, 192, 232);
  const int right = image.width() - 10;  // past the caption's end
  int line = 0;
  while (line < image.height() && image.pixelColor(right, line) == blue) ++line;
  const int captionHeight = frame->fontMetrics().height();
  EXPECT_NEAR(line, captionHeight / 2, 2) << "the top line at half the caption's height";
  EXPECT_NE(image.pixelColor(2, line), blue) << "the line starts left of the caption";
  int gap = 0;
  for (int x = 2; x < image.width() / 2 && image.pixelColor(x, line) != blue; ++x) gap = x + 1;
  EXPECT_GT(gap, 2);
  EXPECT_LT(gap, 16) << "the caption stands near the left end";
  EXPECT_EQ(image.pixelColor(gap, line), blue) << "the line is broken behind the caption";
  EXPECT_NE(image.pixelColor(image.width() / 2, image.height() - 1), blue) << "box to the bottom";
  EXPECT_NE(image.pixelColor(image.width() - 1, image.height() / 2), blue) << "box to the right";
}

TEST_F(WindowTest, ScreenshotWithRows) {
  SetControlText(PathField, "/home/anna/Texte/");
  SetControlText(WordField, "Sucholin");
  AddRow(ResultList, -1, "brief.txt\n3,17");
  AddRow(ResultList, -1, "notizen.htm\n1,2,5,8,13,21,34,55,89,144,233,377,610,987,1597");
  AddRow(ResultList, -1, "liste.xml\n42");
  ClickList(RowPoint(1));
  Main()->setFocus();
  ControlEvents();
  const QString folder = QStringLiteral(SUCHOLIN_SCREENSHOT_DIR);
  ASSERT_TRUE(QDir().mkpath(folder));
  EXPECT_TRUE(Main()->grab().save(folder + QStringLiteral("/main-window.png")));
}

}  // namespace
}  // namespace sucholin
