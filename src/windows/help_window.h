// HelpWindow: a fixed text on what the program does and how to use it.
#pragma once

#include <QString>

#include "windows/info_window.h"

class QPlainTextEdit;

namespace ruvela {

class HelpWindow final : public InfoWindow {
  Q_OBJECT

 public:
  // `applicationTitle` completes the window title.
  explicit HelpWindow(const QString& applicationTitle, const SecondsClock& clock = SecondsSinceMidnight,
                      QWidget* parent = nullptr);

 private:
  void createTextBox();
  void layOutControls();

  QPlainTextEdit* txtAbout = nullptr;
};

// Opens the Help window; returns once it is closed.
void ShowHelpWindow(const QString& applicationTitle, QWidget* parent);

}  // namespace ruvela
