// QuestionWindow: the program's only question window, a message and two buttons
// whose captions the caller chooses.
#pragma once

#include <QDialog>

#include "gui/prompt.h"

class QLabel;
class QPushButton;

namespace ruvela {

class QuestionWindow final : public QDialog {
  Q_OBJECT

 public:
  QuestionWindow(const PromptTexts& texts, QWidget* parent = nullptr);

  // The answer once the window has closed: true for the first button. Esc
  // answers with the second button; closing the window any other way counts
  // as the first, cautious one, so no answer depends on an earlier question.
  bool firstButtonChosen() const { return firstButtonChosen_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void reject() override;

 private:
  void createControls();
  void fitToTexts();
  void answer(bool firstButton);

  QLabel* lblMess = nullptr;
  QPushButton* cmdOK = nullptr;
  QPushButton* cmdCancel = nullptr;
  bool firstButtonChosen_ = true;
};

}  // namespace ruvela
