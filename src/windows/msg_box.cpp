#include "windows/msg_box.h"

#include <QFont>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "windows/twips.h"

namespace {


}  // namespace

frmMsgBox::frmMsgBox(const PromptTexts& texts, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint) {
  setObjectName(QStringLiteral("frmMsgBox"));
  setModal(true);
  CreateControls();
  setWindowTitle(texts.title);
  lblMess_->setText(texts.message);
  cmdCancel_->setText(texts.secondButton);
  cmdOK_->setText(texts.firstButton);
}

void frmMsgBox::CreateControls() {
  setFixedSize(Px(4710), Px(1560));

  QFont messageFont(QStringLiteral("MS Sans Serif"));
  messageFont.setPointSizeF(9.75);
  messageFont.setStyleHint(QFont::SansSerif);
  lblMess_ = new QLabel(this);
  lblMess_->setObjectName(QStringLiteral("lblMess"));
  lblMess_->setFont(messageFont);
  lblMess_->setWordWrap(true);
  lblMess_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  lblMess_->setGeometry(Px(240), Px(120), Px(4335), Px(735));

  cmdOK_ = new QPushButton(this);
  cmdOK_->setObjectName(QStringLiteral("cmdOK"));
  cmdOK_->setGeometry(Px(840), Px(1080), Px(1335), Px(375));
  cmdOK_->setDefault(true);

  cmdCancel_ = new QPushButton(this);
  cmdCancel_->setObjectName(QStringLiteral("cmdCancel"));
  cmdCancel_->setGeometry(Px(2520), Px(1080), Px(1335), Px(375));

  setTabOrder(cmdOK_, cmdCancel_);
  cmdOK_->setFocus();
  connect(cmdOK_, &QPushButton::clicked, this, [this] { Answer(true); });
  connect(cmdCancel_, &QPushButton::clicked, this, [this] { Answer(false); });
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
