// Files dropped on the window: the offer to save comes before each one, a
// drop during a conversion waits for it, and anything but files is ignored.
#include <utility>

#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <QWindow>

#include "sample_files.h"
#include "scripted_services.h"

using namespace ruvela;

namespace {

std::unique_ptr<QMimeData> DroppedFiles(const QStringList& paths) {
  auto data = std::make_unique<QMimeData>();
  QList<QUrl> urls;
  for (const QString& path : paths) urls << QUrl::fromLocalFile(path);
  data->setUrls(urls);
  return data;
}

}  // namespace

class DropsTest : public QObject {
  Q_OBJECT

 private slots:
  void twoFilesWithPendingResult();
  void dropDuringConversionWaitsForIt();
  void closedWhileOfferingToSaveStartsNothing();
  void otherDropsAreIgnored();
  void dropOnAnyControl_data();
  void dropOnAnyControl();
};

namespace {

// The window with the result of ruta.gpx pending, and two files to drop on it.
std::pair<QString, QString> PendingResultAndTwoFilesToDrop(const QTemporaryDir& directory, ScriptedWindow& w) {
  w.window().startUp({});
  w.window().processFile(samples::Write(directory, QStringLiteral("ruta.gpx"), samples::kGpx));
  return {samples::Write(directory, QStringLiteral("doc.kml"), samples::kDocumentKml),
          samples::Write(directory, QStringLiteral("solo.gpx"), samples::kTracksOnlyGpx)};
}

}  // namespace

// The save dialog for the pending result, the first file converts, the save
// dialog for its result, the second file converts.
void DropsTest::twoFilesWithPendingResult() {
  QTemporaryDir directory;
  ScriptedWindow w(directory.path());
  const auto [first, second] = PendingResultAndTwoFilesToDrop(directory, w);
  w.dialogs->saveAnswers << QString() << directory.filePath(QStringLiteral("doc.gpx"));

  w.window().processDroppedFiles(*DroppedFiles({first, second}));

  QCOMPARE(w.dialogs->saveRequests.size(), 2);
  QCOMPARE(w.dialogs->saveRequests[0].fileName, QStringLiteral("ruta.kml"));
  QCOMPARE(w.dialogs->saveRequests[1].fileName, QStringLiteral("doc.gpx"));
  QVERIFY(samples::Read(directory.filePath(QStringLiteral("doc.gpx"))).contains("<gpx"));
  QCOMPARE(w.prompt->questions.size(), 0);  // a drop offers to save; it does not ask
  QCOMPARE(w.Text("lblArch"), QStringLiteral("Archivo Seleccionado: solo.gpx"));
  QCOMPARE(w.Status(), QStringLiteral("Estado actual: Listo (guardar el archivo)"));
  QVERIFY(w.window().session().pending == PendingResult::Kml);
}

void DropsTest::dropDuringConversionWaitsForIt() {
  QTemporaryDir directory;
  ScriptedWindow w(directory.path());
  w.window().startUp({});
  const QString dropped = samples::Write(directory, QStringLiteral("doc.kml"), samples::kDocumentKml);
  QString fileLineAfterDrop;
  w.events->actions << [&] {
    w.window().processDroppedFiles(*DroppedFiles({dropped}));
    fileLineAfterDrop = w.Text("lblArch");
  };
  w.dialogs->saveAnswers << QString();

  w.window().processFile(samples::Write(directory, QStringLiteral("ruta.gpx"), samples::kGpx));

  QCOMPARE(fileLineAfterDrop, QStringLiteral("Archivo Seleccionado: ruta.gpx"));
  QCOMPARE(w.dialogs->saveRequests.size(), 1);
  QCOMPARE(w.dialogs->saveRequests[0].fileName, QStringLiteral("ruta.kml"));
  QCOMPARE(w.Text("lblArch"), QStringLiteral("Archivo Seleccionado: doc.kml"));
  QCOMPARE(w.Status(), QStringLiteral("Estado actual: Listo (guardar el archivo)"));
  QVERIFY(w.window().session().pending == PendingResult::Gpx);
}

// The window closed while the save dialog for the pending result is open
// (at logoff, say): neither dropped file is converted.
void DropsTest::closedWhileOfferingToSaveStartsNothing() {
  QTemporaryDir directory;
  ScriptedWindow w(directory.path());
  const auto [first, second] = PendingResultAndTwoFilesToDrop(directory, w);
  w.dialogs->whileSaving << [&] { w.window().close(); };

  w.window().processDroppedFiles(*DroppedFiles({first, second}));

  QVERIFY(w.window().isClosed());
  QCOMPARE(w.dialogs->saveRequests.size(), 1);
  QCOMPARE(w.Text("lblArch"), QStringLiteral("Archivo Seleccionado: ruta.gpx"));
}

void DropsTest::otherDropsAreIgnored() {
  QTemporaryDir directory;
  ScriptedWindow w(directory.path());
  w.window().startUp({});
  QMimeData text;
  text.setText(directory.filePath(QStringLiteral("ruta.gpx")));
  QMimeData remote;
  remote.setUrls({QUrl(QStringLiteral("https://example.org/ruta.gpx"))});

  w.window().processDroppedFiles(text);
  w.window().processDroppedFiles(remote);

  QCOMPARE(w.Text("lblArch"), QString());
  QCOMPARE(w.Status(), QStringLiteral("Estado actual: Inactivo"));
}

void DropsTest::dropOnAnyControl_data() {
  QTest::addColumn<QString>("target");
  QTest::newRow("count line") << "lblWPT";
  QTest::newRow("status line") << "lblSTAT";
  QTest::newRow("frame") << "frameMain";
  QTest::newRow("disabled button") << "cmdSave";
  QTest::newRow("enabled button") << "cmdOpen";
  QTest::newRow("window background") << "clientArea";
}

// A real drop, delivered to the window where the user lets go of it.
void DropsTest::dropOnAnyControl() {
  QFETCH(QString, target);
  QTemporaryDir directory;
  ScriptedWindow w(directory.path());
  w.window().startUp({});
  const auto data = DroppedFiles({samples::Write(directory, QStringLiteral("ruta.gpx"), samples::kGpx)});
  QWidget* widget = w.window().findChild<QWidget*>(target);
  QVERIFY(widget != nullptr);
  const QPoint where = target == u"clientArea" ? widget->mapTo(&w.window(), QPoint(2, widget->height() - 2))
                                               : widget->mapTo(&w.window(), widget->rect().center());

  QDragEnterEvent enter(where, Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(w.window().windowHandle(), &enter);
  QVERIFY(enter.isAccepted());
  QDropEvent drop(where, Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(w.window().windowHandle(), &drop);
  QCoreApplication::processEvents();  // the drop is taken up once the drag has finished

  QCOMPARE(w.Text("lblArch"), QStringLiteral("Archivo Seleccionado: ruta.gpx"));
  QCOMPARE(w.Status(), QStringLiteral("Estado actual: Listo (guardar el archivo)"));
}

QTEST_MAIN(DropsTest)
#include "drops_test.moc"
