// The main window as it opens: size and place, captions, menus, fonts, the
// tab order, and which button Enter and Esc press.
#include <QAction>
#include <QApplication>
#include <QFontMetrics>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "sample_files.h"
#include "scripted_services.h"

using namespace ruvela;

class MainWindowLayoutTest : public QObject {
  Q_OBJECT

 private slots:
  void windowIsFixedAtItsPlace();
  void startUpEnablesHelpNotFolders();
  void linesUseFixedPitchFont();
  void buttonsTabInDescribedOrder();
  void keyRules_data();
  void keyRules();
};

void MainWindowLayoutTest::windowIsFixedAtItsPlace() {
  QTemporaryDir directory;
  ScriptedWindow w(directory.path());
  w.window().startUp({});
  QCOMPARE(w.window().windowTitle(), QStringLiteral("Zuvodirod ORE <-> DOV"));
  QCOMPARE(w.window().minimumSize(), w.window().maximumSize());
  QCOMPARE(w.window().pos(), QPoint(194, 142));
  // 10590 x 2745 twips, or larger where the fonts need it; the buttons at
  // the bottom right, the lines as wide as described or wider.
  const QSize client = w.window().centralWidget()->size();
  QVERIFY(client.width() >= 706 && client.height() >= 183);
  const QRect open = w.Button("cmdOpen")->geometry();
  QCOMPARE(open.right(), client.width() - 10);
  QCOMPARE(open.bottom(), client.height() - 7);
  QVERIFY(open.width() >= 105 && open.height() >= 25);
  QVERIFY(w.window().findChild<QLabel*>(QStringLiteral("lblSTAT"))->width() >= 673);
}

