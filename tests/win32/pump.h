// Test-side event pumping for the Win32 backend: WaitEvent with a deadline, never blocking for long.
#pragma once

#include <windows.h>

#include <vector>

#include "ui/ui.h"

namespace sucholin::testing {

// Takes events with WaitEvent until the deadline has passed. A thread timer makes sure a
// message arrives at least every few milliseconds, so WaitEvent never blocks for long.
std::vector<Event> PumpEvents(DWORD milliseconds = 120);
// Only the events the program acts on: control events and close requests.
std::vector<Event> PumpActions(DWORD milliseconds = 120);

HWND Window();
HWND Control(int id);

}  // namespace sucholin::testing
