// Handling the window's pending events in the middle of a conversion, so
// that the Abort button, the exit commands and drops work while it runs.
// Tests replace it to act at exactly that moment.
#pragma once

namespace ruvela {

class EventPump {
 public:
  virtual ~EventPump() = default;
  virtual void processPendingEvents() = 0;
};

class QtEventPump final : public EventPump {
 public:
  void processPendingEvents() override;
};

}  // namespace ruvela
