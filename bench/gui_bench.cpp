// Times one conversion through the main window, as the program runs it for
// a user: the window's looks at its events, the count lines and the status
// line included. Prints the wall time in seconds.
//
//   ruvela_gui_bench <input.gpx | input.kml>
//
// Runs without a display (QT_QPA_PLATFORM=offscreen unless set otherwise).
// The result is written to ruvela.tmp in a temporary directory and dropped.
#include <cstdio>
#include <memory>
#include <utility>

#include <QApplication>
#include <QElapsedTimer>
#include <QMap>
#include <QTemporaryDir>

#include "app/main_window.h"
#include "app/platform_services.h"
#include "files/parser_memory.h"

using namespace ruvela;

namespace {

// Nobody is there to answer: dialogs are cancelled, questions get the
// cautious answer, and nothing is kept.
class NoFileDialogs final : public FileDialogs {
 public:
  QString chooseFileToOpen(const FileDialogRequest&, QWidget*) override { return {}; }
  QString chooseFileToSave(const FileDialogRequest&, QWidget*) override { return {}; }
};

class CautiousPrompt final : public Prompt {
 public:
  bool ask(const PromptTexts&, QWidget*) override { return true; }
};

class ForgetfulSettings final : public SettingsStore {
 public:
  QString getSetting(const QString&, const QString&, const QString& defaultValue) const override {
    return defaultValue;
  }
  void saveSetting(const QString&, const QString&, const QString&) override {}
};

PlatformServices BenchServices(const QString& programDirectory) {
  PlatformServices services;
  services.fileDialogs = std::make_unique<NoFileDialogs>();
  services.prompt = std::make_unique<CautiousPrompt>();
  services.beep = [] {};
  services.processPendingEvents = [] { QCoreApplication::processEvents(); };  // part of the cost
  services.settings = std::make_unique<ForgetfulSettings>();
  services.facts.programDirectory = programDirectory + u'/';
  services.facts.dataDirectory = programDirectory + u'/';
  return services;
}

}  // namespace

int main(int argc, char* argv[]) {
  UseParserMemoryPool();  // as the program does
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: ruvela_gui_bench <input.gpx | input.kml>\n");
    return 2;
  }
  QTemporaryDir programDirectory;
  if (!programDirectory.isValid()) {
    std::fprintf(stderr, "ruvela_gui_bench: no temporary directory\n");
    return 1;
  }

  MainWindow window(BenchServices(programDirectory.path()));
  window.startUp({});
  QElapsedTimer clock;
  clock.start();
  window.processFile(QString::fromLocal8Bit(argv[1]));
  const double seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;

  if (!window.session().hasPendingResult()) {
    std::fprintf(stderr, "ruvela_gui_bench: %s was not converted\n", argv[1]);
    return 1;
  }
  std::printf("%.3f\n", seconds);
  return 0;
}
