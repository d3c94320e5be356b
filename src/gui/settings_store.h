// The per-user settings store: values filed by section and key under the
// program's settings application name, behind an interface so that tests
// keep their settings to themselves.
#pragma once

#include <QSettings>
#include <QString>

#include "settings/option_table.h"
#include "settings/option_tables.h"
#include "settings/settings_keys.h"

namespace ruvela {

class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  // The stored text, or `defaultValue` when the key is absent.
  virtual QString getSetting(const QString& section, const QString& key,
                             const QString& defaultValue = QString()) const = 0;
  virtual void saveSetting(const QString& section, const QString& key, const QString& value) = 0;
};

// "Ruvela" followed by the major and minor version numbers ("Ruvela40"), so
// that each version keeps its own settings.
QString SettingsApplicationName(int major, int minor);
QString SettingsApplicationName();  // this build's

// The platform's per-user store (an INI file under the user's configuration
// directory on Linux). QSettings::setPath moves it, which tests use.
class QtSettingsStore final : public SettingsStore {
 public:
  QtSettingsStore();
  explicit QtSettingsStore(const QString& applicationName);
  QString getSetting(const QString& section, const QString& key,
                     const QString& defaultValue = QString()) const override;
  void saveSetting(const QString& section, const QString& key, const QString& value) override;

 private:
  mutable QSettings settings_;
};

// The options of one direction as the store holds them, each absent key
// giving its default; and written back, every key in the section's order.
template <class Options>
Options ReadOptions(const SettingsStore& store, const OptionTable<Options>& table) {
  const Options defaults;
  Options options;
  for (const char* name : table.keyOrder) {
    const StoredKey<Options> key = FindStoredKey(table, name);
    const QString stored = store.getSetting(table.section, name, QString::fromStdString(StoredText(key, defaults)));
    ApplyStoredText(key, stored.toStdString(), options);
  }
  return options;
}

template <class Options>
void WriteOptions(SettingsStore& store, const OptionTable<Options>& table, const Options& options) {
  for (const char* name : table.keyOrder) {
    store.saveSetting(table.section, name, QString::fromStdString(StoredText(FindStoredKey(table, name), options)));
  }
}

}  // namespace ruvela
