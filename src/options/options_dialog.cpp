#include "options/options_dialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/fit_to_text.h"
#include "gui/on_screen.h"
#include "gui/twips.h"
#include "options/option_controls.h"

namespace ruvela {

OptionsDialog::OptionsDialog(const char* objectName, EnterKey enterKey, QWidget* parent)
    : QDialog(parent), enterKey_(enterKey) {
  setObjectName(objectName);
  setModal(true);
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
  KeepOnScreen(this);
  cmdOptOK = new QPushButton("OK", this);
  cmdOptOK->setObjectName("cmdOptOK");
  cmdDefault = new QPushButton("Default", this);
  cmdDefault->setObjectName("cmdDefault");
  for (QPushButton* button : {cmdOptOK, cmdDefault}) button->setAutoDefault(false);
  cmdOptOK->setDefault(enterKey == EnterKey::PressesOk);
  connect(cmdOptOK, &QPushButton::clicked, this, &QDialog::accept);
  connect(cmdDefault, &QPushButton::clicked, this, [this] { restoreDefaults(); });
}

void OptionsDialog::buildControls() {
  createControls();
  layOutControls();
  fitToTexts();
}

QGroupBox* OptionsDialog::newFrame(const char* name, const QString& caption) {
  auto* frame = new QGroupBox(caption, this);
  frame->setObjectName(name);
  return frame;
}

OptionCheckBox* OptionsDialog::newCheckBox(QWidget* frame, const char* name) {
  auto* box = new OptionCheckBox(frame);
  box->setObjectName(name);
  return box;
}

OptionTextBox* OptionsDialog::newTextBox(QWidget* frame, const char* name, std::string (*tidy)(std::string_view text)) {
  auto* box = new OptionTextBox(frame, tidy);
  box->setObjectName(name);
  return box;
}

void OptionsDialog::layOutFrameAndButtons(QGroupBox* frame, QMargins margins, int frameToButtons, int buttonGap) {
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(cmdDefault);
  buttons->addSpacing(buttonGap - buttons->spacing());
  buttons->addWidget(cmdOptOK);

  auto* window = new QVBoxLayout(this);
  window->setContentsMargins(margins);
  window->setSpacing(frameToButtons);
  window->addWidget(frame, 1);
  window->addLayout(buttons);
}

void OptionsDialog::fitButtonsAndWindow(QSize described) {
  for (QPushButton* button : {cmdOptOK, cmdDefault}) FitButton(button, QSize(Px(975), Px(375)));
  FixWindowSize(this, described);
}

void OptionsDialog::keyPressEvent(QKeyEvent* event) {
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (event->key() == Qt::Key_Escape || (enter && enterKey_ == EnterKey::Ignored)) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

}  // namespace ruvela
