// Saving the pending result: the question for a non-empty file, and a
// failed save that leaves both the chosen file and the result as they were.
#include <QDir>
#include <QFile>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QTest>

#include "app/result_saver.h"
#include "sample_files.h"
#include "scripted_services.h"

using namespace ruvela;

namespace {

const QString kIdle = QStringLiteral("Inactivo");
const QString kSaveFailed = QStringLiteral("Listo (error al guardar; el archivo sigue pendiente)");
const QByteArray kResult = "<kml>\r\n</kml>\r\n";

// A KML result of ruta.gpx pending in `programDirectory`, which was read
// from `inputs`.
struct PendingKml {
  PendingKml(const QTemporaryDir& programDirectory, const QTemporaryDir& inputs)
      : temporary(samples::Write(programDirectory, QStringLiteral("ruvela.tmp"), kResult)),
        saver(dialogs, questions, session, temporary) {
    session.pending = PendingResult::Kml;
    session.lastDirectory = inputs.path() + u'/';
    session.inputBaseName = QStringLiteral("ruta");
  }

  ScriptedFileDialogs dialogs;
  ScriptedPrompt prompt;
  UserQuestions questions{prompt, [] {}};
  ConversionSession session;
  QString temporary;
  ResultSaver saver;
};

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
  PendingKml pending(directory, directory);
  QDir(directory.path()).mkdir(QStringLiteral("salidas"));
  const QString target = directory.filePath(QStringLiteral("salidas/") + targetName);
  if (!existing.isNull()) samples::Write(directory, QStringLiteral("salidas/") + targetName, existing);
  pending.dialogs.saveAnswers << target;
  if (answer >= 0) pending.prompt.answers << (answer == 1);

  const ResultSaver::Result result = pending.saver.save(nullptr);

  QCOMPARE(pending.dialogs.saveRequests.size(), 1);
  const FileDialogRequest& request = pending.dialogs.saveRequests[0];
  QCOMPARE(request.title, QStringLiteral("Save file"));
  QCOMPARE(request.filter, QStringLiteral("Keyhole Markup Language (.kml)|*.kml|All Files (*.*)|*.*"));
  QCOMPARE(request.initialDirectory, directory.path() + u'/');
  QCOMPARE(request.fileName, QStringLiteral("ruta.kml"));

  QCOMPARE(pending.prompt.questions.size(), answer >= 0 ? 1 : 0);
  if (answer >= 0) {
    QCOMPARE(pending.prompt.questions[0].message,
             QStringLiteral("CUIDADO: El archivo ya existe para no cambiarlo hay que cancelar y usar otro nombre."));
  }
  QCOMPARE(pending.session.lastDirectory, directory.filePath(QStringLiteral("salidas/")));
  if (saved) {
    QCOMPARE(samples::Read(target), kResult);
    QCOMPARE(result.status, kIdle);
    QVERIFY(!pending.session.hasPendingResult());
  } else {
    QCOMPARE(samples::Read(target), existing);
    QCOMPARE(result.outcome, ResultSaver::Outcome::Cancelled);
    QCOMPARE(result.status, QString());
    QVERIFY(pending.session.pending == PendingResult::Kml);
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
  PendingKml pending(directory, directory);

  QString target;
  QByteArray before;
  if (obstacle == u"read-only") {
    QDir(directory.path()).mkdir(QStringLiteral("cerrado"));
    target = samples::Write(directory, QStringLiteral("cerrado/ruta.kml"), "viejo");
    QFile::setPermissions(directory.filePath(QStringLiteral("cerrado")), QFile::ReadOwner | QFile::ExeOwner);
    if (CanCreateFileIn(directory.filePath(QStringLiteral("cerrado")))) {
      QSKIP("this user may write into read-only directories");
    }
    pending.prompt.answers << false;  // Reescribirlo
    before = "viejo";
  } else if (obstacle == u"missing") {
    target = directory.filePath(QStringLiteral("no-existe/ruta.kml"));
  } else {
    target = directory.filePath(QStringLiteral("ruta.kml"));
    QDir(directory.path()).mkpath(QStringLiteral("ruta.kml/dentro"));
    pending.prompt.answers << false;
  }
  pending.dialogs.saveAnswers << target;

  const ResultSaver::Result failed = pending.saver.save(nullptr);

  QCOMPARE(failed.outcome, ResultSaver::Outcome::Failed);
  QCOMPARE(failed.status, kSaveFailed);
  QVERIFY(failed.statusTip.startsWith(QDir::toNativeSeparators(target) + QStringLiteral(": ")));
  QVERIFY(pending.session.pending == PendingResult::Kml);
  QCOMPARE(samples::Read(pending.temporary), kResult);
  if (!before.isNull()) QCOMPARE(samples::Read(target), before);
  QCOMPARE(pending.prompt.unscripted, 0);

  // The result can still be saved elsewhere.
  QFile::setPermissions(directory.filePath(QStringLiteral("cerrado")),
                        QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  pending.dialogs.saveAnswers = {directory.filePath(QStringLiteral("otra.kml"))};
  QCOMPARE(pending.saver.save(nullptr).status, kIdle);
  QCOMPARE(samples::Read(directory.filePath(QStringLiteral("otra.kml"))), kResult);
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
  PendingKml pending(programDirectory, inputs);
  const QString target = samples::Write(inputs, QStringLiteral("ruta.kml"), "viejo");
  pending.dialogs.saveAnswers << target;
  pending.prompt.answers << false;  // Reescribirlo

  QCOMPARE(pending.saver.save(nullptr).status, kIdle);

  QCOMPARE(samples::Read(target), kResult);
  QVERIFY(!QFile::exists(pending.temporary));
  QCOMPARE(QDir(inputs.path()).entryList(QDir::Files | QDir::Hidden), QStringList({QStringLiteral("ruta.kml")}));
}

QTEST_MAIN(SaveResultTest)
#include "save_result_test.moc"
