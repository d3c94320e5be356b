#include "windows/msg_box.h"

#include <QFont>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/fit_to_text.h"
#include "gui/twips.h"

namespace ruvela {

frmMsgBox::frmMsgBox(const PromptTexts& texts, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::CustomizeWindowHint) {
  setObjectName(QStringLiteral("frmMsgBox"));
  setModal(true);
  CreateControls();
  setWindowTitle(texts.title);
  lblMess_->setText(texts.message);
  cmdCancel_->setText(texts.secondButton);
  cmdOK_->setText(texts.firstButton);
  FitToTexts();
}

void frmMsgBox::CreateControls() {
  lblMess_ = new QLabel(this);
  lblMess_->setObjectName(QStringLiteral("lblMess"));
  lblMess_->setFont(DescribedFont(QStringLiteral("MS Sans Serif"), 9.75, QFont::SansSerif));
  lblMess_->setTextFormat(Qt::PlainText);
  lblMess_->setWordWrap(true);
  lblMess_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  cmdOK_ = new QPushButton(this);
  cmdOK_->setObjectName(QStringLiteral("cmdOK"));
  cmdOK_->setDefault(true);

  cmdCancel_ = new QPushButton(this);
  cmdCancel_->setObjectName(QStringLiteral("cmdCancel"));

  setTabOrder(cmdOK_, cmdCancel_);
  cmdOK_->setFocus();
  connect(cmdOK_, &QPushButton::clicked, this, [this] { Answer(true); });
  connect(cmdCancel_, &QPushButton::clicked, this, [this] { Answer(false); });
}

// The message above, wrapped within its width; the two buttons below it,
// where described, as wide as their captions need.
void frmMsgBox::FitToTexts() {
  lblMess_->setMinimumSize(Px(4335), Px(735));
  for (QPushButton* button : {cmdOK_, cmdCancel_}) FitButton(button, QSize(Px(1335), Px(375)));

  auto* buttons = new QHBoxLayout;
  buttons->setSpacing(0);
  buttons->addSpacing(Px(840 - 240));
  buttons->addWidget(cmdOK_);
  buttons->addSpacing(Px(2520 - 2175));
  buttons->addWidget(cmdCancel_);
  buttons->addStretch();

  auto* window = new QVBoxLayout(this);
  window->setContentsMargins(Px(240), Px(120), Px(4710 - 4575), Px(1560 - 1455));
  window->setSpacing(Px(1080 - 855));
  window->addWidget(lblMess_, 1);
  window->addLayout(buttons);
  FixWindowSize(this, QSize(Px(4710), Px(1560)));
}

void frmMsgBox::keyPressEvent(QKeyEvent* event) {
  // Esc is the second button, as if it had been pressed.
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    cmdCancel_->click();
    return;
  }
  QDialog::keyPressEvent(event);
}

void frmMsgBox::reject() {
  // Reached only by the window's close command: Esc is handled above.
  Answer(true);
}

void frmMsgBox::Answer(bool firstButton) {
  firstButtonChosen_ = firstButton;
  done(firstButton ? QDialog::Accepted : QDialog::Rejected);
}

}  // namespace ruvela
