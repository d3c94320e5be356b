// The program's two-button questions: a beep, then the question window
// titled with the program's name. The first button is always the cautious
// answer.
#pragma once

#include "app/beeper.h"
#include "gui/prompt.h"

class QWidget;

namespace ruvela {

class UserQuestions {
 public:
  // Both must outlive the questions.
  UserQuestions(Prompt& prompt, Beeper& beeper) : prompt_(prompt), beeper_(beeper) {}

  // True when the user chose the first button.
  bool ask(const char* message, const char* firstButton, const char* secondButton, QWidget* parent);

 private:
  Prompt& prompt_;
  Beeper& beeper_;
};

}  // namespace ruvela
