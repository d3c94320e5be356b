#include "windows/question_window.h"

#include <QFont>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/fit_to_text.h"
#include "gui/on_screen.h"
#include "gui/twips.h"

namespace ruvela {

QuestionWindow::QuestionWindow(const PromptTexts& texts, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::CustomizeWindowHint) {
  setObjectName(QStringLiteral("frmMsgBox"));
  setModal(true);
  KeepOnScreen(this);
  createControls();
  setWindowTitle(texts.title);
  lblMess->setText(texts.message);
  cmdCancel->setText(texts.secondButton);
  cmdOK->setText(texts.firstButton);
  fitToTexts();
}

void QuestionWindow::createControls() {
  lblMess = new QLabel(this);
  lblMess->setObjectName(QStringLiteral("lblMess"));
  lblMess->setFont(DescribedFont(QStringLiteral("MS Sans Serif"), 9.75, QFont::SansSerif));
  lblMess->setTextFormat(Qt::PlainText);
  lblMess->setWordWrap(true);
  lblMess->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  cmdOK = new QPushButton(this);
  cmdOK->setObjectName(QStringLiteral("cmdOK"));
  cmdOK->setDefault(true);

  cmdCancel = new QPushButton(this);
  cmdCancel->setObjectName(QStringLiteral("cmdCancel"));

  setTabOrder(cmdOK, cmdCancel);
  cmdOK->setFocus();
  connect(cmdOK, &QPushButton::clicked, this, [this] { answer(true); });
  connect(cmdCancel, &QPushButton::clicked, this, [this] { answer(false); });
}

// The message above, wrapped within its width; the two buttons below it,
// where described, as wide as their captions need.
void QuestionWindow::fitToTexts() {
  lblMess->setMinimumSize(Px(4335), Px(735));
  for (QPushButton* button : {cmdOK, cmdCancel}) FitButton(button, QSize(Px(1335), Px(375)));

  auto* buttons = new QHBoxLayout;
  buttons->setSpacing(0);
  buttons->addSpacing(Px(840 - 240));
  buttons->addWidget(cmdOK);
  buttons->addSpacing(Px(2520 - 2175));
  buttons->addWidget(cmdCancel);
  buttons->addStretch();

  auto* window = new QVBoxLayout(this);
  window->setContentsMargins(Px(240), Px(120), Px(4710 - 4575), Px(1560 - 1455));
  window->setSpacing(Px(1080 - 855));
  window->addWidget(lblMess, 1);
  window->addLayout(buttons);
  FixWindowSize(this, QSize(Px(4710), Px(1560)));
}

void QuestionWindow::keyPressEvent(QKeyEvent* event) {
  // Esc is the second button, as if it had been pressed.
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    cmdCancel->click();
    return;
  }
  QDialog::keyPressEvent(event);
}

void QuestionWindow::reject() {
  // Reached only by the window's close command: Esc is handled above.
  answer(true);
}

void QuestionWindow::answer(bool firstButton) {
  firstButtonChosen_ = firstButton;
  done(firstButton ? QDialog::Accepted : QDialog::Rejected);
}

}  // namespace ruvela
