// The About and Help windows: the version texts, the pictures trading places
// by the second at which a window opens, the keys that close them, and the
// help text's frame.
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "ruvela/version.h"
#include "windows/about_window.h"
#include "windows/help_text.h"
#include "windows/help_window.h"

using namespace ruvela;

namespace {

const QString kAppTitle = QStringLiteral("Zuvodirod ORE <-> DOV");

SecondsClock At(double seconds) {
  return [seconds] { return seconds; };
}

QPoint PicturePlace(const QWidget& window, const char* name) {
  return window.findChild<QLabel*>(QLatin1String(name))->pos();
}

QString LabelText(const QWidget& window, const char* name) {
  return window.findChild<QLabel*>(QLatin1String(name))->text();
}

// Types at whatever has the focus, as the user would.
void Type(QWidget& window, const QString& key) {
  QWidget* target = window.focusWidget() != nullptr ? window.focusWidget() : &window;
  if (key == u"Enter") QTest::keyClick(target, Qt::Key_Return);
  else if (key == u"Esc") QTest::keyClick(target, Qt::Key_Escape);
  else if (key == u"Space") QTest::keyClick(target, Qt::Key_Space);
  else if (key == u"Shift") QTest::keyClick(target, Qt::Key_Shift);
  else if (key == u"Left") QTest::keyClick(target, Qt::Key_Left);
  else if (key == u"Alt+x") QTest::keyClick(target, Qt::Key_X, Qt::AltModifier);
  else if (key == u"Tab") QTest::keyClick(target, Qt::Key_Tab);
  else QTest::keyClicks(target, key);
}

}  // namespace

class AboutHelpTest : public QObject {
  Q_OBJECT

 private slots:
  void aboutTexts_data();
  void aboutTexts();
  void aboutWindowShowsTexts();
  void picturesTradePlaces_data();
  void picturesTradePlaces();
  void keysThatClose_data();
  void keysThatClose();
  void helpText_data();
  void helpText();
  void helpWindow();
};

void AboutHelpTest::aboutTexts_data() {
  QTest::addColumn<int>("major");
  QTest::addColumn<int>("minor");
  QTest::addColumn<int>("revision");
  QTest::addColumn<QString>("version");
  QTest::addColumn<QString>("build");

  // clang-format off
  QTest::newRow("this version") << 4 << 0 << 21 << "4.0" << "build: 0021";
  QTest::newRow("five-digit revision") << 4 << 0 << 12345 << "4.0" << "build: 12345";
  QTest::newRow("revision 0") << 4 << 0 << 0 << "4.0" << "build: 0000";
  QTest::newRow("four digits exactly") << 4 << 0 << 1000 << "4.0" << "build: 1000";
  QTest::newRow("two-digit numbers") << 10 << 12 << 7 << "10.12" << "build: 0007";
  // clang-format on
}

void AboutHelpTest::aboutTexts() {
  QFETCH(int, major);
  QFETCH(int, minor);
  QFETCH(int, revision);
  QFETCH(QString, version);
  QFETCH(QString, build);

  const AboutTexts texts = AboutTextsFor(major, minor, revision);
  QCOMPARE(texts.appTitle, QStringLiteral("Ruvela"));
  QCOMPARE(texts.version, version);
  QCOMPARE(texts.build, build);
}

void AboutHelpTest::aboutWindowShowsTexts() {
  AboutWindow about(kAppTitle, At(0));
  about.showTexts(AboutTextsFor(4, 0, 21));
  about.show();
  QCOMPARE(about.windowTitle(), QStringLiteral("Acerca de --- Zuvodirod ORE <-> DOV"));
  QCOMPARE(LabelText(about, "lblAppTitle"), QStringLiteral("Ruvela"));
  QCOMPARE(LabelText(about, "lblVersion"), QStringLiteral("4.0"));
  QCOMPARE(LabelText(about, "lblBuild"), QStringLiteral("build: 0021"));
  auto* ok = about.findChild<QPushButton*>(QStringLiteral("cmdOK"));
  QCOMPARE(ok->text(), QStringLiteral("&OK"));
  QVERIFY(ok->isDefault());
  QVERIFY(about.width() >= 239 && about.height() >= 162);  // 3585 x 2430 twips, or as the texts need
  QVERIFY(about.isModal());
}

void AboutHelpTest::picturesTradePlaces_data() {
  QTest::addColumn<double>("seconds");
  QTest::addColumn<bool>("swapped");

  // clang-format off
  QTest::newRow("midnight") << 0.0 << false;
  QTest::newRow("second 1") << 1.0 << true;
  QTest::newRow("1.4 rounds to 1") << 1.4 << true;
  QTest::newRow("1.5 rounds to even 2") << 1.5 << false;
  QTest::newRow("2.5 rounds to even 2") << 2.5 << false;
  QTest::newRow("0.5 rounds to even 0") << 0.5 << false;
  QTest::newRow("4.6 rounds to 5") << 4.6 << true;
  QTest::newRow("last second of the day") << 86399.0 << true;
  QTest::newRow("second 43200") << 43200.0 << false;
  // clang-format on
}

