// ruvela: converts GPS data between GPX 1.1 and KML 2.0 in a window.
#include <utility>

#include <QApplication>
#include <QIcon>
#include <QPixmap>

#include "app/main_window.h"
#include "app/platform_services.h"
#include "app/single_instance.h"
#include "gui/pictures.h"

namespace {

// The icon of every window; the installed menu entry shows the same drawing.
QIcon ProgramWindowIcon() {
  QIcon icon;
  for (const int side : {16, 24, 32, 48, 64, 128}) icon.addPixmap(QPixmap::fromImage(ruvela::ProgramIcon(side)));
  return icon;
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setOrganizationName(QStringLiteral("Ruvela"));
  // Named as the executable, so the single-instance lock recognises its owner.
  QApplication::setApplicationName(QStringLiteral("ruvela"));
  QApplication::setDesktopFileName(QStringLiteral("ruvela"));  // the installed ruvela.desktop
  QApplication::setWindowIcon(ProgramWindowIcon());

  // A second copy ends at once, without looking at its command line.
  ruvela::SingleInstance instance(ruvela::DefaultSingleInstanceLockPath());
  if (!instance.tryAcquire()) return 0;

  ruvela::PlatformServices services = ruvela::QtPlatformServices();
  const QStringList arguments = services.facts.arguments;
  ruvela::MainWindow window(std::move(services));
  window.startUp(arguments);
  if (window.isClosed()) return 0;  // ended during start-up
  return app.exec();
}
