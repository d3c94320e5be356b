#include "app/platform_services.h"

#include "app/qt_file_dialogs.h"
#include "app/qt_prompt.h"

namespace ruvela {

PlatformServices QtPlatformServices() {
  PlatformServices services;
  services.fileDialogs = std::make_unique<QtFileDialogs>();
  services.prompt = std::make_unique<QtPrompt>();
  services.beeper = std::make_unique<QtBeeper>();
  services.events = std::make_unique<QtEventPump>();
  services.settings = std::make_unique<QtSettingsStore>();
  services.facts = CurrentProcessFacts();
  return services;
}

}  // namespace ruvela