void AboutHelpTest::picturesTradePlaces() {
  QFETCH(double, seconds);
  QFETCH(bool, swapped);

  QCOMPARE(PicturesSwapped(seconds), swapped);

  // About: the two bottom corners; Help: the upper and the lower picture.
  AboutWindow about(kAppTitle, At(seconds));
  const int aboutBottom = about.height() - 7 - 35;
  const QPoint aboutLeft(8, aboutBottom);
  const QPoint aboutRight(about.width() - 7 - 32, aboutBottom);
  QCOMPARE(PicturePlace(about, "picIconGoogleEarth"), swapped ? aboutRight : aboutLeft);
  QCOMPARE(PicturePlace(about, "picIconMapSource"), swapped ? aboutLeft : aboutRight);

  HelpWindow help(kAppTitle, At(seconds));
  const int helpColumn = help.width() - 6 - 65 + (65 - 32) / 2;
  const QPoint helpUpper(helpColumn, 24);
  const QPoint helpLower(helpColumn, 72);
  QCOMPARE(PicturePlace(help, "picIconGoogleEarth"), swapped ? helpUpper : helpLower);
  QCOMPARE(PicturePlace(help, "picIconMapSource"), swapped ? helpLower : helpUpper);
}

void AboutHelpTest::keysThatClose_data() {
  QTest::addColumn<QString>("window");
  QTest::addColumn<QStringList>("keys");
  QTest::addColumn<bool>("closes");

  // clang-format off
  QTest::newRow("About: a letter") << "about" << QStringList{"a"} << true;
  QTest::newRow("About: a digit") << "about" << QStringList{"7"} << true;
  QTest::newRow("About: Space presses OK") << "about" << QStringList{"Space"} << true;
  QTest::newRow("About: Enter") << "about" << QStringList{"Enter"} << true;
  QTest::newRow("About: Esc") << "about" << QStringList{"Esc"} << true;
  QTest::newRow("About: Shift alone") << "about" << QStringList{"Shift"} << false;
  QTest::newRow("About: an arrow") << "about" << QStringList{"Left"} << false;
  QTest::newRow("About: Alt and a letter") << "about" << QStringList{"Alt+x"} << false;
  QTest::newRow("Help: a letter in the text") << "help" << QStringList{"a"} << false;
  QTest::newRow("Help: Enter in the text") << "help" << QStringList{"Enter"} << true;
  QTest::newRow("Help: Esc in the text") << "help" << QStringList{"Esc"} << true;
  QTest::newRow("Help: a letter at the button") << "help" << QStringList{"Tab", "a"} << true;
  // clang-format on
}

void AboutHelpTest::keysThatClose() {
  QFETCH(QString, window);
  QFETCH(QStringList, keys);
  QFETCH(bool, closes);

  AboutWindow about(kAppTitle, At(0));
  HelpWindow help(kAppTitle, At(0));
  QDialog& shown = window == u"about" ? static_cast<QDialog&>(about) : static_cast<QDialog&>(help);
  shown.show();
  QVERIFY(QTest::qWaitForWindowActive(&shown));
  for (const QString& key : keys) Type(shown, key);
  QCOMPARE(!shown.isVisible(), closes);
}

void AboutHelpTest::helpText_data() {
  QTest::addColumn<int>("major");
  QTest::addColumn<int>("minor");
  QTest::addColumn<QString>("opening");
  // clang-format off
  QTest::newRow("4.0") << 4 << 0 << "(English... look at the end of this text)\r\nV4.0\r\n\r\n";
  QTest::newRow("5.12") << 5 << 12 << "(English... look at the end of this text)\r\nV5.12\r\n\r\n";
  // clang-format on
}

void AboutHelpTest::helpText() {
  QFETCH(int, major);
  QFETCH(int, minor);
  QFETCH(QString, opening);

  const QString text = HelpText(major, minor);
  QVERIFY(text.startsWith(opening));
  QVERIFY(text.endsWith(QStringLiteral("\r\n")));
  // Every line break is CR LF.
  QCOMPARE(text.count(u'\n'), text.count(QStringLiteral("\r\n")));
  QCOMPARE(text.count(u'\r'), text.count(QStringLiteral("\r\n")));
  // The English part follows a line of 25 hyphens.
  const qsizetype rule = text.indexOf(QStringLiteral("\r\n-------------------------\r\nThis program"));
  QVERIFY(rule > 0);
  QVERIFY(!text.contains(QStringLiteral("--------------------------")));
}

void AboutHelpTest::helpWindow() {
  HelpWindow help(kAppTitle, At(0));
  help.show();
  QCOMPARE(help.windowTitle(), QStringLiteral("Ayuda (?) del --- Zuvodirod ORE <-> DOV"));
  QVERIFY(help.width() >= 391 && help.height() >= 168);  // 5865 x 2520 twips, or as the texts need
  auto* text = help.findChild<QPlainTextEdit*>(QStringLiteral("txtAbout"));
  QVERIFY(text->isReadOnly());
  QCOMPARE(help.focusWidget(), text);
  QCOMPARE(text->toPlainText(), HelpText(ruvela::kVersionMajor, ruvela::kVersionMinor).remove(u'\r'));
  QVERIFY(help.findChild<QPushButton*>(QStringLiteral("cmdOK"))->isDefault());
}

QTEST_MAIN(AboutHelpTest)
#include "about_help_test.moc"
