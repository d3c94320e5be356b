#include "options/kml_to_gpx_options_dialog.h"

#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "options/option_controls.h"
#include "support/memory_settings_store.h"

using namespace ruvela;

namespace {

struct Dialog {
  explicit Dialog(MemorySettingsStore& store) : dialog(store) {
    dialog.setCaptions();
    dialog.loadOptions();
  }
  OptionCheckBox* Check(const char* name) { return dialog.findChild<OptionCheckBox*>(name); }
  QLineEdit* Folder() { return dialog.findChild<QLineEdit*>("txtRouteItFolderName"); }

  // States and enabled flags of the three boxes: "ignore=0+ dup=0+ auto=1+".
  QString Boxes() {
    QStringList parts;
    for (const char* name : {"chkIgnoreRtWpts", "chkDupWpts", "chkAutoWRName"}) {
      parts << QString("%1%2").arg(int(Check(name)->state())).arg(Check(name)->isEnabled() ? "+" : "-");
    }
    return parts.join(' ');
  }

  KmlToGpxOptionsDialog dialog;
};

}  // namespace

class Kml2GpxOptionsDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void firstRunShowsTheDefaults() {
    MemorySettingsStore store;
    Dialog d(store);
    QCOMPARE(d.Folder()->text(), QString("Routes"));
    QCOMPARE(d.Boxes(), QString("0+ 0+ 1+"));
    QCOMPARE(d.Check("chkAutoWRName")->text(), QString("&Renombrar los Waypoints de las Rutas Automáticamente"));
    QVERIFY(d.Check("chkPathsAsTracks")->state() == ruvela::CheckState::Unchecked);
    QSet<QChar> accessKeys;
    for (const OptionCheckBox* box : d.dialog.findChildren<OptionCheckBox*>()) {
      const qsizetype amp = box->text().indexOf(u'&');
      QVERIFY(amp >= 0);
      accessKeys.insert(box->text().at(amp + 1).toLower());
    }
    QCOMPARE(accessKeys.size(), 4);  // each check box its own
  }

  void refreshEnabled_data() {
    QTest::addColumn<QString>("stored");  // ignore, duplicate, automatic
    QTest::addColumn<QString>("boxes");
    // clang-format off
    QTest::newRow("ignore disables both, states kept") << "1,1,0" << "1+ 1- 0-";
    QTest::newRow("duplicate disables automatic names") << "0,1,1" << "0+ 1+ 1-";
    QTest::newRow("grayed duplicate disables automatic names") << "0,2,1" << "0+ 2+ 1-";
    QTest::newRow("grayed ignore counts as not ignoring") << "2,0,1" << "2+ 0+ 1+";
    // clang-format on
  }
  void refreshEnabled() {
    QFETCH(QString, stored);
    QFETCH(QString, boxes);
    MemorySettingsStore store;
    const QStringList states = stored.split(',');
    store.values["KML2GPXOpts/chkIgnoreRtWpts"] = states[0];
    store.values["KML2GPXOpts/chkDupWpts"] = states[1];
    store.values["KML2GPXOpts/chkAutoWRName"] = states[2];
    Dialog d(store);
    QCOMPARE(d.Boxes(), boxes);
  }

  void clickingFollowsTheRules() {
    MemorySettingsStore store;
    Dialog d(store);
    d.dialog.show();
    QTest::mouseClick(d.Check("chkDupWpts"), Qt::LeftButton);
    QCOMPARE(d.Boxes(), QString("0+ 1+ 1-"));
    QTest::mouseClick(d.Check("chkIgnoreRtWpts"), Qt::LeftButton);
    QCOMPARE(d.Boxes(), QString("1+ 1- 1-"));
    QTest::mouseClick(d.Check("chkIgnoreRtWpts"), Qt::LeftButton);
    QCOMPARE(d.Boxes(), QString("0+ 1+ 1-"));
    QTest::mouseClick(d.Check("chkDupWpts"), Qt::LeftButton);
    QCOMPARE(d.Boxes(), QString("0+ 0+ 1+"));
  }

  void folderNameIsTrimmedWhenLeftAndWhenWritten() {
    MemorySettingsStore store;
    store.values["KML2GPXOpts/txtRouteItFolderName"] = "  Mis Rutas ";
    Dialog d(store);
    QCOMPARE(d.Folder()->text(), QString("Mis Rutas"));
    d.dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&d.dialog));
    d.Folder()->setFocus(Qt::TabFocusReason);
    d.Folder()->setText("  Otra ");
    d.Check("chkDupWpts")->setFocus(Qt::TabFocusReason);
    QCOMPARE(d.Folder()->text(), QString("Otra"));
    d.Folder()->setText(" Sin recortar ");
    d.dialog.saveOptions();
    QCOMPARE(store.values["KML2GPXOpts/txtRouteItFolderName"], QString("Sin recortar"));
    QCOMPARE(store.writes,
             QStringList({"KML2GPXOpts/chkIgnoreRtWpts", "KML2GPXOpts/chkAutoWRName", "KML2GPXOpts/chkDupWpts",
                          "KML2GPXOpts/txtRouteItFolderName", "KML2GPXOpts/chkPathsAsTracks"}));
  }

  void grayedStateSurvivesARoundTrip() {
    MemorySettingsStore store;
    store.values["KML2GPXOpts/chkDupWpts"] = "2";
    Dialog d(store);
    d.dialog.saveOptions();
    QCOMPARE(store.values["KML2GPXOpts/chkDupWpts"], QString("2"));
    QVERIFY(d.dialog.values().duplicateRouteWaypoints == ruvela::CheckState::Grayed);
  }

  void defaultRestoresWithoutWriting() {
    MemorySettingsStore store;
    store.values["KML2GPXOpts/chkIgnoreRtWpts"] = "1";
    store.values["KML2GPXOpts/txtRouteItFolderName"] = "Otra";
    store.values["KML2GPXOpts/chkPathsAsTracks"] = "1";
    Dialog d(store);
    QVERIFY(d.dialog.values().pathsAsTracks == ruvela::CheckState::Checked);
    QTest::mouseClick(d.dialog.findChild<QPushButton*>("cmdDefault"), Qt::LeftButton);
    QVERIFY(d.dialog.values().pathsAsTracks == ruvela::CheckState::Unchecked);
    QCOMPARE(d.Folder()->text(), QString("Routes"));
    QCOMPARE(d.Boxes(), QString("0+ 0+ 1+"));
    QVERIFY(store.writes.isEmpty());
  }

  void enterPressesOkAndEscapeDoesNothing() {
    MemorySettingsStore store;
    Dialog d(store);
    d.dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&d.dialog));
    QTest::keyClick(&d.dialog, Qt::Key_Escape);
    QVERIFY(d.dialog.isVisible());
    QTest::keyClick(d.Folder(), Qt::Key_Return);
    QVERIFY(!d.dialog.isVisible());
  }
};

QTEST_MAIN(Kml2GpxOptionsDialogTest)
#include "kml_to_gpx_options_dialog_test.moc"
