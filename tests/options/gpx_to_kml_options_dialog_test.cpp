#include "options/gpx_to_kml_options_dialog.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "options/option_controls.h"
#include "support/memory_settings_store.h"

using namespace ruvela;

namespace {

struct Dialog {
  explicit Dialog(MemorySettingsStore& store) : dialog(store) {
    dialog.setWindowTitle("Opciones de conversión GPX -> KML");
    dialog.setCaptions();
    dialog.loadOptions();
  }
  template <typename T>
  T* Find(const char* name) {
    T* widget = dialog.findChild<T*>(name);
    if (widget == nullptr) qFatal("no control %s", name);
    return widget;
  }
  QRadioButton* Option(const char* name) { return Find<QRadioButton>(name); }
  QCheckBox* Check(const char* name) { return Find<QCheckBox>(name); }
  QLineEdit* Box(const char* name) { return Find<QLineEdit>(name); }

  // Which dependent controls are enabled, in one text: "ABS off T_ele on ..."
  QString Enabled() {
    QStringList parts;
    for (const char* name : {"chkTrkOffset", "chkTrkEleABS"}) {
      parts << QString("%1=%2").arg(name).arg(Check(name)->isEnabled() ? "on" : "off");
    }
    for (const char* name : {"txtT_ele", "txtTrkMultip", "txtTrkOffset", "txtR_ele"}) {
      parts << QString("%1=%2").arg(name).arg(Box(name)->isEnabled() ? "on" : "off");
    }
    return parts.join(' ');
  }

  GpxToKmlOptionsDialog dialog;
};

}  // namespace