// At start-up Help works; there are no folders to view until a KML file
// with folders has been converted.
void MainWindowLayoutTest::startUpEnablesHelpNotFolders() {
  QTemporaryDir directory;
  ScriptedWindow w(directory.path());
  w.window().startUp({});
  QVERIFY(!w.Action("mnuFolders")->isEnabled());
  QVERIFY(w.Action("mnuHelpH")->isEnabled());
  QVERIFY(w.Action("mnuAbout")->isEnabled());
  QVERIFY(w.Action("mnuExit")->isEnabled());
  QCOMPARE(w.Action("mnuExit")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
}

// The colons of the count and status lines stand one below the other, in
// whichever fixed-pitch font stands in for the one asked for.
void MainWindowLayoutTest::linesUseFixedPitchFont() {
  QTemporaryDir directory;
  ScriptedWindow w(directory.path());
  for (const char* name : {"lblArch", "lblWPT", "lblRTE", "lblTRK", "lblSTAT"}) {
    const QFontMetrics metrics(w.window().findChild<QLabel*>(QLatin1String(name))->font());
    const int statusColon = metrics.horizontalAdvance(QStringLiteral("Estado actual:"));
    for (const char* prefix : {"Waypoints    :", "Rutas        :", "Tracks       :", "Carpetas     :"}) {
      QCOMPARE(metrics.horizontalAdvance(QLatin1String(prefix)), statusColon);
    }
  }
}

void MainWindowLayoutTest::buttonsTabInDescribedOrder() {
  QTemporaryDir directory;
  ScriptedWindow w(directory.path());
  QStringList order;
  QWidget* widget = w.Button("cmdOpen");
  do {
    if (qobject_cast<QPushButton*>(widget)) order << widget->objectName();
    widget = widget->nextInFocusChain();
  } while (widget != w.Button("cmdOpen"));
  QCOMPARE(order, QStringList({"cmdOpen", "cmdSave", "cmdAbort", "cmdClose", "cmdReprocess"}));
}

void MainWindowLayoutTest::keyRules_data() {
  QTest::addColumn<QStringList>("steps");  // what the user did before pressing the key
  QTest::addColumn<QString>("defaultButton");
  QTest::addColumn<QString>("enter");  // what Enter then does: "open", "save" or "nothing"

  // clang-format off
  QTest::newRow("start-up") << QStringList() << "cmdOpen" << "open";
  QTest::newRow("success") << QStringList{"gpx"} << "cmdSave" << "save";
  QTest::newRow("error") << QStringList{"broken"} << "cmdOpen" << "open";
  QTest::newRow("unknown format") << QStringList{"unknown"} << "cmdOpen" << "open";
  QTest::newRow("nothing convertible") << QStringList{"paths only"} << "cmdOpen" << "open";
  QTest::newRow("aborted") << QStringList{"abort"} << "cmdOpen" << "open";
  QTest::newRow("success, then error: Save disabled") << QStringList{"gpx", "broken"} << "cmdSave" << "nothing";
  QTest::newRow("after a save") << QStringList{"gpx", "save"} << "cmdSave" << "nothing";
  QTest::newRow("pending question, Volver") << QStringList{"gpx", "open: Volver"} << "cmdSave" << "save";
  QTest::newRow("pending question, Perderlo, dialog cancelled")
      << QStringList{"gpx", "open: Perderlo"} << "cmdSave" << "save";
  QTest::newRow("overwrite question, Cancelar") << QStringList{"gpx", "save: Cancelar"} << "cmdSave" << "save";
  // clang-format on
}

// Enter presses the default button or nothing, never the button the focus
// happens to be on; Esc presses Abort, which is disabled whenever no
// conversion runs. The keys go where the platform sends them: to the
// focused control of the active window.
void MainWindowLayoutTest::keyRules() {
  QFETCH(QStringList, steps);
  QFETCH(QString, defaultButton);
  QFETCH(QString, enter);

  QTemporaryDir directory;
  ScriptedWindow w(directory.path());
  w.window().startUp({});
  QApplication::setActiveWindow(&w.window());
  QVERIFY(QTest::qWaitForWindowActive(&w.window()));
  const auto convert = [&](const char* name, const char* content) {
    w.window().processFile(samples::Write(directory, QLatin1String(name), content));
  };
  for (const QString& step : steps) {
    if (step == u"gpx") convert("ruta.gpx", samples::kGpx);
    if (step == u"broken") convert("roto.gpx", samples::kBrokenXml);
    if (step == u"unknown") convert("notas.txt", "texto");
    if (step == u"paths only") convert("camino.kml", samples::kPathsOnlyKml);
    if (step == u"abort") {
      w.events->actions << [&] { QTest::keyClick(w.window().windowHandle(), Qt::Key_Escape); };
      convert("ruta.gpx", samples::kGpx);
      QCOMPARE(w.Status(), QStringLiteral("Estado actual: Inactivo (último archivo cancelado)"));
    }
    if (step.startsWith(u"save")) {
      const bool ask = step == u"save: Cancelar";  // only a file with content is asked about
      w.dialogs->saveAnswers << samples::Write(directory, QStringLiteral("salida.kml"), ask ? "viejo" : "");
      if (ask) w.prompt->answers << true;  // Cancelar
      w.Button("cmdSave")->click();
      QCOMPARE(w.prompt->questions.size(), step == u"save" ? 0 : 1);
      if (step == u"save") QVERIFY(!w.window().session().hasPendingResult());
    }
    if (step.startsWith(u"open")) {
      w.prompt->answers << (step == u"open: Volver");
      w.Button("cmdOpen")->click();
    }
  }
  QVERIFY(w.Button(defaultButton.toLatin1().constData())->isDefault());
  const qsizetype opened = w.dialogs->openRequests.size();
  const qsizetype saved = w.dialogs->saveRequests.size();
  const QString status = w.Status();

  QTest::keyClick(w.window().windowHandle(), Qt::Key_Escape);
  QCOMPARE(w.Status(), status);
  QTest::keyClick(w.window().windowHandle(), Qt::Key_Return);

  QVERIFY(!w.window().isClosed());
  QCOMPARE(w.dialogs->openRequests.size() - opened, enter == u"open" ? 1 : 0);
  QCOMPARE(w.dialogs->saveRequests.size() - saved, enter == u"save" ? 1 : 0);
  QCOMPARE(w.prompt->unscripted, 0);
}

QTEST_MAIN(MainWindowLayoutTest)
#include "main_window_layout_test.moc"
