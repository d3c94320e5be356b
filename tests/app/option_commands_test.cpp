// The option dialogs as the main window uses them: opened from the Options
// menu, read at every conversion, kept between runs.
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "app/main_window.h"
#include "options/gpx_to_kml_options_dialog.h"
#include "options/kml_to_gpx_options_dialog.h"
#include "sample_files.h"
#include "scripted_services.h"

using namespace ruvela;

namespace {

QByteArray Result(const QTemporaryDir& directory) {
  QFile file(directory.filePath(QStringLiteral("ruvela.tmp")));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Opens an option dialog from its menu item and presses its OK button once
// the dialog is up.
void OpenAndAccept(ScriptedWindow& w, const char* menuItem) {
  QTimer::singleShot(0, [] {
    QWidget* dialog = QApplication::activeModalWidget();
    if (dialog != nullptr) dialog->findChild<QPushButton*>(QStringLiteral("cmdOptOK"))->click();
  });
  w.Action(menuItem)->trigger();
}

}  // namespace

class OptionCommandsTest : public QObject {
  Q_OBJECT

 private slots:
  void optionItemsAreOffWhileConverting() {
    QTemporaryDir directory;
    ScriptedWindow w(directory.path());
    w.window().startUp({});
    QVERIFY(w.Action("mnuGPX2KML")->isEnabled() && w.Action("mnuKML2GPX")->isEnabled());
    bool enabledDuringConversion = true;
    w.events->actions <<
        [&] { enabledDuringConversion = w.Action("mnuGPX2KML")->isEnabled() || w.Action("mnuKML2GPX")->isEnabled(); };
    w.window().processFile(samples::Write(directory, QStringLiteral("a.gpx"), samples::kGpx));
    QVERIFY(!enabledDuringConversion);
    QVERIFY(w.Action("mnuGPX2KML")->isEnabled() && w.Action("mnuKML2GPX")->isEnabled());
  }

  void aChangedOptionChangesTheNextConversion() {
    QTemporaryDir directory;
    ScriptedWindow w(directory.path());
    w.window().startUp({});
    const QString input = samples::Write(directory, QStringLiteral("a.gpx"), samples::kTracksOnlyGpx);
    w.window().processFile(input);
    QVERIFY(Result(directory).contains("-58.1,-34.1,25\r\n"));

    auto* options = w.window().findChild<GpxToKmlOptionsDialog*>();
    options->findChild<QRadioButton*>(QStringLiteral("OptTrkTrueEle"))->setChecked(true);
    options->findChild<QLineEdit*>(QStringLiteral("txtTrkOffset"))->setText(QStringLiteral("100"));
    w.window().processFile(input);
    QVERIFY2(Result(directory).contains("-58.1,-34.1,105\r\n"), Result(directory).constData());
  }

  void closingAnOptionDialogInvitesReprocessing() {
    QTemporaryDir directory;
    ScriptedWindow w(directory.path());
    w.window().show();
    QVERIFY(QTest::qWaitForWindowActive(&w.window()));
    w.window().startUp({});
    w.window().processFile(samples::Write(directory, QStringLiteral("a.gpx"), samples::kGpx));
    QCOMPARE(w.window().focusWidget(), w.Button("cmdSave"));

    OpenAndAccept(w, "mnuKML2GPX");  // the other direction: no invitation
    QCOMPARE(w.window().focusWidget(), w.Button("cmdSave"));
    OpenAndAccept(w, "mnuGPX2KML");
    QVERIFY(w.Button("cmdReprocess")->isEnabled());
    QCOMPARE(w.window().focusWidget(), w.Button("cmdReprocess"));
  }

  void noInvitationOnceTheResultIsSaved() {
    QTemporaryDir directory;
    ScriptedWindow w(directory.path());
    w.window().startUp({});
    w.window().processFile(samples::Write(directory, QStringLiteral("a.gpx"), samples::kGpx));
    w.dialogs->saveAnswers << directory.filePath(QStringLiteral("a.kml"));
    w.window().saveResult();
    QVERIFY(!w.Button("cmdReprocess")->isEnabled());
    OpenAndAccept(w, "mnuGPX2KML");
    QVERIFY(!w.Button("cmdReprocess")->isEnabled());
  }

  void optionsSurviveARestart() {
    QTemporaryDir directory;
    MemorySettingsStore keptBetweenRuns;
    {
      ScriptedWindow first(directory.path());
      first.window().startUp({});
      first.window()
          .findChild<GpxToKmlOptionsDialog*>()
          ->findChild<QLineEdit*>(QStringLiteral("txtT_ele"))
          ->setText("40");
      auto* kmlOptions = first.window().findChild<KmlToGpxOptionsDialog*>();
      kmlOptions->findChild<QLineEdit*>(QStringLiteral("txtRouteItFolderName"))->setText(QStringLiteral(" Rutas "));
      kmlOptions->findChild<QCheckBox*>(QStringLiteral("chkPathsAsTracks"))->setChecked(true);
      first.window().close();
      keptBetweenRuns.values = first.settings->values;
      QCOMPARE(first.settings->writes.first(), QStringLiteral("File/g_sPath"));
      QCOMPARE(first.settings->writes.size(), 1 + 9 + 5);
      QCOMPARE(first.settings->writes[1], QStringLiteral("GPX2KMLOpts/OptCONSTT"));
      QCOMPARE(first.settings->writes.last(), QStringLiteral("KML2GPXOpts/chkPathsAsTracks"));
    }
    ScriptedWindow second(directory.path());
    second.settings->values = keptBetweenRuns.values;
    second.window().startUp({});
    QCOMPARE(second.window().findChild<GpxToKmlOptionsDialog*>()->values().constantTrackElevation, std::string("40"));
    QCOMPARE(second.window().findChild<KmlToGpxOptionsDialog*>()->values().routeFolderName, std::string("Rutas"));
    second.window().processFile(samples::Write(directory, QStringLiteral("b.gpx"), samples::kTracksOnlyGpx));
    QVERIFY(Result(directory).contains("-58.1,-34.1,40\r\n"));
    // Paths become tracks, and the track line counts their points.
    second.window().processFile(samples::Write(
        directory, QStringLiteral("c.kml"),
        "<kml><Folder><name>F</name><Placemark><name>Camino</name><LineString><coordinates>1,2 3,4</coordinates>"
        "</LineString></Placemark></Folder></kml>"));
    QCOMPARE(second.Status(), QStringLiteral("Estado actual: Listo (guardar el archivo)"));
    QCOMPARE(second.Text("lblTRK"), QStringLiteral("Carpetas     : 1 | Tracks       : pts = 2"));
    QVERIFY(Result(directory).contains("<name>Camino</name>\r\n    <trkseg>\r\n"));
  }
};

QTEST_MAIN(OptionCommandsTest)
#include "option_commands_test.moc"
