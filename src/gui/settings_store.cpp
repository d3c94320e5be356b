#include "gui/settings_store.h"

#include "ruvela/version.h"

namespace ruvela {

namespace {

constexpr const char* kOrganisation = "Ruvela";

QString SectionKey(const QString& section, const QString& key) { return section + u'/' + key; }

}  // namespace

QString SettingsApplicationName(int major, int minor) { return QStringLiteral("Ruvela%1%2").arg(major).arg(minor); }

QString SettingsApplicationName() { return SettingsApplicationName(ruvela::kVersionMajor, ruvela::kVersionMinor); }

QtSettingsStore::QtSettingsStore() : QtSettingsStore(SettingsApplicationName()) {}

QtSettingsStore::QtSettingsStore(const QString& applicationName)
    : settings_(QSettings::NativeFormat, QSettings::UserScope, QLatin1String(kOrganisation), applicationName) {}

QString QtSettingsStore::getSetting(const QString& section, const QString& key, const QString& defaultValue) const {
  return settings_.value(SectionKey(section, key), defaultValue).toString();
}

void QtSettingsStore::saveSetting(const QString& section, const QString& key, const QString& value) {
  settings_.setValue(SectionKey(section, key), value);
  settings_.sync();
}

}  // namespace ruvela
