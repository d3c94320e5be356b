// The program's two-button questions: a beep, then the question window
// titled with the program's name.
#pragma once

#include <functional>
#include <utility>

#include "app/window_texts.h"
#include "gui/prompt.h"

class QWidget;

namespace ruvela {

// What the question window shows for `question`: the program's name and a
// blank as its title.
PromptTexts QuestionTexts(const texts::Question& question);

class UserQuestions {
 public:
  // `prompt` must outlive the questions; `beep` sounds before each.
  UserQuestions(Prompt& prompt, std::function<void()> beep) : prompt_(prompt), beep_(std::move(beep)) {}

  // True when the user chose the first button, the cautious answer.
  bool ask(const texts::Question& question, QWidget* parent);

 private:
  Prompt& prompt_;
  std::function<void()> beep_;
};

}  // namespace ruvela
