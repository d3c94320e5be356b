#include "windows/help_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/fit_to_text.h"
#include "gui/twips.h"
#include "ruvela/version.h"
#include "windows/help_text.h"

namespace ruvela {

namespace {

constexpr const char* kTitlePrefix = "Ayuda (?) del --- ";

}  // namespace

HelpWindow::HelpWindow(const QString& applicationTitle, const SecondsClock& clock, QWidget* parent)
    : InfoWindow(parent) {
  setObjectName(QStringLiteral("frmHelp"));
  createTextBox();
  createButtonAndPictures(QSize(Px(975), Px(375)), QSize(Px(480), Px(525)), QSize(Px(480), Px(525)));
  layOutControls();
  setTabOrder(txtAbout, cmdOK);
  txtAbout->setFocus();
  setTitleAndPictures(QString::fromUtf8(kTitlePrefix), applicationTitle, clock);
}

void HelpWindow::createTextBox() {
  txtAbout = new QPlainTextEdit(this);
  txtAbout->setObjectName(QStringLiteral("txtAbout"));
  txtAbout->setReadOnly(true);
  txtAbout->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  txtAbout->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  // The box breaks its lines itself; a CR left in would show.
  txtAbout->setPlainText(HelpText(ruvela::kVersionMajor, ruvela::kVersionMinor).replace(u'\r', QString()));
  txtAbout->setMinimumSize(Px(4455), Px(2295));
}

// The text at the left; at the right the two pictures one above the other
// and the button below them.
void HelpWindow::layOutControls() {
  auto* side = new QVBoxLayout;
  side->setSpacing(0);
  side->addSpacing(Px(360 - 120));
  side->addWidget(picIconMapSource, 0, Qt::AlignHCenter);
  side->addSpacing(Px(1080 - 885));
  side->addWidget(picIconGoogleEarth, 0, Qt::AlignHCenter);
  side->addStretch();
  side->addWidget(cmdOK);
  side->addSpacing(Px(2415 - 2295));

  auto* window = new QHBoxLayout(this);
  window->setSpacing(Px(4800 - 4575));
  window->setContentsMargins(Px(120), Px(120), Px(5865 - 5775), Px(2520 - 2415));
  window->addWidget(txtAbout, 1);
  window->addLayout(side);
  FixWindowSize(this, QSize(Px(5865), Px(2520)));
}

void ShowHelpWindow(const QString& applicationTitle, QWidget* parent) {
  HelpWindow help(applicationTitle, SecondsSinceMidnight, parent);
  help.exec();
}

}  // namespace ruvela
