#include "options/settings_store.h"

#include "ruvela/version.h"

namespace {

constexpr const char* kOrganisation = "Ruvela";

QString SectionKey(const QString& section, const QString& key) { return section + u'/' + key; }

}  // namespace

QString SettingsApplicationName() {
  return QStringLiteral("Ruvela%1%2").arg(ruvela::kVersionMajor).arg(ruvela::kVersionMinor);
}

QtSettingsStore::QtSettingsStore()
    : settings_(QSettings::NativeFormat, QSettings::UserScope, QLatin1String(kOrganisation),
                SettingsApplicationName()) {}

QString QtSettingsStore::GetSetting(const QString& section, const QString& key,
                                    const QString& defaultValue) const {
  return settings_.value(SectionKey(section, key), defaultValue).toString();
}

void QtSettingsStore::SaveSetting(const QString& section, const QString& key, const QString& value) {
  settings_.setValue(SectionKey(section, key), value);
  settings_.sync();
}
