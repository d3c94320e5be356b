// The controls both option dialogs are made of: check boxes with a third,
// grayed state that only a stored value can set, option buttons of one group
// that may all be clear, and text boxes that select their text when entered
// and tidy it when left.
#pragma once

#include <string>
#include <string_view>

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>

#include "option_values/check_state.h"

namespace ruvela {

// A check box holding 0 (unchecked), 1 (checked) or 2 (grayed). The user's
// click toggles between checked and unchecked; a grayed box becomes checked.
class OptionCheckBox final : public QCheckBox {
  Q_OBJECT

 public:
  explicit OptionCheckBox(QWidget* parent);
  ruvela::CheckState state() const;
  void setState(ruvela::CheckState state);

 protected:
  void nextCheckState() override;
};

// Texts cross between the option records (UTF-8) and the controls.
inline QString QText(const std::string& text) { return QString::fromStdString(text); }
inline std::string StdText(const QString& text) { return text.toStdString(); }

// Selects `button` or clears it, even when it is the group's selected one.
void SetOptionSelected(QRadioButton* button, bool selected);

// A text box that selects its whole text when the focus enters it, so that
// typing replaces it, and passes its text through `tidy` (the rule its
// stored value follows) when the focus leaves it for another control of
// the same window.
class OptionTextBox final : public QLineEdit {
  Q_OBJECT

 public:
  using Tidy = std::string (*)(std::string_view text);

  OptionTextBox(QWidget* parent, Tidy tidy);

 protected:
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  Tidy tidy_;
};

}  // namespace ruvela
