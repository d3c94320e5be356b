// The system's standard beep, sounded before every question.
#pragma once

class Beeper {
 public:
  virtual ~Beeper() = default;
  virtual void Beep() = 0;
};

class QtBeeper final : public Beeper {
 public:
  void Beep() override;
};
