#include "app/platform_services.h"

#include <QApplication>

#include "app/qt_file_dialogs.h"
#include "app/qt_prompt.h"

namespace ruvela {

PlatformServices QtPlatformServices() {
  PlatformServices services;
  services.fileDialogs = std::make_unique<QtFileDialogs>();
  services.prompt = std::make_unique<QtPrompt>();
  services.beep = [] { QApplication::beep(); };
  services.processPendingEvents = [] { QCoreApplication::processEvents(); };
  services.settings = std::make_unique<QtSettingsStore>();
  services.facts = CurrentProcessFacts();
  return services;
}

}  // namespace ruvela
