// The settings store keeps values per version, between runs.
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "gui/settings_store.h"

using namespace ruvela;

class SettingsStoreTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void applicationNameFollowsVersion();
  void valuesSurviveANewStore();
  void absentKeyGivesDefault();
  void anotherMinorVersionStartsFromDefaults();

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

void SettingsStoreTest::valuesSurviveANewStore() {
  {
    QtSettingsStore store;
    store.SaveSetting(QStringLiteral("File"), QStringLiteral("g_sPath"), QStringLiteral("/srv/rutas/ñandú/"));
  }
  QtSettingsStore nextRun;
  QCOMPARE(nextRun.GetSetting(QStringLiteral("File"), QStringLiteral("g_sPath"), QStringLiteral("/otro/")),
           QStringLiteral("/srv/rutas/ñandú/"));
  QVERIFY(QFile::exists(directory_.filePath(QStringLiteral("Ruvela/Ruvela40.conf"))) ||
          QFile::exists(directory_.filePath(QStringLiteral("Ruvela/Ruvela40.ini"))));
}

void SettingsStoreTest::absentKeyGivesDefault() {
  QtSettingsStore store;
  QCOMPARE(store.GetSetting(QStringLiteral("File"), QStringLiteral("nada"), QStringLiteral("/prog/")),
           QStringLiteral("/prog/"));
}

void SettingsStoreTest::anotherMinorVersionStartsFromDefaults() {
  QCOMPARE(SettingsApplicationName(4, 1), QStringLiteral("Ruvela41"));
  QtSettingsStore(SettingsApplicationName(4, 0))
      .SaveSetting(QStringLiteral("GPX2KMLOpts"), QStringLiteral("txtT_ele"), QStringLiteral("99"));
  QtSettingsStore nextVersion(SettingsApplicationName(4, 1));
  QCOMPARE(nextVersion.GetSetting(QStringLiteral("GPX2KMLOpts"), QStringLiteral("txtT_ele"), QStringLiteral("25")),
           QStringLiteral("25"));
}

QTEST_MAIN(SettingsStoreTest)
#include "settings_store_test.moc"
