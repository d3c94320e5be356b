#include "app/file_dialogs.h"

namespace ruvela {

namespace {

QString QtPatterns(const QString& patterns) {
  QStringList qtPatterns;
  for (const QString& pattern : patterns.split(u';', Qt::SkipEmptyParts)) {
    qtPatterns << (pattern == u"*.*" ? QStringLiteral("*") : pattern.trimmed());
  }
  return qtPatterns.join(u' ');
}

}  // namespace

QStringList QtNameFilters(const QString& barSeparatedFilter) {
  const QStringList parts = barSeparatedFilter.split(u'|');
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    filters << parts[i] + QStringLiteral(" (") + QtPatterns(parts[i + 1]) + u')';
  }
  return filters;
}

}  // namespace ruvela
