// The processing driver as the user sees it: the status line, the file and
// count lines, and which commands are live after each kind of outcome.
#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "sample_files.h"
#include "scripted_services.h"
#include "support/special_inputs.h"

using namespace ruvela;

class ProcessFileTest : public QObject {
  Q_OBJECT

 private slots:
  void outcomeDrivesStatusAndCommands_data();
  void outcomeDrivesStatusAndCommands();
  void countLinesAfterConversion_data();
  void countLinesAfterConversion();
  void escapeAbortsRunningConversion();
  void newResultReplacesPendingOfOtherKind();
  void openWithPendingResult_data();
  void openWithPendingResult();
  void reprocessConvertsLastInputAgain();
  void namedPipeIsALoadError();
};

void ProcessFileTest::outcomeDrivesStatusAndCommands_data() {
  QTest::addColumn<QString>("fileName");
  QTest::addColumn<QByteArray>("content");  // null: no such file
  QTest::addColumn<bool>("pendingBefore");  // a KML result is pending first
  QTest::addColumn<QString>("status");
  QTest::addColumn<QString>("commands");
  QTest::addColumn<bool>("kmlPending");
  QTest::addColumn<bool>("gpxPending");
  QTest::addColumn<QString>("fileLine");

  const QString ready = QStringLiteral("Estado actual: Listo (guardar el archivo)");
  const QString error = QStringLiteral("Estado actual: Inactivo (Ultimo archivo con error)");
  const QString empty = QStringLiteral("Estado actual: Inactivo (último archivo sin datos convertibles)");
  const QString unknown = QStringLiteral("Estado actual: Inactivo (último archivo de formato desconocido)");
  const QString prefix = QStringLiteral("Archivo Seleccionado: ");

  // clang-format off
  QTest::newRow("gpx") << "ruta.gpx" << QByteArray(samples::kGpx) << false << ready << "OSR-" << true << false
                       << prefix + "ruta.gpx";
  QTest::newRow("gpx named in capitals") << "RUTA.GPX" << QByteArray(samples::kGpx) << false << ready << "OSR-"
                                         << true << false << prefix + "RUTA.GPX";
  QTest::newRow("gpx with tracks only") << "solo.gpx" << QByteArray(samples::kTracksOnlyGpx) << false << ready
                                        << "OSR-" << true << false << prefix + "solo.gpx";
  QTest::newRow("kml inside a Document") << "doc.kml" << QByteArray(samples::kDocumentKml) << false << ready
                                         << "OSR-" << false << true << prefix + "doc.kml";
  QTest::newRow("kml with paths only") << "camino.kml" << QByteArray(samples::kPathsOnlyKml) << false << empty
                                       << "O---" << false << false << prefix + "camino.kml";
  // clang-format on
  const QByteArray kmz = QByteArray::fromStdString(ruvela::testing::ZipArchive({{"doc.kml", samples::kDocumentKml}}));
  QTest::newRow("kmz") << "ruta.KMZ" << kmz << false << ready << "OSR-" << false << true << prefix + "ruta.KMZ";
  const QByteArray pictures = QByteArray::fromStdString(ruvela::testing::ZipArchive({{"logo.png", "PNG"}}));
  // clang-format off
  QTest::newRow("kmz without kml loses pending") << "fotos.kmz" << pictures << true << error << "O---" << false
                                                 << false << prefix + "fotos.kmz";
  QTest::newRow("broken gpx loses pending") << "roto.gpx" << QByteArray(samples::kBrokenXml) << true << error
                                            << "O---" << false << false << prefix + "roto.gpx";
  QTest::newRow("unknown extension") << "notas.txt" << QByteArray("texto") << false << unknown << "O---" << false
                                     << false << prefix + "notas.txt";
  QTest::newRow("unknown extension keeps pending") << "notas.txt" << QByteArray("texto") << true << unknown
                                                   << "OSR-" << true << false << prefix + "notas.txt";
  QTest::newRow("name ending in a dot") << "ruta." << QByteArray(samples::kGpx) << false << unknown << "O---"
                                        << false << false << prefix + "ruta.";
  QTest::newRow("no such file") << "falta.gpx" << QByteArray() << false << unknown << "O---" << false << false
                                << prefix + "<Error en la localización del archivo>";
  // clang-format on
}

