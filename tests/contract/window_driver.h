// Drives this platform's window backend as a user would and reads what the platform shows. One
// implementation per backend; the behaviour suites are written against this and ui.h alone.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "ui/ui.h"
#include "ui/window_layout.h"

namespace sucholin::testing {

using layout::Place;

enum class Key { Tab, ShiftTab, Space, Return, Escape, Down, Backspace };

// Creates MainWindow once and waits until it is the active window.
void OpenMainWindow();
// Every event WaitEvent reports until the backend is idle, in order. WaitEvent is called with
// an empty queue on the way, so waiting for an event is exercised too.
std::vector<Event> TakeEvents();

// User input, as the platform delivers it.
void ClickControl(int32_t id);
// A click on a row of ResultList; a row past the last one is a click below the rows.
void ClickRow(int32_t row, bool right = false, bool twice = false);
void PressKey(Key key);
void Type(const std::string& text);  // UTF-8, into the control with the focus
void RequestClose();                 // the close box of the title bar

// Test set-up the user cannot do directly.
void Focus(int32_t id);       // -1: the window itself, no control
void SelectRow(int32_t row);  // as a click does, for the command tests

// What the platform shows, read from the platform rather than from the backend's own records.
int32_t FocusedControl();  // -1: none
bool IsActiveAndVisible();
std::string ShownText(int32_t id);   // -1: the window title
Place PlaceOf(int32_t id);           // in the client area; -1: the client area itself
std::string Column(int32_t column);  // "title width"
int32_t RowCount();
// Where ResultList is scrolled to, sideways and down (0, 0: its left and top); toEnd scrolls it
// first as far right and down as its bars go.
std::pair<int, int> ListScroll(bool toEnd = false);
Color PixelAt(int x, int y);  // of the client area, as painted

// Whether a click on SearchButton reaches the program, as it must not while a dialog is open.
inline bool SearchButtonTakesClicks() {
  ClickControl(SearchButton);
  return std::ranges::count(TakeEvents(), int32_t{SearchButton}, &Event::control) > 0;
}

}  // namespace sucholin::testing
