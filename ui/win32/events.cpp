// Event delivery: one platform message at a time, turned into the events the program sees.
#include <windows.h>

#include <cstddef>
#include <deque>
#include <optional>

#include "ui/ui.h"
#include "ui/win32/backend.h"

namespace sucholin {
namespace win32 {
namespace {

std::deque<Event> Pending;
// Where the current message's button or field notification sits in Pending: a later one of the
// same message replaces it, so an update followed by a change gives one change event.
std::optional<size_t> CommandSlot;
bool Delivering = false;
EventKind LastKind = EventKind::OtherEvent;
int MuteDepth = 0;

void Queue(const Event& event) {
  Pending.push_back(event);
  LastKind = event.kind;
}

Event TakeNext() {
  const Event event = Pending.front();
  Pending.pop_front();
  return event;
}

bool Reporting() { return MuteDepth == 0 && MainHandle() != nullptr; }

}  // namespace

MutedEvents::MutedEvents() { ++MuteDepth; }
MutedEvents::~MutedEvents() { --MuteDepth; }

void RecordCommand(int32_t id, int32_t notification) {
  if (!Reporting()) return;
  if (Delivering && CommandSlot) {
    Pending.erase(Pending.begin() + static_cast<std::ptrdiff_t>(*CommandSlot));
  }
  Queue({EventKind::ControlEvent, MainWindow, id, notification});
  if (Delivering) CommandSlot = Pending.size() - 1;
}

void RecordListNotification(int32_t id, int32_t type) {
  if (!Reporting()) return;
  Queue({EventKind::ControlEvent, MainWindow, id, type});
}

void RecordWindowEvent(EventKind kind) {
  if (!Reporting()) return;
  // A close request is never dropped; the window's own changes are told once per run.
  if (kind != EventKind::CloseEvent && kind == LastKind) return;
  Queue({kind, MainWindow, -1, -1});
}

}  // namespace win32

Event WaitEvent() {
  using namespace win32;
  ResumeListPainting();
  if (!Pending.empty()) return TakeNext();

  MSG message;
  const BOOL got = GetMessageW(&message, nullptr, 0, 0);
  // WM_QUIT, or a failed wait: nothing further can come, so the program is asked to end.
  if (got == 0 || got == -1) return {EventKind::CloseEvent, MainWindow, -1, -1};

  Delivering = true;
  CommandSlot.reset();
  HWND main = MainHandle();
  const bool navigated = main && GetActiveWindow() == main &&
                         TranslateAcceleratorW(main, NavigationTable(), &message) != 0;
  if (!navigated) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  Delivering = false;
  CommandSlot.reset();

  if (Pending.empty()) {
    LastKind = EventKind::OtherEvent;
    return {};
  }
  return TakeNext();
}

}  // namespace sucholin
