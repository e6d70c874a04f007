// WaitEvent on Qt: the widgets queue what they report, WaitEvent runs Qt's own event loop
// until the queue holds something.
#include <QEventLoop>
#include <deque>

#include "ui/qt/window.h"

namespace sucholin {
namespace {

std::deque<Event> Pending;
QEventLoop* Waiting = nullptr;  // the loop of the WaitEvent call that is waiting, if any

bool IsIgnoredKind(EventKind kind) {
  return kind != EventKind::ControlEvent && kind != EventKind::CloseEvent;
}

}  // namespace

void qt::PostEvent(const Event& event) {
  // A run of one ignored kind is a single event, as repeated repaints merge in a message queue.
  if (IsIgnoredKind(event.kind) && !Pending.empty() && Pending.back().kind == event.kind) return;
  Pending.push_back(event);
  if (Waiting) Waiting->quit();
}

void qt::PostControlEvent(int32_t id, int32_t type) {
  PostEvent({.kind = EventKind::ControlEvent, .window = MainWindow, .control = id, .type = type});
}

Event WaitEvent() {
  while (Pending.empty()) {
    QEventLoop loop;
    Waiting = &loop;
    loop.exec();
    Waiting = nullptr;
  }
  const Event event = Pending.front();
  Pending.pop_front();
  return event;
}

}  // namespace sucholin
