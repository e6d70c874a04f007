// WaitEvent on Qt: the widgets queue what they report, WaitEvent runs Qt's own event loop
// until the queue holds something.
#include <QEventLoop>

#include "ui/event_queue.h"
#include "ui/qt/window.h"

namespace sucholin {
namespace {

EventQueue Pending;
QEventLoop* Waiting = nullptr;  // the loop of the WaitEvent call that is waiting, if any

}  // namespace

void qt::PostEvent(const Event& event) {
  Pending.Post(event);
  if (Waiting) Waiting->quit();
}

void qt::PostControlEvent(int32_t id, int32_t type) {
  PostEvent({.kind = EventKind::ControlEvent, .window = MainWindow, .control = id, .type = type});
}

Event WaitEvent() {
  while (Pending.Empty()) {
    QEventLoop loop;
    Waiting = &loop;
    loop.exec();
    Waiting = nullptr;
  }
  return Pending.Take();
}

}  // namespace sucholin
