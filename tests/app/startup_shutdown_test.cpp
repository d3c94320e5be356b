// Start-up with command-line files, the last directory kept between runs,
// and the ways the program ends.
#include <QAction>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "sample_files.h"
#include "scripted_services.h"

using namespace ruvela;

namespace {

QStringList WriteGpxFiles(const QTemporaryDir& directory, int count) {
  QStringList paths;
  for (int i = 1; i <= count; ++i) {
    paths << samples::Write(directory, QStringLiteral("f%1.gpx").arg(i, 2, 10, QLatin1Char('0')), samples::kGpx);
  }
  return paths;
}

void Exit(ScriptedWindow& w, const QString& command) {
  if (command == u"cmdClose") {
    w.Button("cmdClose")->click();
  } else {
    w.Action("mnuExit")->trigger();
  }
}

}  // namespace

class StartupShutdownTest : public QObject {
  Q_OBJECT

 private slots:
  void commandLineFiles_data();
  void commandLineFiles();
  void lastDirectoryKeptBetweenRuns();
  void exitCommands_data();
  void exitCommands();
  void exitDuringConversionAsksNothing_data();
  void exitDuringConversionAsksNothing();
  void exitDuringStartUpDropsRemainingFiles();
};

void StartupShutdownTest::commandLineFiles_data() {
  QTest::addColumn<int>("arguments");
  QTest::addColumn<int>("converted");
  QTest::addColumn<bool>("emptyArguments");  // an empty argument before each file and at the end
  QTest::newRow("none") << 0 << 0 << false;
  QTest::newRow("one") << 1 << 1 << false;
  QTest::newRow("three") << 3 << 3 << false;
  QTest::newRow("twelve: only ten") << 12 << 10 << false;
  QTest::newRow("only an empty argument: no dialog") << 0 << 0 << true;
  QTest::newRow("two among empty arguments") << 2 << 2 << true;
}

// Each result but the last is offered for saving at once (here the user
// cancels every save dialog); the last one stays pending.
void StartupShutdownTest::commandLineFiles() {
  QFETCH(int, arguments);
  QFETCH(int, converted);
  QFETCH(bool, emptyArguments);
  QTemporaryDir directory;
  ScriptedWindow w(directory.path());
  QStringList paths;
  for (const QString& path : WriteGpxFiles(directory, arguments)) {
    if (emptyArguments) paths << QString();
    paths << path;
  }
  if (emptyArguments) paths << QString();
  for (int i = 1; i < converted; ++i) w.dialogs->saveAnswers << QString();

  w.window().startUp(paths);

  QVERIFY(w.window().isVisible());
  QCOMPARE(w.dialogs->unscripted, 0);
  QCOMPARE(w.dialogs->openRequests.size(), 0);
  QCOMPARE(w.dialogs->saveRequests.size(), qMax(0, converted - 1));
  for (int i = 0; i + 1 < converted; ++i) {
    QCOMPARE(w.dialogs->saveRequests[i].fileName, QStringLiteral("f%1.kml").arg(i + 1, 2, 10, QLatin1Char('0')));
  }
  if (converted == 0) {
    QCOMPARE(w.Status(), QStringLiteral("Estado actual: Inactivo"));
    QCOMPARE(w.EnabledCommands(), QStringLiteral("O---"));
    QCOMPARE(w.Text("lblArch"), QString());
  } else {
    QCOMPARE(w.Status(), QStringLiteral("Estado actual: Listo (guardar el archivo)"));
    QCOMPARE(w.Text("lblArch"),
             QStringLiteral("Archivo Seleccionado: f%1.gpx").arg(converted, 2, 10, QLatin1Char('0')));
    QVERIFY(w.window().session().pending == PendingResult::Kml);
  }
}

void StartupShutdownTest::lastDirectoryKeptBetweenRuns() {
  QTemporaryDir directory;
  ScriptedWindow w(directory.path());
  w.settings->values[QStringLiteral("File/g_sPath")] = QStringLiteral("/srv/rutas/");
  w.window().startUp({});
  w.Button("cmdOpen")->click();  // cancelled
  QCOMPARE(w.dialogs->openRequests.value(0).initialDirectory, QStringLiteral("/srv/rutas/"));

  w.window().processFile(samples::Write(directory, QStringLiteral("ruta.gpx"), samples::kGpx));
  w.prompt->answers << false;  // Perderlo
  w.Button("cmdClose")->click();
  QCOMPARE(w.settings->values.value(QStringLiteral("File/g_sPath")), directory.path() + u'/');

  ScriptedWindow fresh(directory.path());
  fresh.window().startUp({});
  fresh.Button("cmdOpen")->click();
  QCOMPARE(fresh.dialogs->openRequests.value(0).initialDirectory, directory.path() + u'/');
}

