// What the About and Help windows share: an OK button that Enter and Esc
// press, closing on any character typed at that button or at the window
// itself, and the two pictures, which trade places when the window opens in
// an odd second.
#pragma once

#include <functional>

#include <QDialog>

class QKeyEvent;
class QLabel;
class QPushButton;
class QSize;
class QString;

namespace ruvela {

// Seconds since midnight; windows take it as a function so that tests can
// choose the second.
using SecondsClock = std::function<double()>;
double SecondsSinceMidnight();

// The pictures trade places when the second, rounded to a whole number
// (ties to even), is odd.
bool PicturesSwapped(double secondsSinceMidnight);

class InfoWindow : public QDialog {
  Q_OBJECT

 protected:
  explicit InfoWindow(QWidget* parent);

  // The button and the two pictures, of these sizes in pixels (the button
  // larger where its caption needs); the window's layout places them.
  void createButtonAndPictures(const QSize& button, const QSize& globe, const QSize& gpsUnit);
  // Title, button caption, and the pictures' places by the clock; the
  // window's layout is in place by then.
  void setTitleAndPictures(const QString& titlePrefix, const QString& applicationTitle, const SecondsClock& clock);

  void keyPressEvent(QKeyEvent* event) override;

  QPushButton* cmdOK = nullptr;
  QLabel* picIconGoogleEarth = nullptr;  // the globe
  QLabel* picIconMapSource = nullptr;    // the handheld GPS unit

 private:
  void swapPictures();
};

}  // namespace ruvela
