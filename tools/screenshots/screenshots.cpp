// ruvela_screenshots OUTPUT_DIRECTORY [FONT_SCALE] [--whole-screen]: draws
// every window of the program as the user meets it into PNG files (the main
// window after a conversion, both option dialogs, the folders viewer, About,
// Help, and the open and save dialogs in Qt's Spanish), with the desktop's
// font or one FONT_SCALE times as large, and with --whole-screen the screen
// with each window where it opened (screen-NAME.png). scripts/screenshots
// runs it under a virtual display for the pictures in docs/ and at the
// scales of build/screenshots-*.
#include <cstdio>
#include <memory>
#include <vector>

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QPixmap>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include "app/qt_file_dialogs.h"
#include "app/qt_spanish.h"
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

// Also the whole screen, to see where each window opens and whether its
// frame is within reach.
bool wholeScreen = false;

bool Save(QWidget& window, const QDir& directory, const QString& name) {
  window.show();
  QApplication::processEvents();
  const QString path = directory.filePath(name + QStringLiteral(".png"));
  bool saved = window.grab().save(path);
  if (saved && wholeScreen) {
    // Time for the window manager to frame and place the window.
    QTest::qWaitForWindowExposed(&window);
    QTest::qWait(500);
    saved = window.screen()->grabWindow(0).save(directory.filePath(QStringLiteral("screen-") + name + ".png"));
  }
  if (saved) return true;
  std::fprintf(stderr, "ruvela_screenshots: cannot write %s\n", qPrintable(path));
  return false;
}

// The open and save dialogs as the program prepares them, over a folder
// holding a file of each kind they list.
bool SaveFileDialogs(QWidget& parent, const QDir& output) {
  QTemporaryDir folder(QDir::tempPath() + QStringLiteral("/Mapas-XXXXXX"));
  QDir(folder.path()).mkdir(QStringLiteral("Viajes"));
  for (const char* name : {"Paseo.gpx", "Cerros.kml", "Lagunas.kmz", "Notas.txt"}) {
    samples::Write(folder, QLatin1String(name), samples::kGpx);
  }
  bool saved = true;
  for (const bool saving : {false, true}) {
    using namespace ruvela::texts;
    const FileDialogRequest request{QString::fromUtf8(saving ? kSaveDialogTitle : kOpenDialogTitle),
                                    QString::fromUtf8(saving ? kKmlSaveFilter : kOpenFilter), folder.path() + u'/',
                                    saving ? QStringLiteral("Paseo.kml") : QString()};
    QFileDialog dialog(&parent);
    PrepareFileDialog(dialog, request, saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.show();
    QTest::qWait(500);  // the file list fills in the background
    saved = Save(dialog, output, saving ? QStringLiteral("save-dialog") : QStringLiteral("open-dialog")) && saved;
  }
  return saved;
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  InstallQtSpanish(app);
  if (argc > 1 && qstrcmp(argv[argc - 1], "--whole-screen") == 0) {
    wholeScreen = true;
    --argc;
  }
  if (argc < 2) {
    std::fprintf(stderr, "usage: ruvela_screenshots OUTPUT_DIRECTORY [FONT_SCALE] [--whole-screen]\n");
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
  EnteredFolders folders;
  for (const auto& [name, depth, route] :
       {std::tuple{"Mis lugares", 0, false}, {"Paseos", 1, false}, {"Routes", 2, true}, {"Miradores", 1, false}}) {
    folders.append(name, depth, route);
  }
  if (wholeScreen) {
    // Left at the bottom right of a 1x screen of 1280 x 800, with a folder
    // name longer than the list is wide.
    for (const auto& [key, pixels] : {std::pair{"Ml", 700}, {"Mt", 460}, {"Mw", 560}, {"Mh", 320}}) {
      store.values[QStringLiteral("frmFoldersPos/") + key] = QString::number(pixels * 15);
    }
    folders.append("Del refugio del cerro a la laguna por el filo, ida y vuelta en tres dias", 2, false);
  }
  FoldersViewer viewer(store, &main.window());
  viewer.showList(folders);
  saved = Save(viewer, output, QStringLiteral("folders-viewer")) && saved;
  viewer.hide();

  const QString title = QString::fromUtf8(ruvela::texts::kAppTitle);
  AboutWindow about(
      title, [] { return 0.0; }, &main.window());
  about.showTexts(AboutTextsFor(ruvela::kVersionMajor, ruvela::kVersionMinor, ruvela::kVersionRevision));
  saved = Save(about, output, QStringLiteral("about-window")) && saved;
  about.hide();
  HelpWindow help(
      title, [] { return 0.0; }, &main.window());
  saved = Save(help, output, QStringLiteral("help-window")) && saved;
  help.hide();
  saved = SaveFileDialogs(main.window(), output) && saved;
  return saved ? 0 : 1;
}