void StartupShutdownTest::exitCommands_data() {
  QTest::addColumn<QString>("command");
  QTest::addColumn<bool>("pending");
  QTest::addColumn<int>("answer");       // -1: no question expected; 1 Guardar, 0 Perderlo
  QTest::addColumn<bool>("chooseFile");  // in the save dialog, or cancel it
  QTest::addColumn<bool>("saved");

  QTest::newRow("nothing pending") << "cmdClose" << false << -1 << false << false;
  QTest::newRow("pending, Perderlo") << "mnuExit" << true << 0 << false << false;
  QTest::newRow("pending, Guardar, dialog cancelled") << "cmdClose" << true << 1 << false << false;
  QTest::newRow("pending, Guardar, saved") << "mnuExit" << true << 1 << true << true;
}

void StartupShutdownTest::exitCommands() {
  QFETCH(QString, command);
  QFETCH(bool, pending);
  QFETCH(int, answer);
  QFETCH(bool, chooseFile);
  QFETCH(bool, saved);
  QTemporaryDir directory;
  ScriptedWindow w(directory.path());
  w.window().startUp({});
  if (pending) w.window().processFile(samples::Write(directory, QStringLiteral("ruta.gpx"), samples::kGpx));
  const QString target = directory.filePath(QStringLiteral("guardado.kml"));
  if (answer >= 0) w.prompt->answers << (answer == 1);
  if (answer == 1) w.dialogs->saveAnswers << (chooseFile ? target : QString());

  Exit(w, command);

  QVERIFY(w.window().isClosed());
  QVERIFY(!w.window().isVisible());
  QCOMPARE(w.prompt->questions.size(), answer >= 0 ? 1 : 0);
  if (answer >= 0) {
    QCOMPARE(w.prompt->questions[0].message, QStringLiteral("OOOPS: Hay un archivo que no fue guardado!"));
    QCOMPARE(w.prompt->questions[0].firstButton, QStringLiteral("&Guardar"));
    QCOMPARE(w.prompt->questions[0].secondButton, QStringLiteral("&Perderlo"));
  }
  QCOMPARE(w.dialogs->unscripted, 0);
  QCOMPARE(QFile::exists(target), saved);
  QVERIFY(w.settings->values.contains(QStringLiteral("File/g_sPath")));
}

void StartupShutdownTest::exitDuringConversionAsksNothing_data() {
  QTest::addColumn<QString>("command");
  QTest::newRow("Close button") << "cmdClose";
  QTest::newRow("File > Salir") << "mnuExit";
  QTest::newRow("window's close command") << "window";
}

// An earlier result is pending, a second file is converting, and the user
// ends the program: the conversion stops and the window closes, without a
// question (the earlier result was already overwritten).
void StartupShutdownTest::exitDuringConversionAsksNothing() {
  QFETCH(QString, command);
  QTemporaryDir directory;
  ScriptedWindow w(directory.path());
  w.window().startUp({});
  w.window().processFile(samples::Write(directory, QStringLiteral("antes.gpx"), samples::kGpx));
  bool closedWhileRunning = true;
  w.events->actions << [&] {
    if (command == u"window") {
      w.window().close();
    } else {
      Exit(w, command);
    }
    closedWhileRunning = w.window().isClosed();
  };

  w.window().processFile(samples::Write(directory, QStringLiteral("ruta.gpx"), samples::kGpx));

  QCOMPARE(closedWhileRunning, command == u"window");
  QVERIFY(w.window().isClosed());
  QCOMPARE(w.prompt->questions.size(), 0);
  QCOMPARE(w.dialogs->saveRequests.size(), 0);
  QCOMPARE(w.Status(), QStringLiteral("Estado actual: Inactivo (último archivo cancelado)"));
  QVERIFY(!w.window().runner().isRunning());
  QVERIFY(w.settings->values.contains(QStringLiteral("File/g_sPath")));
}

void StartupShutdownTest::exitDuringStartUpDropsRemainingFiles() {
  QTemporaryDir directory;
  ScriptedWindow w(directory.path());
  w.events->actions << [&] { w.Button("cmdClose")->click(); };

  w.window().startUp(WriteGpxFiles(directory, 3));

  QVERIFY(w.window().isClosed());
  QCOMPARE(w.Text("lblArch"), QStringLiteral("Archivo Seleccionado: f01.gpx"));
  QCOMPARE(w.dialogs->saveRequests.size(), 0);
  QCOMPARE(w.prompt->questions.size(), 0);
}

QTEST_MAIN(StartupShutdownTest)
#include "startup_shutdown_test.moc"