class Gpx2KmlOptionsDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void firstRunShowsTheDefaults() {
    MemorySettingsStore store;
    Dialog d(store);
    QVERIFY(d.Option("OptCONSTT")->isChecked());
    QVERIFY(!d.Option("OptTrkMultip")->isChecked());
    QCOMPARE(d.Check("chkTrkEleABS")->checkState(), Qt::Checked);
    QCOMPARE(d.Check("chkTrkOffset")->checkState(), Qt::Checked);
    QCOMPARE(d.Box("txtT_ele")->text(), QString("25"));
    QCOMPARE(d.Box("txtR_ele")->text(), QString("25"));
    QCOMPARE(d.Box("txtTrkMultip")->text(), QString("200"));
    QCOMPARE(d.Box("txtTrkOffset")->text(), QString("50"));
    QCOMPARE(d.Enabled(),
             QString("chkTrkOffset=off chkTrkEleABS=off txtT_ele=on txtTrkMultip=off txtTrkOffset=off txtR_ele=on"));
    QCOMPARE(d.Option("OptTrkTrueEle")->text(), QString("Alturas Re&gistradas en el Track (AReT)"));
    QCOMPARE(d.Check("chkTrkOffset")->toolTip(),
             QString("El valor se agrega al registrado en el track para asegurar que surja sobre el \"Terrain\""));
    QVERIFY(store.writes.isEmpty());
  }

  void refreshEnabled_data() {
    QTest::addColumn<QString>("select");
    QTest::addColumn<bool>("offsetChecked");
    QTest::addColumn<QString>("enabled");
    // clang-format off
    QTest::newRow("recorded") << "OptTrkTrueEle" << true
                              << "chkTrkOffset=on chkTrkEleABS=on txtT_ele=off txtTrkMultip=off txtTrkOffset=on "
                                 "txtR_ele=on";
    QTest::newRow("recorded without offset")
        << "OptTrkTrueEle" << false
        << "chkTrkOffset=on chkTrkEleABS=on txtT_ele=off txtTrkMultip=off txtTrkOffset=off txtR_ele=on";
    QTest::newRow("amplified") << "OptTrkMultip" << true
                               << "chkTrkOffset=off chkTrkEleABS=on txtT_ele=off txtTrkMultip=on txtTrkOffset=off "
                                  "txtR_ele=on";
    QTest::newRow("constant") << "OptCONSTT" << true
                              << "chkTrkOffset=off chkTrkEleABS=off txtT_ele=on txtTrkMultip=off txtTrkOffset=off "
                                 "txtR_ele=on";
    // clang-format on
  }
  void refreshEnabled() {
    QFETCH(QString, select);
    QFETCH(bool, offsetChecked);
    QFETCH(QString, enabled);
    MemorySettingsStore store;
    Dialog d(store);
    d.dialog.show();
    QTest::mouseClick(d.Option(select.toUtf8().constData()), Qt::LeftButton);
    if (!offsetChecked) QTest::mouseClick(d.Check("chkTrkOffset"), Qt::LeftButton);
    QCOMPARE(d.Enabled(), enabled);
    QCOMPARE(d.Box("txtTrkOffset")->text(), QString("50"));  // disabling keeps the value
  }

  void storedValuesComeBack_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("shown");
    // clang-format off
    QTest::newRow("amplifier option") << "OptTrkMultip" << "1" << "options=010";
    QTest::newRow("two options select, the last wins") << "OptCONSTT,OptTrkTrueEle" << "-1" << "options=001";
    QTest::newRow("no option") << "OptCONSTT" << "0" << "options=000";
    QTest::newRow("grayed absolute") << "chkTrkEleABS" << "2" << "chkTrkEleABS=2";
    QTest::newRow("check state out of range") << "chkTrkOffset" << "7" << "chkTrkOffset=1";
    QTest::newRow("check state not a number") << "chkTrkOffset" << "x" << "chkTrkOffset=0";
    QTest::newRow("amplifier shortest text") << "txtTrkMultip" << "0200" << "txtTrkMultip=200";
    QTest::newRow("amplifier not a number") << "txtTrkMultip" << "abc" << "txtTrkMultip=0";
    QTest::newRow("amplifier out of range") << "txtTrkMultip" << "99999" << "txtTrkMultip=200";
    QTest::newRow("elevation kept as stored") << "txtT_ele" << "0030" << "txtT_ele=0030";
    QTest::newRow("elevation not a number") << "txtR_ele" << "alto" << "txtR_ele=25";
    QTest::newRow("offset not whole") << "txtTrkOffset" << "12.5" << "txtTrkOffset=50";
    // clang-format on
  }
  void storedValuesComeBack() {
    QFETCH(QString, key);
    QFETCH(QString, stored);
    QFETCH(QString, shown);
    MemorySettingsStore store;
    if (key.contains(',')) store.values["GPX2KMLOpts/OptCONSTT"] = "0";
    for (const QString& k : key.split(',')) store.values["GPX2KMLOpts/" + k] = stored;
    Dialog d(store);
    const QString field = shown.section('=', 0, 0);
    QString actual;
    if (field == "options") {
      actual = QString("options=%1%2%3")
                   .arg(int(d.Option("OptCONSTT")->isChecked()))
                   .arg(int(d.Option("OptTrkMultip")->isChecked()))
                   .arg(int(d.Option("OptTrkTrueEle")->isChecked()));
    } else if (field.startsWith("chk")) {
      actual = QString("%1=%2").arg(field).arg(int(d.Find<OptionCheckBox>(field.toUtf8().constData())->state()));
    } else {
      actual = field + "=" + d.Box(field.toUtf8().constData())->text();
    }
    QCOMPARE(actual, shown);
  }

  void everyKeyIsWrittenInItsForm() {
    MemorySettingsStore store;
    store.values["GPX2KMLOpts/OptTrkMultip"] = "1";
    store.values["GPX2KMLOpts/chkTrkEleABS"] = "2";
    store.values["GPX2KMLOpts/txtT_ele"] = " 30";
    Dialog d(store);
    d.dialog.saveOptions();
    QCOMPARE(store.writes,
             QStringList({"GPX2KMLOpts/OptCONSTT", "GPX2KMLOpts/OptTrkMultip", "GPX2KMLOpts/OptTrkTrueEle",
                          "GPX2KMLOpts/chkTrkEleABS", "GPX2KMLOpts/chkTrkOffset", "GPX2KMLOpts/txtTrkMultip",
                          "GPX2KMLOpts/txtT_ele", "GPX2KMLOpts/txtR_ele", "GPX2KMLOpts/txtTrkOffset"}));
    QCOMPARE(store.values["GPX2KMLOpts/OptCONSTT"], QString("0"));
    QCOMPARE(store.values["GPX2KMLOpts/OptTrkMultip"], QString("-1"));
    QCOMPARE(store.values["GPX2KMLOpts/chkTrkEleABS"], QString("2"));
    QCOMPARE(store.values["GPX2KMLOpts/txtT_ele"], QString("30"));
  }

  void numberBoxesAreNormalisedWhenLeft_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    // clang-format off
    QTest::newRow("fraction") << "12.7" << "12";
    QTest::newRow("negative") << "-12.3" << "13";
    QTest::newRow("negative offset") << "-7.5" << "8";
    QTest::newRow("unit") << "42 m" << "42";
    QTest::newRow("text") << "alto" << "0";
    QTest::newRow("empty") << "" << "0";
    // clang-format on
  }
  void numberBoxesAreNormalisedWhenLeft() {
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    MemorySettingsStore store;
    Dialog d(store);
    d.dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&d.dialog));
    QLineEdit* box = d.Box("txtR_ele");
    box->setFocus(Qt::TabFocusReason);
    box->setText(typed);
    d.Box("txtT_ele")->setFocus(Qt::TabFocusReason);
    QCOMPARE(box->text(), shown);
  }

  void enteringABoxSelectsItsText() {
    MemorySettingsStore store;
    Dialog d(store);
    d.dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&d.dialog));
    d.Box("txtR_ele")->setFocus(Qt::TabFocusReason);
    QTRY_COMPARE(d.Box("txtR_ele")->selectedText(), QString("25"));
    QTest::keyClicks(d.Box("txtR_ele"), "40");
    QCOMPARE(d.Box("txtR_ele")->text(), QString("40"));
  }

  void defaultRestoresEverythingWithoutWriting() {
    MemorySettingsStore store;
    store.values["GPX2KMLOpts/OptTrkTrueEle"] = "-1";
    store.values["GPX2KMLOpts/chkTrkOffset"] = "0";
    store.values["GPX2KMLOpts/txtR_ele"] = "99";
    Dialog d(store);
    d.Box("txtTrkMultip")->setText("150");
    QTest::mouseClick(d.Find<QPushButton>("cmdDefault"), Qt::LeftButton);
    QVERIFY(d.Option("OptCONSTT")->isChecked());
    QVERIFY(!d.Option("OptTrkTrueEle")->isChecked());
    QCOMPARE(d.Check("chkTrkOffset")->checkState(), Qt::Checked);
    QCOMPARE(d.Box("txtR_ele")->text(), QString("25"));
    QCOMPARE(d.Box("txtTrkMultip")->text(), QString("200"));
    QVERIFY(store.writes.isEmpty());
  }

  void valuesFollowTheControls() {
    MemorySettingsStore store;
    Dialog d(store);
    d.Option("OptTrkMultip")->setChecked(true);
    d.Box("txtTrkMultip")->setText("150");
    d.Check("chkTrkEleABS")->setCheckState(Qt::Unchecked);
    const ruvela::Gpx2KmlOptions values = d.dialog.values();
    QVERIFY(values.trackElevationMode == ruvela::TrackElevationMode::Amplified);
    QCOMPARE(values.amplifyPercent, std::string("150"));
    QVERIFY(values.absoluteElevations == ruvela::CheckState::Unchecked);
  }

  void grayedBoxBecomesCheckedWhenClicked() {
    MemorySettingsStore store;
    store.values["GPX2KMLOpts/chkTrkEleABS"] = "2";
    store.values["GPX2KMLOpts/OptCONSTT"] = "0";
    Dialog d(store);
    d.dialog.show();
    QTest::mouseClick(d.Check("chkTrkEleABS"), Qt::LeftButton);
    QCOMPARE(d.Check("chkTrkEleABS")->checkState(), Qt::Checked);
    QTest::mouseClick(d.Check("chkTrkEleABS"), Qt::LeftButton);
    QCOMPARE(d.Check("chkTrkEleABS")->checkState(), Qt::Unchecked);
  }

  void escapeAndEnterDoNotClose() {
    MemorySettingsStore store;
    Dialog d(store);
    d.dialog.show();
    QTest::keyClick(&d.dialog, Qt::Key_Escape);
    QTest::keyClick(&d.dialog, Qt::Key_Return);
    QVERIFY(d.dialog.isVisible());
    QTest::mouseClick(d.Find<QPushButton>("cmdOptOK"), Qt::LeftButton);
    QVERIFY(!d.dialog.isVisible());
  }
};

QTEST_MAIN(Gpx2KmlOptionsDialogTest)
#include "gpx_to_kml_options_dialog_test.moc"
