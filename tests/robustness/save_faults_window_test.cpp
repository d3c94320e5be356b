// The window's save meeting the save-fault table: the user's file is as it
// was unless the whole result replaced it, a failed save keeps the result
// pending (it can still be saved elsewhere), and the status line says what
// happened. Also a conversion whose own temporary file cannot be written.
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <filesystem>

#include "sample_files.h"
#include "save_faults.h"
#include "scripted_services.h"

using namespace ruvela;
using namespace ruvela::robustness;

static QString StatusToolTip(ScriptedWindow& w) { return w.window().findChild<QLabel*>("lblSTAT")->toolTip(); }

static QByteArray RouteOf200Points() { return QByteArray::fromStdString(RouteGpx(200)); }

class SaveFaultsWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void saveFault_data() {
    QTest::addColumn<int>("row");
    for (const SaveFaultRow& fault : kSaveFaults) QTest::newRow(fault.name.data()) << int(&fault - kSaveFaults);
  }

  void saveFault() {
    QFETCH(int, row);
    const SaveFaultRow& fault = kSaveFaults[row];
    QTemporaryDir programDirectory;
    const QString input = samples::Write(programDirectory, QStringLiteral("ruta.gpx"), RouteOf200Points());
    const ArrangedSaveFault arranged(fault.name, programDirectory.path().toStdString());
    if (!arranged.skipReason.empty()) QSKIP(arranged.skipReason.c_str());
    auto expected = arranged.contents();
    const QString target = QString::fromStdString(arranged.target.string());
    ScriptedWindow w(programDirectory.path());
    w.window().startUp({});
    w.window().processFile(input);
    const QString temporary = programDirectory.filePath(QStringLiteral("ruvela.tmp"));
    const QByteArray result = samples::Read(temporary);
    QVERIFY(result.size() > 64 * 1024);
    w.dialogs->saveAnswers << target;
    w.prompt->answers << false;  // Reescribirlo, when asked: only when something is there

    w.Button("cmdSave")->click();

    QCOMPARE(w.prompt->questions.size(), expected.empty() ? 0 : 1);
    if (fault.saved) expected[arranged.target.string()] = result.toStdString();
    QVERIFY(arranged.contents() == expected);
    if (fault.saved) {
      QCOMPARE(w.Status(), QStringLiteral("Estado actual: Inactivo"));
      QVERIFY(!QFile::exists(temporary));
      return;
    }
    QCOMPARE(w.Status(), QStringLiteral("Estado actual: Listo (error al guardar; el archivo sigue pendiente)"));
    QVERIFY2(StatusToolTip(w).contains(target + QStringLiteral(": ") + fault.words), qPrintable(StatusToolTip(w)));
    QCOMPARE(samples::Read(temporary), result);
    w.dialogs->saveAnswers << programDirectory.filePath(QStringLiteral("otra.kml"));
    w.Button("cmdSave")->click();
    QCOMPARE(samples::Read(programDirectory.filePath(QStringLiteral("otra.kml"))), result);
  }

  // A replaced file keeps its permissions, and a link to it stays a link
  // while the file it names is replaced.
  void replacedFileKeepsItsModeAndLink() {
    namespace fs = std::filesystem;
    QTemporaryDir programDirectory;
    const QString input = samples::Write(programDirectory, QStringLiteral("ruta.gpx"), RouteOf200Points());
    const fs::path file = samples::Write(programDirectory, QStringLiteral("privado.kml"), "anterior").toStdString();
    const auto mode = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(file, mode);
    const QString link = programDirectory.filePath(QStringLiteral("enlace.kml"));
    fs::create_symlink(file, link.toStdString());
    ScriptedWindow w(programDirectory.path());
    w.window().startUp({});
    w.window().processFile(input);
    w.dialogs->saveAnswers << link;
    w.prompt->answers << false;  // Reescribirlo

    w.Button("cmdSave")->click();

    QCOMPARE(w.Status(), QStringLiteral("Estado actual: Inactivo"));
    QVERIFY(QFileInfo(link).isSymLink());
    QCOMPARE(fs::status(file).permissions() & fs::perms::mask, mode);
    QVERIFY(samples::Read(QString::fromStdString(file.string())).startsWith("<?xml"));
  }

  // The program's directory is full: the conversion cannot write its
  // pending result. The window says so, nothing is pending, and it goes on.
  void fullProgramDirectory() {
    TemporaryMount programDirectory(64);
    if (programDirectory.path.empty()) QSKIP(programDirectory.whyNot.c_str());
    QTemporaryDir inputs;
    ScriptedWindow w(QString::fromStdString(programDirectory.path.string()));
    w.window().startUp({});

    w.window().processFile(samples::Write(inputs, QStringLiteral("ruta.gpx"), RouteOf200Points()));

    QCOMPARE(w.Status(), QStringLiteral("Estado actual: Inactivo (Ultimo archivo con error)"));
    QVERIFY(StatusToolTip(w).endsWith(QStringLiteral("ruvela.tmp: no queda espacio en el disco")));
    QCOMPARE(w.EnabledCommands(), QStringLiteral("O---"));
    w.window().processFile(samples::Write(inputs, QStringLiteral("corta.gpx"), samples::kGpx));
    QCOMPARE(w.Status(), QStringLiteral("Estado actual: Listo (guardar el archivo)"));
  }
};

QTEST_MAIN(SaveFaultsWindowTest)
#include "save_faults_window_test.moc"
