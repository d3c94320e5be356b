// What the two option dialogs share: a fixed modal frame with a framed group
// of controls above OK and Default at the bottom right, the controls that
// hold option values, and keys that never close it by themselves (Enter
// presses OK only where the dialog asks for it).
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include <QDialog>
#include <QMargins>
#include <QSize>
#include <QString>

class QGroupBox;
class QKeyEvent;
class QPushButton;

namespace ruvela {

class OptionCheckBox;
class OptionTextBox;

class OptionsDialog : public QDialog {
  Q_OBJECT

 protected:
  enum class EnterKey { Ignored, PressesOk };

  OptionsDialog(const char* objectName, EnterKey enterKey, QWidget* parent);

  // Controls of the frame, under their object names.
  QGroupBox* newFrame(const char* name, const QString& caption);
  OptionCheckBox* newCheckBox(QWidget* frame, const char* name);
  OptionTextBox* newTextBox(QWidget* frame, const char* name, std::string (*tidy)(std::string_view text));

  // The frame above the buttons, Default before OK at the right; `margins`
  // around both, `frameToButtons` and `buttonGap` between them, in pixels.
  void layOutFrameAndButtons(QGroupBox* frame, QMargins margins, int frameToButtons, int buttonGap);
  // Both buttons as large as described, or as their captions need, and the
  // dialog as large as that takes (`described` in pixels).
  void fitButtonsAndWindow(QSize described);

  // Makes the dialog's controls, lays them out and fits them to their texts.
  // Each dialog's constructor calls it once, as its members exist only then.
  void buildControls();
  virtual void createControls() = 0;
  virtual void layOutControls() = 0;
  virtual void fitToTexts() = 0;

  // The Default button: the defaults go into the controls only.
  virtual void restoreDefaults() = 0;

  void keyPressEvent(QKeyEvent* event) override;

  QPushButton* cmdOptOK = nullptr;
  QPushButton* cmdDefault = nullptr;

 private:
  EnterKey enterKey_;
};

// An options dialog for the record `Options`: it edits a copy of the
// caller's values and hands it back only when the user presses OK.
template <class Options>
class OptionsDialogFor : public OptionsDialog {
 public:
  // Shows the dialog modally on `current`; the values as the user left them
  // on OK, none when the dialog was closed another way. Controls that still
  // hold `current` are left alone, so they keep their focus and selection
  // from one opening to the next.
  std::optional<Options> edit(const Options& current) {
    if (values() != current) setValues(current);
    if (exec() != QDialog::Accepted) return std::nullopt;
    return values();
  }

  // The values as the controls hold them now, and new values for them.
  virtual Options values() const = 0;
  virtual void setValues(const Options& values) = 0;

 protected:
  OptionsDialogFor(const char* objectName, EnterKey enterKey, QWidget* parent)
      : OptionsDialog(objectName, enterKey, parent) {}

  void restoreDefaults() final { setValues(Options{}); }
};

}  // namespace ruvela
