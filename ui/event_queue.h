// The events raised and not yet reported, merged alike on every platform: a move, resize,
// repaint or activation right after one of its own kind is not reported twice, and of the
// button and field notifications one platform message raises only the last counts (a text
// change raises an update and then a change). Control events from the list and close requests
// are never merged.
#pragma once

#include <cstddef>
#include <deque>
#include <optional>

#include "ui/ui.h"

namespace sucholin {

class EventQueue {
 public:
  void Post(const Event& event);
  // A button's or field's notification: inside a message it replaces the message's earlier one.
  void Notify(const Event& event);
  // Around the delivery of one platform message.
  void BeginMessage();
  void EndMessage();
  bool Empty() const { return pending_.empty(); }
  // The oldest event; the queue must not be empty.
  Event Take();

 private:
  std::deque<Event> pending_;
  EventKind last_ = EventKind::OtherEvent;  // of the event queued last, taken or not
  bool inMessage_ = false;
  std::optional<size_t> notification_;  // where the current message's notification waits
};

}  // namespace sucholin
