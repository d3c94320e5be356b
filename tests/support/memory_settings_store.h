// A settings store held in memory, so tests see exactly what was read and
// written.
#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

#include "gui/settings_store.h"

namespace ruvela {

class MemorySettingsStore final : public SettingsStore {
 public:
  QString getSetting(const QString& section, const QString& key,
                     const QString& defaultValue = QString()) const override {
    const auto found = values.find(section + "/" + key);
    return found == values.end() ? defaultValue : found.value();
  }
  void saveSetting(const QString& section, const QString& key, const QString& value) override {
    values[section + "/" + key] = value;
    writes << section + "/" + key;
  }

  QMap<QString, QString> values;  // "section/key" -> value
  QStringList writes;             // in the order they happened
};

}  // namespace ruvela
