// The main window's contract: control ids, events and control operations, and the program
// built on them. The window backend (ui/win32 or ui/qt) is chosen by CMake at link time.
#pragma once

#include <cstdint>
#include <string>

namespace sucholin {

// Control ids; also the platform's control identifiers. There is no control 8.
enum ControlId : int32_t {
  FolderOption = 0,
  FileOption = 1,
  SelectionFrame = 2,
  PathField = 3,
  WordField = 4,
  SelectButton = 5,
  SearchButton = 6,
  WebsiteButton = 7,
  ResultList = 9,
  ResultFrame = 10,
};

inline constexpr int32_t MainWindow = 0;

enum class EventKind : int32_t {
  ControlEvent,
  CloseEvent,
  // Kinds the program ignores.
  MoveEvent,
  SizeEvent,
  PaintEvent,
  ActivateEvent,
  OtherEvent,
};

// Event types of a ControlEvent.
inline constexpr int32_t Click = 0;  // push button, option button, left click on the list
inline constexpr int32_t RightClick = 1;
inline constexpr int32_t DoubleClick = 2;  // left double click on the list, also below the rows
inline constexpr int32_t RightDoubleClick = 3;
inline constexpr int32_t TextChange = 768;       // the user changed a text field
inline constexpr int32_t SelectionChange = 768;  // a list row became selected

struct Event {
  EventKind kind = EventKind::OtherEvent;
  int32_t window = MainWindow;
  int32_t control = -1;  // ControlEvent only
  int32_t type = -1;     // ControlEvent only
};

// Colours as 0x00BBGGRR, the platform's own layout on Windows.
using Color = uint32_t;
constexpr Color Rgb(uint8_t r, uint8_t g, uint8_t b) {
  return Color{r} | (Color{g} << 8) | (Color{b} << 16);
}
inline constexpr Color PanelBlue = Rgb(145, 192, 232);

// ---- Backend operations. An id that names no control does nothing, or gives 0 or "". ----

// Builds and shows MainWindow with all its controls; false if the window cannot be created.
bool CreateMainWindow();
// Waits without a time limit for the next event.
Event WaitEvent();
void SetControlText(int32_t id, const std::string& text);
std::string GetControlText(int32_t id);
// Options: non-zero checks it and unchecks the rest of its group; 0 unchecks only it.
void SetControlState(int32_t id, int32_t state);
// Options: 1 when checked. ResultList: the selected row, or -1. Others: 0.
int32_t GetControlState(int32_t id);
void ClearRows(int32_t id);
// Appends (position -1) a row whose cells are the parts of text between line feeds.
void AddRow(int32_t id, int32_t position, const std::string& text);
// One cell; a row at or past the number of rows gives "".
std::string GetRowText(int32_t id, int32_t row, int32_t column);
void SetControlColors(int32_t id, Color text, Color background);

// ---- The program, written once over the window and shell contracts. ----

// Runs one event's command; false when the event ends the program.
bool HandleEvent(const Event& event);
// Start-up and the loop; returns the exit code once MainWindow has been closed.
int RunSucholin();

}  // namespace sucholin
