// Saving the pending result: the question for a non-empty file, and a
// failed save that leaves both the chosen file and the result as they were.
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QTest>

#include "sample_files.h"
#include "scripted_services.h"

using namespace ruvela;

namespace {

const QString kReady = QStringLiteral("Estado actual: Listo (guardar el archivo)");
const QString kIdle = QStringLiteral("Estado actual: Inactivo");
const QString kSaveFailed = QStringLiteral("Estado actual: Listo (error al guardar; el archivo sigue pendiente)");

// A window in `programDirectory` with a KML result of ruta.gpx pending.
void ConvertGpx(ScriptedWindow& w, const QTemporaryDir& inputs) {
  w.window().StartUp({});
  w.window().ProcessFile(samples::Write(inputs, QStringLiteral("ruta.gpx"), samples::kGpx));
}

bool CanCreateFileIn(const QString& directory) {
  QFile probe(directory + QStringLiteral("/probe"));
  if (!probe.open(QIODevice::WriteOnly)) return false;
  probe.remove();
  return true;
}

}  // namespace

class SaveResultTest : public QObject {
  Q_OBJECT

 private slots:
  void saveToChosenFile_data();
  void saveToChosenFile();
  void failedSaveKeepsResultAndTarget_data();
  void failedSaveKeepsResultAndTarget();
  void saveAcrossVolumesCopies();
};

void SaveResultTest::saveToChosenFile_data() {
  QTest::addColumn<QString>("targetName");
  QTest::addColumn<QByteArray>("existing");  // null: no file there
  QTest::addColumn<int>("answer");           // -1: no question expected; 1 first button, 0 second
  QTest::addColumn<bool>("saved");

  QTest::newRow("new file") << "ruta.kml" << QByteArray() << -1 << true;
  QTest::newRow("empty file: no question") << "ruta.kml" << QByteArray("") << -1 << true;
  QTest::newRow("non-empty file, Reescribirlo") << "ruta.kml" << QByteArray("viejo") << 0 << true;
  QTest::newRow("non-empty file, Cancelar") << "ruta.kml" << QByteArray("viejo") << 1 << false;
  QTest::newRow("name without extension") << "salida" << QByteArray() << -1 << true;
}

void SaveResultTest::saveToChosenFile() {
  QFETCH(QString, targetName);
  QFETCH(QByteArray, existing);
  QFETCH(int, answer);
  QFETCH(bool, saved);

  QTemporaryDir directory;
  ScriptedWindow w(directory.path());
  ConvertGpx(w, directory);
  QDir(directory.path()).mkdir(QStringLiteral("salidas"));
  const QString target = directory.filePath(QStringLiteral("salidas/") + targetName);
  if (!existing.isNull()) samples::Write(directory, QStringLiteral("salidas/") + targetName, existing);
  const QByteArray result = samples::Read(directory.filePath(QStringLiteral("ruvela.tmp")));
  w.dialogs->saveAnswers << target;
  if (answer >= 0) w.prompt->answers << (answer == 1);

  w.Button("cmdSave")->click();

  QCOMPARE(w.dialogs->saveRequests.size(), 1);
  const FileDialogRequest& request = w.dialogs->saveRequests[0];
  QCOMPARE(request.title, QStringLiteral("Save file"));
  QCOMPARE(request.filter, QStringLiteral("Keyhole Markup Language (.kml)|*.kml|All Files (*.*)|*.*"));
  QCOMPARE(request.initialDirectory, directory.path() + u'/');
  QCOMPARE(request.fileName, QStringLiteral("ruta.kml"));

  QCOMPARE(w.prompt->questions.size(), answer >= 0 ? 1 : 0);
  if (answer >= 0) {
    QCOMPARE(w.prompt->questions[0].message,
             QStringLiteral("CUIDADO: El archivo ya existe para no cambiarlo hay que cancelar y usar otro nombre."));
  }
  QCOMPARE(w.window().Session().LastDirectory, directory.filePath(QStringLiteral("salidas/")));
  if (saved) {
    QCOMPARE(samples::Read(target), result);
    QCOMPARE(w.Status(), kIdle);
    QCOMPARE(w.EnabledCommands(), QStringLiteral("O---"));
    QVERIFY(!w.window().Session().HasPendingResult());
  } else {
    QCOMPARE(samples::Read(target), existing);
    QCOMPARE(w.Status(), kReady);
    QCOMPARE(w.EnabledCommands(), QStringLiteral("OSR-"));
    QVERIFY(w.window().Session().KmlResultPending);
  }
}

