// The window's save meeting faults where the user chose to put the result:
// a read-only directory, a directory in place of the file, another file
// system, a full disk. The user's file is byte for byte what it was unless
// the whole result replaced it, the pending result survives a failed save,
// and the status line says what happened. Also a conversion whose own
// temporary file cannot be written.
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <string>

#include "hostile_documents.h"
#include "posix_faults.h"
#include "sample_files.h"
#include "scripted_services.h"

using namespace ruvela;

namespace {

using ruvela::robustness::TemporaryMount;

const QString kReady = QStringLiteral("Estado actual: Listo (guardar el archivo)");
const QString kIdle = QStringLiteral("Estado actual: Inactivo");
const QString kSaveFailed = QStringLiteral("Estado actual: Listo (error al guardar; el archivo sigue pendiente)");
const QString kLoadError = QStringLiteral("Estado actual: Inactivo (Ultimo archivo con error)");
const QByteArray kUsersFile = "Contenido anterior del usuario.\r\n";

QString FromPath(const std::filesystem::path& path) { return QString::fromStdString(path.string()); }

QStringList Entries(const QString& directory) {
  return QDir(directory).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

QString StatusToolTip(ScriptedWindow& w) { return w.window().findChild<QLabel*>(QStringLiteral("lblSTAT"))->toolTip(); }

// Where the result is to go, or why that cannot be arranged here.
struct Arrangement {
  QString target;
  QString skipReason;
};

}  // namespace

class SaveFaultsWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void failedOrCrossingSave_data();
  void failedOrCrossingSave();
  void fullProgramDirectory();

 private:
  Arrangement Arrange(const QString& fault, const QTemporaryDir& scratch);
  std::unique_ptr<TemporaryMount> mount_;
  std::unique_ptr<QTemporaryDir> shm_;
};

namespace {

QString UsersFileIn(const QString& directory) {
  const QString target = directory + QStringLiteral("/ruta.kml");
  QFile file(target);
  if (file.open(QIODevice::WriteOnly)) file.write(kUsersFile);
  return target;
}

}  // namespace

Arrangement SaveFaultsWindowTest::Arrange(const QString& fault, const QTemporaryDir& scratch) {
  if (fault == u"read-only") {
    mount_ = std::make_unique<TemporaryMount>(1024);
    if (!mount_->path().empty()) {
      const QString target = UsersFileIn(FromPath(mount_->path()));
      if (mount_->MakeReadOnly()) return {target, {}};
    }
    QDir(scratch.path()).mkdir(QStringLiteral("cerrado"));
    const QString directory = scratch.filePath(QStringLiteral("cerrado"));
    const QString target = UsersFileIn(directory);
    QFile::setPermissions(directory, QFile::ReadOwner | QFile::ExeOwner);
    if (ruvela::robustness::CanCreateFileIn(directory.toStdString())) {
      return {target, QStringLiteral("this user writes into read-only directories and no read-only file system "
                                     "could be mounted (%1)")
                          .arg(QString::fromStdString(mount_->whyNot()))};
    }
    return {target, {}};
  }
  if (fault == u"directory") {
    const QString target = scratch.filePath(QStringLiteral("salidas/ruta.kml"));
    QDir(scratch.path()).mkpath(QStringLiteral("salidas/ruta.kml"));
    UsersFileIn(target);
    return {target, {}};
  }
  mount_ = std::make_unique<TemporaryMount>(fault == u"disk full" ? 64 : 16 * 1024);
  if (mount_->path().empty() && fault == u"another file system") {
    // /dev/shm serves when it is another file system.
    shm_ = std::make_unique<QTemporaryDir>(QStringLiteral("/dev/shm/ruvela-robustness-XXXXXX"));
    if (shm_->isValid() &&
        !ruvela::robustness::SameFileSystem(shm_->path().toStdString(), scratch.path().toStdString())) {
      return {UsersFileIn(shm_->path()), {}};
    }
  }
  if (mount_->path().empty()) return {{}, QString::fromStdString(mount_->whyNot())};
  if (ruvela::robustness::SameFileSystem(mount_->path(), scratch.path().toStdString())) {
    return {{}, QStringLiteral("the mount is on the program directory's file system")};
  }
  return {UsersFileIn(FromPath(mount_->path())), {}};
}

