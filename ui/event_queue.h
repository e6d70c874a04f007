// The events raised and not yet reported, merged alike on every platform: a move, resize,
// repaint or activation right after one of its own kind is not reported twice, and of the
// button and field notifications one platform message raises only the last counts (a text
// change raises an update and then a change). Control events from the list, close requests and
// the reports of messages that raised nothing are never merged.
#pragma once

#include <cstddef>
#include <deque>
#include <optional>

#include "ui/ui.h"

namespace sucholin {

class EventQueue {
 public:
  void Post(const Event& event) {
    const bool windowEvent = event.kind != EventKind::ControlEvent &&
                             event.kind != EventKind::CloseEvent &&
                             event.kind != EventKind::OtherEvent;
    if (windowEvent && event.kind == last) return;
    pending.push_back(event);
    last = event.kind;
  }

  // A button's or field's notification: inside a message it replaces the message's earlier one.
  void Notify(const Event& event) {
    if (notification) pending.erase(pending.begin() + static_cast<std::ptrdiff_t>(*notification));
    Post(event);
    if (inMessage) notification = pending.size() - 1;
  }

  // Around the delivery of one platform message.
  void BeginMessage() { inMessage = true; }
  void EndMessage() {
    inMessage = false;
    notification.reset();
  }

  bool Empty() const { return pending.empty(); }

  // The oldest event; the queue must not be empty.
  Event Take() {
    const Event event = pending.front();
    pending.pop_front();
    notification.reset();  // the positions have moved
    return event;
  }

 private:
  std::deque<Event> pending;
  EventKind last = EventKind::OtherEvent;  // of the event queued last, taken or not
  bool inMessage = false;
  std::optional<size_t> notification;  // where the current message's notification waits
};

}  // namespace sucholin
