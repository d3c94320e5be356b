#include "app/user_questions.h"

namespace ruvela {

PromptTexts QuestionTexts(const texts::Question& question) {
  return {QString::fromUtf8(texts::kAppTitle) + u' ', QString::fromUtf8(question.message),
          QString::fromUtf8(question.firstButton), QString::fromUtf8(question.secondButton)};
}

bool UserQuestions::ask(const texts::Question& question, QWidget* parent) {
  beep_();
  return prompt_.ask(QuestionTexts(question), parent);
}

}  // namespace ruvela