void SaveFaultsWindowTest::failedOrCrossingSave_data() {
  QTest::addColumn<QString>("fault");
  QTest::addColumn<bool>("saved");
  QTest::newRow("target directory read-only") << "read-only" << false;
  QTest::newRow("target is a directory") << "directory" << false;
  QTest::newRow("target on another file system") << "another file system" << true;
  QTest::newRow("disk full") << "disk full" << false;
}

void SaveFaultsWindowTest::failedOrCrossingSave() {
  QFETCH(QString, fault);
  QFETCH(bool, saved);
  QTemporaryDir programDirectory;
  // About 200 KB of KML: more than the small disk holds.
  const QString input = samples::Write(programDirectory, QStringLiteral("ruta.gpx"),
                                       QByteArray::fromStdString(ruvela::robustness::LongRouteGpx(200)));
  const Arrangement arranged = Arrange(fault, programDirectory);
  if (!arranged.skipReason.isEmpty()) QSKIP(qPrintable(arranged.skipReason));
  const QString targetDirectory = QFileInfo(arranged.target).absolutePath();
  const QStringList entriesBefore = Entries(targetDirectory);

  ScriptedWindow w(programDirectory.path());
  w.window().startUp({});
  w.window().processFile(input);
  QCOMPARE(w.Status(), kReady);
  const QString temporary = programDirectory.filePath(QStringLiteral("ruvela.tmp"));
  const QByteArray result = samples::Read(temporary);
  QVERIFY(result.size() > 64 * 1024);
  w.dialogs->saveAnswers << arranged.target;
  w.prompt->answers << false;  // Reescribirlo

  w.Button("cmdSave")->click();

  QCOMPARE(w.prompt->questions.size(), 1);
  QCOMPARE(Entries(targetDirectory), entriesBefore);
  // The scratch directory can be removed again, whatever happens below.
  QFile::setPermissions(targetDirectory, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  if (saved) {
    QCOMPARE(w.Status(), kIdle);
    QCOMPARE(samples::Read(arranged.target), result);
    QVERIFY(!QFile::exists(temporary));
    return;
  }
  QCOMPARE(w.Status(), kSaveFailed);
  QVERIFY(StatusToolTip(w).startsWith(QDir::toNativeSeparators(arranged.target) + QStringLiteral(": ")));
  QVERIFY(StatusToolTip(w).size() > arranged.target.size() + 2);
  QVERIFY(w.window().session().pending == PendingResult::Kml);
  QCOMPARE(samples::Read(temporary), result);
  if (fault == u"directory") {
    QCOMPARE(Entries(arranged.target), QStringList{QStringLiteral("ruta.kml")});
  } else {
    QCOMPARE(samples::Read(arranged.target), kUsersFile);
  }
}

// The program's directory is full: the conversion cannot write its pending
// result. The window says so, nothing is pending, and it goes on working.
void SaveFaultsWindowTest::fullProgramDirectory() {
  TemporaryMount programDirectory(64);
  if (programDirectory.path().empty()) QSKIP(programDirectory.whyNot().c_str());
  QTemporaryDir inputs;
  const QString input = samples::Write(inputs, QStringLiteral("ruta.gpx"),
                                       QByteArray::fromStdString(ruvela::robustness::LongRouteGpx(200)));
  ScriptedWindow w(FromPath(programDirectory.path()));
  w.window().startUp({});

  w.window().processFile(input);

  QCOMPARE(w.Status(), kLoadError);
  QVERIFY(!StatusToolTip(w).isEmpty());
  QVERIFY(!w.window().session().hasPendingResult());
  QCOMPARE(w.EnabledCommands(), QStringLiteral("O---"));

  // A small result still fits: the window was not left in a broken state.
  w.window().processFile(samples::Write(inputs, QStringLiteral("corta.gpx"), samples::kGpx));
  QCOMPARE(w.Status(), kReady);
}

QTEST_MAIN(SaveFaultsWindowTest)
#include "save_faults_window_test.moc"