void ProcessFileTest::outcomeDrivesStatusAndCommands() {
  QFETCH(QString, fileName);
  QFETCH(QByteArray, content);
  QFETCH(bool, pendingBefore);
  QFETCH(QString, status);
  QFETCH(QString, commands);
  QFETCH(bool, kmlPending);
  QFETCH(bool, gpxPending);
  QFETCH(QString, fileLine);

  QTemporaryDir directory;
  ScriptedWindow w(directory.path());
  w.window().startUp({});
  if (pendingBefore) {
    w.window().processFile(samples::Write(directory, QStringLiteral("antes.gpx"), samples::kGpx));
    QVERIFY(w.window().session().pending == PendingResult::Kml);
  }
  const QString path = content.isNull() ? directory.filePath(fileName) : samples::Write(directory, fileName, content);

  w.window().processFile(path);

  QCOMPARE(w.Status(), status);
  QCOMPARE(w.EnabledCommands(), commands);
  QCOMPARE(w.window().session().pending == PendingResult::Kml, kmlPending);
  QCOMPARE(w.window().session().pending == PendingResult::Gpx, gpxPending);
  QCOMPARE(w.Text("lblArch"), fileLine);
  QVERIFY(!w.window().runner().isRunning());
  QVERIFY(!w.window().runner().abortRequested());
}

void ProcessFileTest::countLinesAfterConversion_data() {
  QTest::addColumn<QString>("fileName");
  QTest::addColumn<QByteArray>("content");
  QTest::addColumn<QStringList>("lines");  // lblWPT, lblRTE, lblTRK
  QTest::addColumn<QString>("trackTip");
  QTest::addColumn<QByteArray>("resultStart");
  QTest::addColumn<QString>("statusTip");

  // clang-format off
  QTest::newRow("gpx") << "ruta.gpx" << QByteArray(samples::kGpx)
                       << QStringList({"Waypoints    : pts = 2", "Rutas        : pts = 3", "Tracks       : pts = 4"})
                       << "" << QByteArray("<kml") << "";
  QTest::newRow("kml with a folder") << "doc.kml" << QByteArray(samples::kDocumentKml)
                                     << QStringList({"Waypoints    : pts = 2", "", "Carpetas     : 1"})
                                     << "Doble click abre el visor de Carpetas procesadas." << QByteArray("<gpx") << "";
  QTest::newRow("kml with points left out")
      << "sin.kml"
      << QByteArray("<kml><Placemark><name>A</name><Point><coordinates>1,2</coordinates></Point></Placemark>"
                    "<Placemark><name>B</name><Point><coordinates>1</coordinates></Point></Placemark></kml>")
      << QStringList({"Waypoints    : pts = 1", "", ""}) << "" << QByteArray("<gpx")
      << "1 puntos sin posición válida omitidos";
  // clang-format on
}

void ProcessFileTest::countLinesAfterConversion() {
  QFETCH(QString, fileName);
  QFETCH(QByteArray, content);
  QFETCH(QStringList, lines);
  QFETCH(QString, trackTip);
  QFETCH(QByteArray, resultStart);
  QFETCH(QString, statusTip);
  QTemporaryDir directory;
  ScriptedWindow w(directory.path());
  w.window().startUp({});
  w.window().processFile(samples::Write(directory, fileName, content));

  QCOMPARE(QStringList({w.Text("lblWPT"), w.Text("lblRTE"), w.Text("lblTRK")}), lines);
  QCOMPARE(w.window().findChild<QLabel*>(QStringLiteral("lblTRK"))->toolTip(), trackTip);
  QCOMPARE(w.window().findChild<QLabel*>(QStringLiteral("lblSTAT"))->toolTip(), statusTip);
  QCOMPARE(w.window().session().inputBaseName, fileName.section(u'.', 0, 0));
  QCOMPARE(w.window().session().lastDirectory, directory.path() + u'/');
  QVERIFY(samples::Read(directory.filePath(QStringLiteral("ruvela.tmp"))).contains(resultStart));
}

// The user presses Esc the first time the window looks at its events.
void ProcessFileTest::escapeAbortsRunningConversion() {
  QTemporaryDir directory;
  ScriptedWindow w(directory.path());
  w.window().startUp({});
  QString statusWhileRunning;
  QString commandsWhileRunning;
  w.events->actions << [&] {
    statusWhileRunning = w.Status();
    commandsWhileRunning = w.EnabledCommands();
    QTest::keyClick(&w.window(), Qt::Key_Escape);
  };

  w.window().processFile(samples::Write(directory, QStringLiteral("ruta.gpx"), samples::kGpx));

  QCOMPARE(statusWhileRunning, QStringLiteral("Estado actual: Procesando"));
  QCOMPARE(commandsWhileRunning, QStringLiteral("---A"));
  QCOMPARE(w.Status(), QStringLiteral("Estado actual: Inactivo (último archivo cancelado)"));
  QCOMPARE(w.EnabledCommands(), QStringLiteral("O---"));
  QVERIFY(!w.window().runner().abortRequested());
  QVERIFY(!w.window().session().hasPendingResult());
}

