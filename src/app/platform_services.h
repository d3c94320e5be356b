// Everything the main window asks of the platform besides its own widgets.
// The program passes the real services; tests pass scripted ones.
#pragma once

#include <memory>

#include "app/beeper.h"
#include "app/event_pump.h"
#include "app/file_dialogs.h"
#include "app/process_facts.h"
#include "gui/prompt.h"
#include "gui/settings_store.h"

namespace ruvela {

struct PlatformServices {
  std::unique_ptr<FileDialogs> fileDialogs;
  std::unique_ptr<Prompt> prompt;
  std::unique_ptr<Beeper> beeper;
  std::unique_ptr<EventPump> events;
  std::unique_ptr<SettingsStore> settings;
  ProcessFacts facts;
};

// The services of the running program (needs a QApplication).
PlatformServices QtPlatformServices();

}  // namespace ruvela
