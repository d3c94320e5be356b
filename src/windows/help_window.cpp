#include "windows/help_window.h"

#include <QPlainTextEdit>
#include <QPushButton>

#include "ruvela/version.h"
#include "windows/help_text.h"
#include "windows/twips.h"

namespace {

constexpr const char* kTitlePrefix = "Ayuda (?) del --- ";

}  // namespace

frmHelp::frmHelp(const QString& applicationTitle, const SecondsClock& clock, QWidget* parent)
    : InfoWindow(parent) {
  setObjectName(QStringLiteral("frmHelp"));
  CreateControls();
  Form_Load(QString::fromUtf8(kTitlePrefix), applicationTitle, clock);
}

void frmHelp::CreateControls() {
  setFixedSize(Px(5865), Px(2520));
  txtAbout = new QPlainTextEdit(this);
  txtAbout->setObjectName(QStringLiteral("txtAbout"));
  txtAbout->setGeometry(TwipsRect(120, 120, 4455, 2295));
  txtAbout->setReadOnly(true);
  txtAbout->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  txtAbout->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  // The box breaks its lines itself; a CR left in would show.
  txtAbout->setPlainText(HelpText(ruvela::kVersionMajor, ruvela::kVersionMinor).replace(u'\r', QString()));

  CreateButtonAndPictures(TwipsRect(4800, 1920, 975, 375), TwipsRect(5040, 1080, 480, 525),
                          TwipsRect(5040, 360, 480, 525));
  setTabOrder(txtAbout, cmdOK);
  txtAbout->setFocus();
}

void ShowHelpWindow(const QString& applicationTitle, QWidget* parent) {
  frmHelp help(applicationTitle, SecondsSinceMidnight, parent);
  help.exec();
}
