// What the Win32 window backend's files share: the window, the controls' colours and the event
// record.
#pragma once

#include <windows.h>

#include <cstdint>

#include "ui/ui.h"

namespace sucholin::win32 {

// Null before CreateMainWindow, or when the window could not be created.
HWND MainHandle();
// Null for an id that names no control.
HWND ControlHandle(int32_t id);

// The two accelerator commands; an accelerator's WM_COMMAND has no control handle, so these
// cannot be mistaken for a control's notification.
inline constexpr WORD NextControlCommand = 100;
inline constexpr WORD PreviousControlCommand = 101;
HACCEL NavigationTable();
void MoveFocus(bool forward);

// Called from the window procedure as the platform raises things.
void RecordCommand(int32_t id, int32_t notification);
void RecordListNotification(int32_t id, int32_t type);
void RecordWindowEvent(EventKind kind);

// Rows added while the program works are painted once it waits again: Wine's list view
// repaints itself on every inserted row, which made a search of 2,000 files take 20 seconds.
void ResumeListPainting();

// Control operations change controls from code; what the controls report meanwhile is not a
// user action and raises no event.
class MutedEvents {
 public:
  MutedEvents();
  ~MutedEvents();
  MutedEvents(const MutedEvents&) = delete;
  MutedEvents& operator=(const MutedEvents&) = delete;
};

}  // namespace sucholin::win32
