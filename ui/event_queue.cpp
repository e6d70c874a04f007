#include "ui/event_queue.h"

namespace sucholin {

void EventQueue::Post(const Event& event) {
  const bool windowEvent = event.kind != EventKind::ControlEvent &&
                           event.kind != EventKind::CloseEvent &&
                           event.kind != EventKind::OtherEvent;
  if (windowEvent && event.kind == last_) return;
  pending_.push_back(event);
  last_ = event.kind;
}

void EventQueue::Notify(const Event& event) {
  if (notification_) {
    pending_.erase(pending_.begin() + static_cast<std::ptrdiff_t>(*notification_));
  }
  Post(event);
  if (inMessage_) notification_ = pending_.size() - 1;
}

void EventQueue::BeginMessage() {
  inMessage_ = true;
  notification_.reset();
}

void EventQueue::EndMessage() {
  inMessage_ = false;
  notification_.reset();
}

Event EventQueue::Take() {
  const Event event = pending_.front();
  pending_.pop_front();
  notification_.reset();  // the positions have moved
  return event;
}

}  // namespace sucholin
