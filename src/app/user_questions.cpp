#include "app/user_questions.h"

#include "app/window_texts.h"

namespace ruvela {

bool UserQuestions::ask(const char* message, const char* firstButton, const char* secondButton, QWidget* parent) {
  beeper_.beep();
  // Every question has the same title: the program's, and a blank.
  const PromptTexts texts{QString::fromUtf8(texts::kAppTitle) + u' ', QString::fromUtf8(message),
                          QString::fromUtf8(firstButton), QString::fromUtf8(secondButton)};
  return prompt_.ask(texts, parent);
}

}  // namespace ruvela
