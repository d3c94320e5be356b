#include "options/option_controls.h"

#include <QFocusEvent>
#include <QTimer>

namespace ruvela {

OptionCheckBox::OptionCheckBox(QWidget* parent) : QCheckBox(parent) {}

ruvela::CheckState OptionCheckBox::state() const {
  switch (checkState()) {
    case Qt::Checked:
      return ruvela::CheckState::Checked;
    case Qt::PartiallyChecked:
      return ruvela::CheckState::Grayed;
    case Qt::Unchecked:
      break;
  }
  return ruvela::CheckState::Unchecked;
}

void OptionCheckBox::setState(ruvela::CheckState state) {
  switch (state) {
    case ruvela::CheckState::Checked:
      setCheckState(Qt::Checked);
      break;
    case ruvela::CheckState::Grayed:
      setCheckState(Qt::PartiallyChecked);
      break;
    case ruvela::CheckState::Unchecked:
      setCheckState(Qt::Unchecked);
      break;
  }
}

void OptionCheckBox::nextCheckState() {
  setCheckState(checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
  setTristate(false);
}

void SetOptionSelected(QRadioButton* button, bool selected) {
  if (selected || !button->isChecked()) {
    button->setChecked(selected);
    return;
  }
  // An exclusive group keeps its selected button; stepping out of the group
  // for a moment lets "no option selected" be shown as stored.
  button->setAutoExclusive(false);
  button->setChecked(false);
  button->setAutoExclusive(true);
}

OptionTextBox::OptionTextBox(QWidget* parent, Tidy tidy) : QLineEdit(parent), tidy_(tidy) {}

void OptionTextBox::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  // A mouse press would place the cursor after this; select once it is done.
  QTimer::singleShot(0, this, [this] { selectAll(); });
}

void OptionTextBox::focusOutEvent(QFocusEvent* event) {
  const bool toAnotherControl =
      event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason;
  if (toAnotherControl && tidy_ != nullptr) setText(QText(tidy_(StdText(text()))));
  QLineEdit::focusOutEvent(event);
}

}  // namespace ruvela
