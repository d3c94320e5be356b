// ruvela: converts GPS data between GPX 1.1 and KML 2.0 in a window.
#include <utility>

#include <QApplication>
#include <QFileInfo>
#include <QIcon>
#include <QPixmap>

#include "app/command_line.h"
#include "app/file_hand_over.h"
#include "app/main_window.h"
#include "app/platform_services.h"
#include "app/qt_spanish.h"
#include "app/single_instance.h"
#include "app/termination_watch.h"
#include "files/parser_memory.h"
#include "gui/pictures.h"

namespace {

// The icon of every window; the installed menu entry shows the same drawing.
QIcon ProgramWindowIcon() {
  QIcon icon;
  for (const int side : {16, 24, 32, 48, 64, 128}) icon.addPixmap(QPixmap::fromImage(ruvela::ProgramIcon(side)));
  return icon;
}

// The running program has another working directory: it gets whole paths.
QStringList AbsolutePaths(const QStringList& files) {
  QStringList paths;
  for (const QString& file : files) paths << QFileInfo(file).absoluteFilePath();
  return paths;
}

}  // namespace

int main(int argc, char* argv[]) {
  ruvela::UseParserMemoryPool();  // before any document is read
  QApplication app(argc, argv);
  QApplication::setOrganizationName(QStringLiteral("Ruvela"));
  // Named as the executable, so the single-instance lock recognises its owner.
  QApplication::setApplicationName(QStringLiteral("ruvela"));
  QApplication::setDesktopFileName(QStringLiteral("ruvela"));  // the installed ruvela.desktop
  QApplication::setWindowIcon(ProgramWindowIcon());
  // The program speaks Spanish whatever the desktop's language, Qt's own
  // dialogs included.
  ruvela::InstallQtSpanish(app);

  // A second copy hands its files to the running one and ends. When that
  // one does not answer, its lock is stale and this copy becomes the program.
  ruvela::PlatformServices services = ruvela::QtPlatformServices();
  const QStringList arguments = services.facts.arguments;
  const QString socketPath = ruvela::DefaultHandOverSocketPath();
  ruvela::SingleInstance instance(ruvela::DefaultSingleInstanceLockPath());
  if (!instance.tryAcquire() &&
      ruvela::HandFilesToRunningProgram(socketPath, AbsolutePaths(ruvela::CommandLineFiles(arguments)))) {
    return 0;
  }
  ruvela::HandOverServer handOver;
  handOver.listen(socketPath);

  ruvela::MainWindow window(std::move(services));
  // Asked to end by the system, the program ends as its close command ends
  // it; a question or dialog still open gives way first.
  ruvela::TerminationWatch termination([&window] {
    if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
    window.close();
  });
  QObject::connect(&handOver, &ruvela::HandOverServer::filesHandedOver, &window,
                   &ruvela::MainWindow::takeHandedOverFiles);
  window.startUp(arguments);
  if (window.isClosed()) return 0;  // ended during start-up
  return app.exec();
}
