// The settings store keeps values per version, between runs.
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "core/gpx2kml_options.h"
#include "core/kml2gpx_options.h"
#include "gui/settings_store.h"

using namespace ruvela;

class SettingsStoreTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void applicationNameFollowsVersion();
  void absentKeyGivesDefault();
  void anotherMinorVersionStartsFromDefaults();
  void optionsWrittenByAnEarlierBuildComeBackUnchanged();

 private:
  QTemporaryDir directory_;
};

void SettingsStoreTest::initTestCase() {
  QVERIFY(directory_.isValid());
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, directory_.path());
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, directory_.path());
}

void SettingsStoreTest::applicationNameFollowsVersion() {
  QCOMPARE(SettingsApplicationName(), QStringLiteral("Ruvela40"));
}

void SettingsStoreTest::absentKeyGivesDefault() {
  QtSettingsStore store;
  QCOMPARE(store.getSetting(QStringLiteral("File"), QStringLiteral("nada"), QStringLiteral("/prog/")),
           QStringLiteral("/prog/"));
}

void SettingsStoreTest::anotherMinorVersionStartsFromDefaults() {
  QCOMPARE(SettingsApplicationName(4, 1), QStringLiteral("Ruvela41"));
  QtSettingsStore(SettingsApplicationName(4, 0))
      .saveSetting(QStringLiteral("GPX2KMLOpts"), QStringLiteral("txtT_ele"), QStringLiteral("99"));
  QtSettingsStore nextVersion(SettingsApplicationName(4, 1));
  QCOMPARE(nextVersion.getSetting(QStringLiteral("GPX2KMLOpts"), QStringLiteral("txtT_ele"), QStringLiteral("25")),
           QStringLiteral("25"));
}

// tests/data/settings holds a store written by the option dialogs of an
// earlier build, with a value of every form and none of them a default.
void SettingsStoreTest::optionsWrittenByAnEarlierBuildComeBackUnchanged() {
  const QString stored = QStringLiteral(RUVELA_TEST_DATA_DIR "/settings/Ruvela40.conf");
  QDir(directory_.path()).mkpath(QStringLiteral("Ruvela"));
  QFile::remove(directory_.filePath(QStringLiteral("Ruvela/Ruvela40.conf")));
  QVERIFY(QFile::copy(stored, directory_.filePath(QStringLiteral("Ruvela/Ruvela40.conf"))));
  const QtSettingsStore earlier(SettingsApplicationName(4, 0));
  const Gpx2KmlOptions gpx = ReadOptions(earlier, GpxToKmlOptionTable());
  QVERIFY(gpx.trackElevationMode == TrackElevationMode::Amplified);
  QVERIFY(gpx.absoluteElevations == CheckState::Grayed && gpx.addOffset == CheckState::Unchecked);
  QCOMPARE(gpx.amplifyPercent + gpx.constantTrackElevation + gpx.routeElevation + gpx.recordedOffset,
           std::string("150") + "30" + "32767" + "12");
  const Kml2GpxOptions kml = ReadOptions(earlier, KmlToGpxOptionTable());
  QCOMPARE(kml.routeFolderName, std::string("Rutas de Montaña"));
  QVERIFY(kml.ignoreRouteWaypoints == CheckState::Checked && kml.autoNameRoutePoints == CheckState::Unchecked &&
          kml.duplicateRouteWaypoints == CheckState::Grayed && kml.pathsAsTracks == CheckState::Checked);

  QtSettingsStore later(SettingsApplicationName(9, 9));
  WriteOptions(later, GpxToKmlOptionTable(), gpx);
  WriteOptions(later, KmlToGpxOptionTable(), kml);
  QFile original(stored);
  QFile rewritten(directory_.filePath(QStringLiteral("Ruvela/Ruvela99.conf")));
  QVERIFY(original.open(QIODevice::ReadOnly) && rewritten.open(QIODevice::ReadOnly));
  QCOMPARE(rewritten.readAll(), original.readAll());
}

QTEST_MAIN(SettingsStoreTest)
#include "settings_store_test.moc"
