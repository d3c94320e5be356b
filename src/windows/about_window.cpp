#include "windows/about_window.h"

#include <cstdlib>

#include <QFont>
#include <QLabel>
#include <QPushButton>

#include "ruvela/version.h"
#include "windows/twips.h"

namespace {

constexpr const char* kTitlePrefix = "Acerca de --- ";
constexpr const char* kProgramName = "Ruvela";
constexpr const char* kBuildPrefix = "build: ";

QFont ArialFont(double points) {
  QFont font(QStringLiteral("Arial"));
  font.setPointSizeF(points);
  font.setStyleHint(QFont::SansSerif);
  return font;
}

}  // namespace

AboutTexts AboutTextsFor(int major, int minor, int revision) {
  QString build = QString::number(std::abs(revision)).rightJustified(4, u'0');
  if (revision < 0) build.prepend(u'-');
  return {QString::fromUtf8(kProgramName), QStringLiteral("%1.%2").arg(major).arg(minor),
          QString::fromUtf8(kBuildPrefix) + build};
}

frmAbout::frmAbout(const QString& applicationTitle, const SecondsClock& clock, QWidget* parent)
    : InfoWindow(parent) {
  setObjectName(QStringLiteral("frmAbout"));
  CreateControls();
  Form_Load(QString::fromUtf8(kTitlePrefix), applicationTitle, clock);
}

void frmAbout::CreateControls() {
  setFixedSize(Px(3585), Px(2430));
  const auto addLine = [this](const char* objectName, double points, const QRect& place) {
    auto* line = new QLabel(this);
    line->setObjectName(QLatin1String(objectName));
    line->setFont(ArialFont(points));
    line->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    line->setGeometry(place);
    return line;
  };
  lblAppTitle = addLine("lblAppTitle", 14, TwipsRect(135, 120, 3255, 375));
  lblVersion = addLine("lblVersion", 12, TwipsRect(255, 720, 3015, 255));
  lblBuild = addLine("lblBuild", 9.75, TwipsRect(255, 1320, 3015, 255));
  CreateButtonAndPictures(TwipsRect(1275, 1920, 975, 375), TwipsRect(120, 1800, 480, 525),
                          TwipsRect(3000, 1800, 480, 525));
  cmdOK->setFocus();
}

void frmAbout::ShowTexts(const AboutTexts& texts) {
  lblAppTitle->setText(texts.appTitle);
  lblVersion->setText(texts.version);
  lblBuild->setText(texts.build);
}

void ShowAboutWindow(const QString& applicationTitle, QWidget* parent) {
  frmAbout about(applicationTitle, SecondsSinceMidnight, parent);
  about.ShowTexts(AboutTextsFor(ruvela::kVersionMajor, ruvela::kVersionMinor, ruvela::kVersionRevision));
  about.exec();
}
