// The main window as it opens: size and place, captions, menus, fonts, the
// tab order, and which button Enter and Esc press.
#include <QAction>
#include <QFontMetrics>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "sample_files.h"
#include "scripted_services.h"

class MainWindowLayoutTest : public QObject {
  Q_OBJECT

 private slots:
  void windowIsFixedAtItsPlace();
  void startUpEnablesHelpNotFolders();
  void linesUseFixedPitchFont();
  void buttonsTabInDescribedOrder();
  void enterPressesDefaultButtonEscOnlyAborts();
};

void MainWindowLayoutTest::windowIsFixedAtItsPlace() {
  QTemporaryDir directory;
  ScriptedWindow w(directory.path());
  w.window().StartUp({});
  QCOMPARE(w.window().windowTitle(), QStringLiteral("Zuvodirod ORE <-> DOV"));
  QCOMPARE(w.window().centralWidget()->size(), QSize(706, 183));
  QCOMPARE(w.window().minimumSize(), w.window().maximumSize());
  QCOMPARE(w.window().pos(), QPoint(194, 142));
  QCOMPARE(w.Button("cmdOpen")->geometry(), QRect(592, 152, 105, 25));
  QCOMPARE(w.window().findChild<QLabel*>(QStringLiteral("lblSTAT"))->geometry(), QRect(8, 112, 673, 25));
}

// At start-up Help works; there are no folders to view until a KML file
// with folders has been converted.
void MainWindowLayoutTest::startUpEnablesHelpNotFolders() {
  QTemporaryDir directory;
  ScriptedWindow w(directory.path());
  w.window().StartUp({});
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

void MainWindowLayoutTest::enterPressesDefaultButtonEscOnlyAborts() {
  QTemporaryDir directory;
  ScriptedWindow w(directory.path());
  w.window().StartUp({});

  QTest::keyClick(&w.window(), Qt::Key_Escape);  // Abort is disabled: nothing happens
  QCOMPARE(w.Status(), QStringLiteral("Estado actual: Inactivo"));
  QTest::keyClick(&w.window(), Qt::Key_Return);
  QCOMPARE(w.dialogs->openRequests.size(), 1);

  w.window().ProcessFile(samples::Write(directory, QStringLiteral("ruta.gpx"), samples::kGpx));
  QVERIFY(w.Button("cmdSave")->isDefault());
  QVERIFY(!w.Button("cmdOpen")->isDefault());
  QTest::keyClick(&w.window(), Qt::Key_Enter, Qt::KeypadModifier);
  QCOMPARE(w.dialogs->saveRequests.size(), 1);
  QCOMPARE(w.dialogs->openRequests.size(), 1);
}

QTEST_MAIN(MainWindowLayoutTest)
#include "main_window_layout_test.moc"