void SaveResultTest::failedSaveKeepsResultAndTarget_data() {
  QTest::addColumn<QString>("obstacle");
  QTest::newRow("read-only directory") << "read-only";
  QTest::newRow("directory does not exist") << "missing";
  QTest::newRow("a directory in the way") << "directory";
}

void SaveResultTest::failedSaveKeepsResultAndTarget() {
  QFETCH(QString, obstacle);
  QTemporaryDir directory;
  ScriptedWindow w(directory.path());
  ConvertGpx(w, directory);
  const QByteArray result = samples::Read(directory.filePath(QStringLiteral("ruvela.tmp")));

  QString target;
  QByteArray before;
  if (obstacle == u"read-only") {
    QDir(directory.path()).mkdir(QStringLiteral("cerrado"));
    target = samples::Write(directory, QStringLiteral("cerrado/ruta.kml"), "viejo");
    QFile::setPermissions(directory.filePath(QStringLiteral("cerrado")), QFile::ReadOwner | QFile::ExeOwner);
    if (CanCreateFileIn(directory.filePath(QStringLiteral("cerrado")))) {
      QSKIP("this user may write into read-only directories");
    }
    w.prompt->answers << false;  // Reescribirlo
    before = "viejo";
  } else if (obstacle == u"missing") {
    target = directory.filePath(QStringLiteral("no-existe/ruta.kml"));
  } else {
    target = directory.filePath(QStringLiteral("ruta.kml"));
    QDir(directory.path()).mkpath(QStringLiteral("ruta.kml/dentro"));
    w.prompt->answers << false;
  }
  w.dialogs->saveAnswers << target << target;

  w.Button("cmdSave")->click();

  QCOMPARE(w.Status(), kSaveFailed);
  QCOMPARE(w.EnabledCommands(), QStringLiteral("OSR-"));
  QVERIFY(w.window().Session().KmlResultPending);
  QCOMPARE(samples::Read(directory.filePath(QStringLiteral("ruvela.tmp"))), result);
  if (!before.isNull()) QCOMPARE(samples::Read(target), before);
  QCOMPARE(w.prompt->unscripted, 0);

  // The result can still be saved elsewhere.
  QFile::setPermissions(directory.filePath(QStringLiteral("cerrado")),
                        QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  w.dialogs->saveAnswers = {directory.filePath(QStringLiteral("otra.kml"))};
  w.Button("cmdSave")->click();
  QCOMPARE(samples::Read(directory.filePath(QStringLiteral("otra.kml"))), result);
  QCOMPARE(w.Status(), kIdle);
}

// The program's directory and the chosen file on different volumes: the
// result is copied beside the target and renamed over it.
void SaveResultTest::saveAcrossVolumesCopies() {
  QTemporaryDir programDirectory(QStringLiteral("/dev/shm/ruvela-test-XXXXXX"));
  QTemporaryDir inputs;
  if (!programDirectory.isValid() ||
      QStorageInfo(programDirectory.path()).device() == QStorageInfo(inputs.path()).device()) {
    QSKIP("needs two volumes: /dev/shm and the temporary directory");
  }
  ScriptedWindow w(programDirectory.path());
  ConvertGpx(w, inputs);
  const QString temporary = programDirectory.filePath(QStringLiteral("ruvela.tmp"));
  const QByteArray result = samples::Read(temporary);
  const QString target = samples::Write(inputs, QStringLiteral("ruta.kml"), "viejo");
  w.dialogs->saveAnswers << target;
  w.prompt->answers << false;  // Reescribirlo

  w.Button("cmdSave")->click();

  QCOMPARE(w.Status(), kIdle);
  QCOMPARE(samples::Read(target), result);
  QVERIFY(!QFile::exists(temporary));
  QCOMPARE(QDir(inputs.path()).entryList(QDir::Files | QDir::Hidden),
           QStringList({QStringLiteral("ruta.gpx"), QStringLiteral("ruta.kml")}));
}

QTEST_MAIN(SaveResultTest)
#include "save_result_test.moc"
