// ruvela_screenshots OUTPUT_DIRECTORY [FONT_SCALE]: draws every window of
// the program as the user meets it into PNG files (the main window after a
// conversion, both option dialogs, the folders viewer, About and Help), with
// the desktop's font or one FONT_SCALE times as large. scripts/screenshots
// runs it under a virtual display for the pictures in docs/.
#include <cstdio>
#include <memory>

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTemporaryDir>

#include "app/window_texts.h"
#include "ruvela/version.h"
#include "sample_files.h"
#include "scripted_services.h"
#include "support/memory_settings_store.h"
#include "windows/about_window.h"
#include "windows/folders_viewer.h"
#include "windows/help_window.h"

using namespace ruvela;

namespace {

bool Save(QWidget& window, const QDir& directory, const QString& name) {
  window.show();
  QApplication::processEvents();
  const QString path = directory.filePath(name + QStringLiteral(".png"));
  if (window.grab().save(path)) return true;
  std::fprintf(stderr, "ruvela_screenshots: cannot write %s\n", qPrintable(path));
  return false;
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: ruvela_screenshots OUTPUT_DIRECTORY [FONT_SCALE]\n");
    return 2;
  }
  const QDir output(QString::fromLocal8Bit(argv[1]));
  if (argc > 2) {
    QFont font = QApplication::font();
    font.setPointSizeF(font.pointSizeF() * QString::fromLocal8Bit(argv[2]).toDouble());
    QApplication::setFont(font);
  }

  QTemporaryDir directory;
  ScriptedWindow main(directory.path());
  main.window().startUp({});
  main.window().processFile(samples::Write(directory, QStringLiteral("Paseo.gpx"), samples::kGpx));
  bool saved = Save(main.window(), output, QStringLiteral("main-window"));
  for (const char* name : {"frmGPX2KMLOpts", "frmKML2GPXOpts"}) {
    QWidget* dialog = main.window().findChild<QWidget*>(QLatin1String(name));
    saved = Save(*dialog, output,
                 QLatin1String(name) == u"frmGPX2KMLOpts" ? QStringLiteral("gpx2kml-options")
                                                          : QStringLiteral("kml2gpx-options")) &&
            saved;
    dialog->hide();
  }

  MemorySettingsStore store;
  FoldersViewer viewer(store);
  viewer.showList(QStringLiteral("Mis lugares\r\n  Paseos\r\n    Routes <<<\r\n  Miradores\r\n"));
  saved = Save(viewer, output, QStringLiteral("folders-viewer")) && saved;

  const QString title = QString::fromUtf8(ruvela::texts::kAppTitle);
  AboutWindow about(title, [] { return 0.0; });
  about.showTexts(AboutTextsFor(ruvela::kVersionMajor, ruvela::kVersionMinor, ruvela::kVersionRevision));
  saved = Save(about, output, QStringLiteral("about-window")) && saved;
  HelpWindow help(title, [] { return 0.0; });
  saved = Save(help, output, QStringLiteral("help-window")) && saved;
  return saved ? 0 : 1;
}
