// Event delivery: one platform message at a time, turned into the events the program sees.
#include <windows.h>

#include "ui/event_queue.h"
#include "ui/ui.h"
#include "ui/win32/backend.h"

namespace sucholin {
namespace win32 {
namespace {

EventQueue Pending;
int MuteDepth = 0;

bool Reporting() { return MuteDepth == 0 && MainHandle() != nullptr; }

}  // namespace

MutedEvents::MutedEvents() { ++MuteDepth; }
MutedEvents::~MutedEvents() { --MuteDepth; }

void RecordCommand(int32_t id, int32_t notification) {
  if (Reporting()) Pending.Notify({EventKind::ControlEvent, MainWindow, id, notification});
}

void RecordListNotification(int32_t id, int32_t type) {
  if (Reporting()) Pending.Post({EventKind::ControlEvent, MainWindow, id, type});
}

void RecordWindowEvent(EventKind kind) {
  if (Reporting()) Pending.Post({kind, MainWindow, -1, -1});
}

}  // namespace win32

Event WaitEvent() {
  using namespace win32;
  ResumeListPainting();
  if (!Pending.Empty()) return Pending.Take();

  MSG message;
  const BOOL got = GetMessageW(&message, nullptr, 0, 0);
  // WM_QUIT, or a failed wait: nothing further can come, so the program is asked to end.
  if (got == 0 || got == -1) return {EventKind::CloseEvent, MainWindow, -1, -1};

  Pending.BeginMessage();
  HWND main = MainHandle();
  const bool navigated = main && GetActiveWindow() == main &&
                         TranslateAcceleratorW(main, NavigationTable(), &message) != 0;
  if (!navigated) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  Pending.EndMessage();
  // A message that raised nothing is reported all the same.
  if (Pending.Empty()) Pending.Post({});
  return Pending.Take();
}

}  // namespace sucholin