void ProcessFileTest::newResultReplacesPendingOfOtherKind() {
  QTemporaryDir directory;
  ScriptedWindow w(directory.path());
  w.window().startUp({});
  w.window().processFile(samples::Write(directory, QStringLiteral("ruta.gpx"), samples::kGpx));
  w.window().processFile(samples::Write(directory, QStringLiteral("doc.kml"), samples::kDocumentKml));

  QVERIFY(w.window().session().pending == PendingResult::Gpx);
  w.Button("cmdSave")->click();
  QCOMPARE(w.dialogs->saveRequests.size(), 1);
  QCOMPARE(w.dialogs->saveRequests[0].fileName, QStringLiteral("doc.gpx"));
  QCOMPARE(w.dialogs->saveRequests[0].filter, QStringLiteral("GPS eXchange Format (.gpx)|*.gpx|All Files (*.*)|*.*"));
}

void ProcessFileTest::openWithPendingResult_data() {
  QTest::addColumn<bool>("answerBack");
  QTest::addColumn<int>("openDialogs");
  // clang-format off
  QTest::newRow("Volver: nothing happens") << true << 0;
  QTest::newRow("Perderlo, then cancel: result stays") << false << 1;
  // clang-format on
}

void ProcessFileTest::openWithPendingResult() {
  QFETCH(bool, answerBack);
  QFETCH(int, openDialogs);
  QTemporaryDir directory;
  ScriptedWindow w(directory.path());
  w.window().startUp({});
  w.window().processFile(samples::Write(directory, QStringLiteral("ruta.gpx"), samples::kGpx));
  w.prompt->answers << answerBack;
  w.dialogs->openAnswers << QString();

  w.Button("cmdOpen")->click();

  QCOMPARE(w.prompt->questions.size(), 1);
  QCOMPARE(w.prompt->questions[0].title, QStringLiteral("Zuvodirod ORE <-> DOV "));
  QCOMPARE(w.prompt->questions[0].message, QStringLiteral("CUIDADO: Hay un archivo pendiente para guardar."));
  QCOMPARE(w.prompt->questions[0].firstButton, QStringLiteral("&Volver"));
  QCOMPARE(w.prompt->questions[0].secondButton, QStringLiteral("&Perderlo"));
  QCOMPARE(w.beeper->beeps, 1);
  QCOMPARE(w.dialogs->openRequests.size(), openDialogs);
  QCOMPARE(w.Status(), QStringLiteral("Estado actual: Listo (guardar el archivo)"));
  QCOMPARE(w.EnabledCommands(), QStringLiteral("OSR-"));
  QVERIFY(w.window().session().pending == PendingResult::Kml);
}

void ProcessFileTest::reprocessConvertsLastInputAgain() {
  QTemporaryDir directory;
  ScriptedWindow w(directory.path());
  w.window().startUp({});
  const QString path = samples::Write(directory, QStringLiteral("ruta.gpx"), samples::kGpx);
  w.window().processFile(path);
  samples::Write(directory, QStringLiteral("ruta.gpx"), samples::kTracksOnlyGpx);

  w.Button("cmdReprocess")->click();

  QCOMPARE(w.Text("lblTRK"), QStringLiteral("Tracks       : pts = 2"));
  QCOMPARE(w.Text("lblWPT"), QString());  // no waypoint this time: the line stays empty
  QCOMPARE(w.Status(), QStringLiteral("Estado actual: Listo (guardar el archivo)"));
}

// Reading a named pipe without a writer would freeze the window for good.
void ProcessFileTest::namedPipeIsALoadError() {
  QTemporaryDir directory;
  ScriptedWindow w(directory.path());
  w.window().startUp({});
  const QString pipe = directory.filePath(QStringLiteral("tuberia.kml"));
  QVERIFY(ruvela::testing::MakeNamedPipe(pipe.toStdString()));

  w.window().processFile(pipe);

  QCOMPARE(w.Status(), QStringLiteral("Estado actual: Inactivo (Ultimo archivo con error)"));
  QCOMPARE(w.window().findChild<QLabel*>(QStringLiteral("lblSTAT"))->toolTip(),
           QStringLiteral("no es un archivo normal"));
}

QTEST_MAIN(ProcessFileTest)
#include "process_file_test.moc"
