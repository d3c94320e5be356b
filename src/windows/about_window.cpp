#include "windows/about_window.h"

#include <cstdlib>

#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/fit_to_text.h"
#include "gui/twips.h"
#include "ruvela/version.h"

namespace ruvela {

namespace {

constexpr const char* kTitlePrefix = "Acerca de --- ";
constexpr const char* kProgramName = "Ruvela";
constexpr const char* kBuildPrefix = "build: ";

QFont ArialFont(double points) { return DescribedFont(QStringLiteral("Arial"), points, QFont::SansSerif); }

}  // namespace

AboutTexts AboutTextsFor(int major, int minor, int revision) {
  QString build = QString::number(std::abs(revision)).rightJustified(4, u'0');
  if (revision < 0) build.prepend(u'-');
  return {QString::fromUtf8(kProgramName), QStringLiteral("%1.%2").arg(major).arg(minor),
          QString::fromUtf8(kBuildPrefix) + build};
}

AboutWindow::AboutWindow(const QString& applicationTitle, const SecondsClock& clock, QWidget* parent)
    : InfoWindow(parent) {
  setObjectName(QStringLiteral("frmAbout"));
  createControls();
  setTitleAndPictures(QString::fromUtf8(kTitlePrefix), applicationTitle, clock);
}

void AboutWindow::createControls() {
  const auto addLine = [this](const char* objectName, double points) {
    auto* line = new QLabel(this);
    line->setObjectName(QLatin1String(objectName));
    line->setFont(ArialFont(points));
    line->setTextFormat(Qt::PlainText);
    line->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    return line;
  };
  lblAppTitle = addLine("lblAppTitle", 14);
  lblVersion = addLine("lblVersion", 12);
  lblBuild = addLine("lblBuild", 9.75);
  createButtonAndPictures(QSize(Px(975), Px(375)), QSize(Px(480), Px(525)), QSize(Px(480), Px(525)));
  layOutControls();
  cmdOK->setFocus();
}

// The three lines centred one below the other; the button between the two
// pictures at the bottom corners.
void AboutWindow::layOutControls() {
  lblAppTitle->setMinimumHeight(qMax(Px(375), TextHeight(lblAppTitle->font())));
  lblVersion->setMinimumHeight(qMax(Px(255), TextHeight(lblVersion->font())));
  lblBuild->setMinimumHeight(qMax(Px(255), TextHeight(lblBuild->font())));

  auto* bottom = new QHBoxLayout;
  bottom->addWidget(picIconGoogleEarth);
  bottom->addStretch();
  bottom->addWidget(cmdOK, 0, Qt::AlignBottom);
  bottom->addStretch();
  bottom->addWidget(picIconMapSource);

  auto* window = new QVBoxLayout(this);
  window->setSpacing(0);
  window->setContentsMargins(Px(120), Px(120), Px(3585 - 3480), Px(2430 - 2325));
  window->addWidget(lblAppTitle);
  window->addSpacing(Px(720 - 495));
  window->addWidget(lblVersion);
  window->addSpacing(Px(1320 - 975));
  window->addWidget(lblBuild);
  window->addSpacing(Px(1800 - 1575));
  window->addStretch();
  window->addLayout(bottom);
  FixWindowSize(this, QSize(Px(3585), Px(2430)));
}

void AboutWindow::showTexts(const AboutTexts& texts) {
  lblAppTitle->setText(texts.appTitle);
  lblVersion->setText(texts.version);
  lblBuild->setText(texts.build);
  FixWindowSize(this, QSize(Px(3585), Px(2430)));
}

void ShowAboutWindow(const QString& applicationTitle, QWidget* parent) {
  AboutWindow about(applicationTitle, SecondsSinceMidnight, parent);
  about.showTexts(AboutTextsFor(ruvela::kVersionMajor, ruvela::kVersionMinor, ruvela::kVersionRevision));
  about.exec();
}

}  // namespace ruvela
