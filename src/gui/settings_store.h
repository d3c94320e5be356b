// The per-user settings store: values filed by section and key under the
// program's settings application name, behind an interface so that tests
// keep their settings to themselves.
#pragma once

#include <QSettings>
#include <QString>

#include "core/settings_keys.h"

namespace ruvela {

class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  // The stored text, or `defaultValue` when the key is absent.
  virtual QString GetSetting(const QString& section, const QString& key,
                             const QString& defaultValue = QString()) const = 0;
  virtual void SaveSetting(const QString& section, const QString& key, const QString& value) = 0;
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
  QString GetSetting(const QString& section, const QString& key,
                     const QString& defaultValue = QString()) const override;
  void SaveSetting(const QString& section, const QString& key, const QString& value) override;

 private:
  mutable QSettings settings_;
};

}  // namespace ruvela
