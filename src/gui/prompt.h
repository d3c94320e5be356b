// The two-button question, behind an interface so that tests can play the
// user's answers.
#pragma once

#include <QString>

class QWidget;

namespace ruvela {

struct PromptTexts {
  QString title;
  QString message;
  QString firstButton;   // the cautious answer
  QString secondButton;  // the answer that gives data up
};

class Prompt {
 public:
  virtual ~Prompt() = default;
  // True when the user chose the first button.
  virtual bool ask(const PromptTexts& texts, QWidget* parent) = 0;
};

}  // namespace ruvela
