// The window contract, run against this platform's backend: layout, control operations and the
// events real input raises.
#include <gtest/gtest.h>

#include <array>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "tests/contract/window_driver.h"
#include "ui/event_queue.h"
#include "ui/texts.h"
#include "ui/ui.h"
#include "ui/window_layout.h"

namespace sucholin::testing {
namespace {

using Seen = std::vector<std::pair<int32_t, int32_t>>;  // control and type; -1, -1: a close request

// The control events and close requests, the ones the program acts on.
Seen Actions() {
  Seen seen;
  for (const Event& event : TakeEvents()) {
    if (event.kind == EventKind::CloseEvent) seen.emplace_back(-1, -1);
    if (event.kind != EventKind::ControlEvent) continue;
    EXPECT_EQ(event.window, MainWindow);
    seen.emplace_back(event.control, event.type);
  }
  return seen;
}

class Window : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { OpenMainWindow(); }

  void SetUp() override {
    ClearRows(ResultList);
    for (const int32_t field : {PathField, WordField}) SetControlText(field, "");
    SetControlState(FolderOption, 1);
    Focus(-1);
    TakeEvents();
  }
};

// Runs first: the state CreateMainWindow leaves behind; then what the setters and AddRow do.
TEST_F(Window, StartsWithEveryControlInPlaceAndSettersFollowTheRules) {
  EXPECT_TRUE(IsActiveAndVisible());
  EXPECT_EQ(FocusedControl(), -1);
  EXPECT_EQ(ShownText(-1), texts::WindowTitle);
  EXPECT_EQ(PlaceOf(-1), (Place{0, 0, layout::ClientWidth, layout::ClientHeight}));
  for (const layout::Control& c : layout::Controls) {
    EXPECT_EQ(PlaceOf(c.id), c.place) << c.name;
    EXPECT_EQ(ShownText(c.id), c.text) << c.name;
    EXPECT_EQ(GetControlText(c.id), c.text) << c.name;
    EXPECT_EQ(GetControlState(c.id), c.kind == layout::Kind::List ? -1 : int32_t{c.checked});
  }
  for (int32_t i = 0; const auto& [title, width] : layout::ResultColumns)
    EXPECT_EQ(Column(i++), std::string(title) + " " + std::to_string(width));
  // The window, options and frames are panel blue, buttons are not: the window's corner, inside
  // the selection frame below the options, FolderOption and FileOption beyond their labels,
  // inside the result frame below the list; SelectButton.
  for (const auto& [x, y] : {std::pair{2, 2}, {60, 73}, {90, 33}, {105, 60}, {200, 274}})
    EXPECT_EQ(PixelAt(x, y), PanelBlue) << x << "," << y;
  EXPECT_NE(PixelAt(417, 22), PanelBlue);
  // Ids that name no control and operations unfit for a control do nothing; the setters follow
  // the rules. None of it raises an event.
  AddRow(ResultList, -1, "a.txt\n1");
  for (const int32_t id : {-1, 8, 11, 1000, int32_t{PathField}, int32_t{SearchButton}}) {
    const std::string before = GetControlText(id);
    if (id != PathField && id != SearchButton) SetControlText(id, "x");
    SetControlState(id, 1);
    ClearRows(id);
    AddRow(id, -1, "b.txt\n2");
    EXPECT_EQ(GetControlText(id), before) << id;
    EXPECT_EQ(GetControlState(id), 0) << id;
    EXPECT_EQ(GetRowText(id, 0, 0), "") << id;
  }
  EXPECT_EQ(GetControlState(FolderOption), 1);
  EXPECT_EQ(RowCount(), 1);
  // Options follow the group rules: checking one unchecks the other; 0 unchecks it, checked or
  // not, and only it; any non-zero state checks. Each step: id, state, then folder and file.
  const std::array<int32_t, 4> options[] = {
      {FileOption, 1, 0, 1}, {FileOption, 0, 0, 0},  {FolderOption, 5, 1, 0},
      {FileOption, 0, 1, 0}, {FileOption, -1, 0, 1},
  };
  for (const auto& [id, state, folder, file] : options) {
    SetControlState(id, state);
    EXPECT_EQ(std::pair(GetControlState(FolderOption), GetControlState(FileOption)),
              std::pair(folder, file))
        << id << " " << state;
  }
  // Texts come back whole, as shown.
  for (const int32_t id : {PathField, WordField, SelectButton})
    for (const std::string& text : {std::string(), std::string(5000, 'w'),
                                    std::string("\xCE\xA9 \xEF\xBD\x81 \xF0\x9F\x98\x80")}) {
      SetControlText(id, text);
      EXPECT_EQ(GetControlText(id), text) << id;
      EXPECT_EQ(ShownText(id), text) << id;
    }
  // AddRow splits the text at line feeds.
  ClearRows(ResultList);
  std::string lines;
  for (int i = 1; i <= 2000; ++i) lines += std::to_string(i) + ",";
  const auto cells = [](int row) {  // the file, its lines and a column past the last
    return GetRowText(ResultList, row, 0) + "|" + GetRowText(ResultList, row, 1) + "|" +
           GetRowText(ResultList, row, 2);
  };
  const std::pair<std::string, std::string> rows[] = {
      // the text and its row's cells
      {"a.txt\n3,17", "a.txt|3,17|"},
      {"nur.txt", "nur.txt||"},
      {"", "||"},
      {"\xC3\x84rger \xF0\x9F\x98\x80.txt\n1", "\xC3\x84rger \xF0\x9F\x98\x80.txt|1|"},
      {std::string(255, 'n') + "\n" + lines, std::string(255, 'n') + "|" + lines + "|"},
  };
  for (const auto& row : rows) AddRow(ResultList, -1, row.first);
  ASSERT_EQ(RowCount(), static_cast<int>(std::size(rows)));
  for (int i = -1; i <= RowCount(); ++i)  // no row before the first or after the last
    EXPECT_EQ(cells(i), i >= 0 && i < RowCount() ? rows[i].second : "||") << i;
  AddRow(ResultList, 0, "vorn.txt\n5");
  EXPECT_EQ(cells(0) + cells(1), "vorn.txt|5|a.txt|3,17|");
  EXPECT_EQ(GetControlState(ResultList), -1) << "a new row is not selected";
  EXPECT_TRUE(Actions().empty()) << "no setter raises an event";
}

// Each step: the focus, typed text, keys and a click, and the actions they must raise, no more.
TEST_F(Window, InputRaisesItsActionsOnly) {
  const struct {
    int32_t focus, clicked;  // clicked -1: none
    const char* typed;
    std::vector<Key> keys;
    Seen seen;
  } steps[] = {
      {FolderOption, -1, "", {Key::Down}, {}},  // focus and check stay
      {-1, FileOption, "", {}, {{FileOption, Click}}},
      {-1, FileOption, "", {}, {{FileOption, Click}}},  // already checked: reported all the same
      {SearchButton, -1, "", {Key::Space}, {{SearchButton, Click}}},
      {-1, SelectButton, "", {}, {{SelectButton, Click}}},
      {WordField, -1, "\xC3\xA4\xCE\xA9z", {Key::Backspace}, Seen(4, {WordField, TextChange})},
      {PathField, -1, "xy", {Key::Backspace}, {}},
      {WordField, -1, "", {Key::Return, Key::Escape}, {}},
      {SearchButton, -1, "", {Key::Return, Key::Escape}, {}},
      {ResultList, -1, "", {Key::Return, Key::Escape}, {}},
  };
  SetControlText(PathField, "/tmp/");
  for (const auto& step : steps) {
    Focus(step.focus);
    Type(step.typed);
    for (const Key key : step.keys) PressKey(key);
    if (step.clicked >= 0) ClickControl(step.clicked);
    EXPECT_EQ(Actions(), step.seen) << "focus " << step.focus << ", click " << step.clicked;
    EXPECT_EQ(FocusedControl(), step.clicked < 0 ? step.focus : step.clicked) << "a click focuses";
  }
  EXPECT_EQ(GetControlState(FileOption), 1);
  EXPECT_EQ(GetControlText(WordField), "\xC3\xA4\xCE\xA9") << "read as typed";
  EXPECT_EQ(GetControlText(PathField), "/tmp/");
  RequestClose();
  EXPECT_EQ(Actions(), (Seen{{-1, -1}}));
  EXPECT_TRUE(IsActiveAndVisible());
  // Tab visits the enabled stops in order and wraps.
  Focus(-1);
  std::vector<int32_t> stops;
  for (const layout::Control& c : layout::Controls)
    if (layout::IsTabStop(c.kind)) stops.push_back(c.id);
  PressKey(Key::ShiftTab);
  EXPECT_EQ(FocusedControl(), stops.back()) << "from no focus, backwards";
  Focus(-1);
  // From no focus round and on to the first, then back round to the last and the one before it.
  const size_t n = stops.size();
  for (size_t i = 0; i < n + 3; ++i) {
    PressKey(i <= n ? Key::Tab : Key::ShiftTab);
    EXPECT_EQ(FocusedControl(), stops[(i <= n ? i : 2 * n - i) % n]) << i;
  }
}

// Clicks on the rows and below them, then a key, scrolling and a new search.
TEST_F(Window, ListReportsClicksAndSelectionChanges) {
  for (const char* row : {"a.txt\n1", "b.txt\n2", "c.txt\n3"}) AddRow(ResultList, -1, row);
  const struct {
    int32_t row, selected;  // clicked, and selected after the click
    bool right, twice;
    std::vector<int32_t> types;
  } steps[] = {
      {1, 1, false, false, {SelectionChange, Click}},
      {1, 1, false, false, {Click}},  // the same row again: no selection change
      {2, 2, true, false, {SelectionChange, RightClick}},
      {0, 0, false, true, {SelectionChange, Click, DoubleClick}},
      {0, 0, true, true, {RightClick, RightDoubleClick}},
      {3, -1, false, true, {Click, DoubleClick}},  // below the rows
      {0, 0, false, false, {SelectionChange, Click}},
  };
  for (const auto& step : steps) {
    ClickRow(step.row, step.right, step.twice);
    std::set<int32_t> types;  // a platform may report a type twice
    for (const auto& [control, type] : Actions()) {
      EXPECT_EQ(control, ResultList);
      types.insert(type);
    }
    EXPECT_EQ(types, std::set(step.types.begin(), step.types.end())) << "row " << step.row;
    EXPECT_EQ(GetControlState(ResultList), step.selected);
  }
  PressKey(Key::Down);  // the list has the focus from the clicks
  EXPECT_EQ(Actions(), (Seen{{ResultList, SelectionChange}}));
  // The selection stays while rows are added. A new search starts with none selected, at the
  // list's left and top however far the last one was scrolled; the first Down selects row 0.
  const auto fill = [] {
    for (int i = 0; i < 30; ++i) AddRow(ResultList, -1, "datei.txt\n" + std::to_string(i));
  };
  fill();
  EXPECT_EQ(GetControlState(ResultList), 1);
  Focus(-1);
  const auto [sideways, down] = ListScroll(true);
  EXPECT_GT(sideways, 100) << "sideways by pixels, not a column at a time";
  EXPECT_GT(down, 0);
  EXPECT_EQ(FocusedControl(), -1) << "scrolling takes no focus";
  ClearRows(ResultList);
  EXPECT_EQ(RowCount(), 0);
  EXPECT_EQ(GetControlState(ResultList), -1);
  EXPECT_TRUE(Actions().empty());
  fill();
  EXPECT_EQ(ListScroll(), (std::pair{0, 0}));
  Focus(ResultList);
  PressKey(Key::Down);
  EXPECT_EQ(GetControlState(ResultList), 0);
}

// Each case: steps = what is reported. A letter posts an event that carries it as its type: c m s
// p a o by kind (close request, move, size, paint, activation, a message that raised nothing), l a
// list click, u and x a field's update and change notifications. [ and ] enclose one platform
// message, . takes an event.
TEST(EventQueue, MergesRepeatedWindowEventsAndOneMessagesNotifications) {
  constexpr std::string_view Kinds = "-cmspao";  // by EventKind; l, u and x are control events
  for (const std::string_view test : {"ppmpssaaccllpcp=pmpsaccllpcp", "p.pm.m=pm", "o.oo=ooo",
                                      "[ux][ux]ux=xxux", "[ulx]=lx", "[u.x]=ux"}) {
    EventQueue queue;
    std::string seen;
    for (const char step : test.substr(0, test.find('='))) {
      const size_t at = Kinds.find(step);
      const Event event{static_cast<EventKind>(at == Kinds.npos ? 0 : at), MainWindow, -1, step};
      switch (step) {
        case '[': queue.BeginMessage(); break;
        case ']': queue.EndMessage(); break;
        case '.': seen += static_cast<char>(queue.Take().type); break;
        default: step == 'u' || step == 'x' ? queue.Notify(event) : queue.Post(event);
      }
    }
    while (!queue.Empty()) seen += static_cast<char>(queue.Take().type);
    EXPECT_EQ(seen, test.substr(test.find('=') + 1)) << test;
  }
}

}  // namespace
}  // namespace sucholin::testing
