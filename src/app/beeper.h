// The system's standard beep, sounded before every question.
#pragma once

namespace ruvela {

class Beeper {
 public:
  virtual ~Beeper() = default;
  virtual void Beep() = 0;
};

class QtBeeper final : public Beeper {
 public:
  void Beep() override;
};

}  // namespace ruvela
