#include "app/qt_spanish.h"

#include <cstdio>

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace ruvela {

bool InstallQtSpanish(QCoreApplication& app) {
  QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
  const QString directory = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  auto* translator = new QTranslator(&app);
  if (translator->load(QStringLiteral("qtbase_es"), directory) && QCoreApplication::installTranslator(translator)) {
    return true;
  }
  delete translator;
  std::fprintf(stderr,
               "ruvela: falta la traducción de Qt al español (%s); los diálogos de archivos se muestran en "
               "inglés\n",
               qPrintable(QDir::toNativeSeparators(directory + QStringLiteral("/qtbase_es.qm"))));
  return false;
}

}  // namespace ruvela
