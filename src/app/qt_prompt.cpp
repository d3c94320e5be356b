#include "app/qt_prompt.h"

#include "windows/question_window.h"

namespace ruvela {

bool QtPrompt::ask(const PromptTexts& texts, QWidget* parent) {
  // A fresh window for every question, so it never shows an earlier text.
  QuestionWindow box(texts, parent);
  box.exec();
  return box.firstButtonChosen();
}

}  // namespace ruvela
