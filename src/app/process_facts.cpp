#include "app/process_facts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace ruvela {

namespace {

constexpr const char* kTemporaryFileName = "ruvela.tmp";

QString WithTrailingSlash(const QString& directory) { return directory.endsWith(u'/') ? directory : directory + u'/'; }

// Opens for appending, so an existing pending result is left as it is.
bool CanWriteFile(const QString& path) {
  QFile file(path);
  const bool existed = file.exists();
  if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) return false;
  file.close();
  if (!existed) file.remove();
  return true;
}

}  // namespace

ProcessFacts CurrentProcessFacts() {
  ProcessFacts facts;
  facts.programDirectory = WithTrailingSlash(QCoreApplication::applicationDirPath());
  facts.dataDirectory = WithTrailingSlash(QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation));
  facts.arguments = QCoreApplication::arguments().mid(1);
  return facts;
}

QString TemporaryResultPath(const ProcessFacts& facts) {
  const QString besideProgram = facts.programDirectory + QLatin1String(kTemporaryFileName);
  if (CanWriteFile(besideProgram)) return besideProgram;
  QDir().mkpath(facts.dataDirectory);
  return facts.dataDirectory + QLatin1String(kTemporaryFileName);
}

}  // namespace ruvela
