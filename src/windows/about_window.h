// AboutWindow: the program's name, version and build number.
#pragma once

#include <QString>

#include "windows/info_window.h"

class QLabel;

namespace ruvela {

struct AboutTexts {
  QString appTitle;  // "Ruvela"
  QString version;   // major.minor: "4.0"
  QString build;     // "build: " and the revision in at least four digits: "build: 0021"
};

AboutTexts AboutTextsFor(int major, int minor, int revision);

class AboutWindow final : public InfoWindow {
  Q_OBJECT

 public:
  // `applicationTitle` completes the window title.
  explicit AboutWindow(const QString& applicationTitle, const SecondsClock& clock = SecondsSinceMidnight,
                       QWidget* parent = nullptr);

  void showTexts(const AboutTexts& texts);

 private:
  void createControls();
  void layOutControls();

  QLabel* lblAppTitle = nullptr;
  QLabel* lblVersion = nullptr;
  QLabel* lblBuild = nullptr;
};

// Opens the About window on this build's version; returns once it is closed.
void ShowAboutWindow(const QString& applicationTitle, QWidget* parent);

}  // namespace ruvela
