// The system's standard beep, sounded before every question.
#pragma once

namespace ruvela {

class Beeper {
 public:
  virtual ~Beeper() = default;
  virtual void beep() = 0;
};

class QtBeeper final : public Beeper {
 public:
  void beep() override;
};

}  // namespace ruvela
