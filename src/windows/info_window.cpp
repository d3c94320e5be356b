#include "windows/info_window.h"

#include <cmath>

#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QPixmap>
#include <QPoint>
#include <QPushButton>
#include <QRect>
#include <QString>
#include <QTime>

#include "gui/fit_to_text.h"
#include "gui/on_screen.h"
#include "gui/pictures.h"

namespace ruvela {

namespace {

constexpr const char* kOkCaption = "&OK";

QLabel* AddPicture(QWidget* parent, const char* objectName, const QSize& size, const QImage& image) {
  auto* picture = new QLabel(parent);
  picture->setObjectName(QLatin1String(objectName));
  picture->setFixedSize(size);
  picture->setPixmap(QPixmap::fromImage(image));
  return picture;
}

}  // namespace

double SecondsSinceMidnight() { return QTime::currentTime().msecsSinceStartOfDay() / 1000.0; }

bool PicturesSwapped(double secondsSinceMidnight) {
  // nearbyint rounds in the current mode, which is to nearest, ties to even.
  const double second = std::nearbyint(secondsSinceMidnight);
  return std::fmod(second, 2.0) != 0.0;
}

InfoWindow::InfoWindow(QWidget* parent) : QDialog(parent) {
  setModal(true);
  KeepOnScreen(this);
}

void InfoWindow::createButtonAndPictures(const QSize& button, const QSize& globe, const QSize& gpsUnit) {
  cmdOK = new QPushButton(QString::fromUtf8(kOkCaption), this);
  cmdOK->setObjectName(QStringLiteral("cmdOK"));
  FitButton(cmdOK, button);
  cmdOK->setDefault(true);  // Enter; Esc closes every dialog
  connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

  picIconGoogleEarth = AddPicture(this, "picIconGoogleEarth", globe, GlobePicture(globe));
  picIconMapSource = AddPicture(this, "picIconMapSource", gpsUnit, GpsUnitPicture(gpsUnit));
}

void InfoWindow::setTitleAndPictures(const QString& titlePrefix, const QString& applicationTitle,
                                     const SecondsClock& clock) {
  setWindowTitle(titlePrefix + applicationTitle);
  cmdOK->setText(QString::fromUtf8(kOkCaption));
  if (PicturesSwapped(clock())) swapPictures();
}

// Each picture takes the other's place in the window's layout.
void InfoWindow::swapPictures() {
  QWidget placeholder;
  layout()->replaceWidget(picIconGoogleEarth, &placeholder);
  layout()->replaceWidget(picIconMapSource, picIconGoogleEarth);
  layout()->replaceWidget(&placeholder, picIconMapSource);
  layout()->activate();
}

// Keys the focused control leaves alone reach the window. A character typed
// at the OK button or at the window closes it; one typed into a text box
// does not, and neither do keys without a character (arrows, Shift) or
// Alt combinations, which are the captions' access keys.
void InfoWindow::keyPressEvent(QKeyEvent* event) {
  const bool character = !event->text().isEmpty() && !(event->modifiers() & (Qt::AltModifier | Qt::MetaModifier));
  const QWidget* focus = focusWidget();
  const bool atButtonOrWindow = focus == nullptr || focus == this || focus == cmdOK;
  if (character && atButtonOrWindow) {
    accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

}  // namespace ruvela
