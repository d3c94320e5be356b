// The main window as it opens: size and place, captions, menus, fonts, the
// tab order, and which button Enter and Esc press.
#include <QAction>
#include <QFontMetrics>
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
  void captionsAndStartState_data();
  void captionsAndStartState();
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

void MainWindowLayoutTest::captionsAndStartState_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QString>("caption");
  QTest::addColumn<bool>("enabled");

  QTest::newRow("cmdClose") << "cmdClose" << "&Cerrar Programa" << true;
  QTest::newRow("cmdAbort") << "cmdAbort" << "Ca&ncelar Proceso" << false;
  QTest::newRow("cmdReprocess") << "cmdReprocess" << "&Reprocesar" << false;
  QTest::newRow("cmdSave") << "cmdSave" << "&Guardar Archivo" << false;
  QTest::newRow("cmdOpen") << "cmdOpen" << "&Abrir Archivo" << true;
  QTest::newRow("menu_open") << "menu_open" << "&Abrir" << true;
  QTest::newRow("mnuSave") << "mnuSave" << "&Guardar" << false;
  QTest::newRow("mnuExit") << "mnuExit" << "&Salir" << true;
  QTest::newRow("mnuGPX2KML") << "mnuGPX2KML" << "&GPX->KML" << false;
  QTest::newRow("mnuKML2GPX") << "mnuKML2GPX" << "&KML->GPX" << false;
  QTest::newRow("mnuFolders") << "mnuFolders" << "&Carpetas" << false;
  QTest::newRow("mnuHelpH") << "mnuHelpH" << "&Ayuda" << false;
  QTest::newRow("mnuAbout") << "mnuAbout" << "Acerca &de" << false;
}

void MainWindowLayoutTest::captionsAndStartState() {
  QFETCH(QString, name);
  QFETCH(QString, caption);
  QFETCH(bool, enabled);
  QTemporaryDir directory;
  ScriptedWindow w(directory.path());
  w.window().StartUp({});
  if (auto* button = w.window().findChild<QPushButton*>(name)) {
    QCOMPARE(button->text(), caption);
    QCOMPARE(button->isEnabled(), enabled);
  } else {
    QAction* item = w.window().findChild<QAction*>(name);
    QVERIFY(item != nullptr);
    QCOMPARE(item->text(), caption);
    QCOMPARE(item->isEnabled(), enabled);
  }
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
