// Everything the main window asks of the platform besides its own widgets.
// The program passes the real services; tests pass scripted ones.
#pragma once

#include <functional>
#include <memory>

#include "app/file_dialogs.h"
#include "app/process_facts.h"
#include "gui/prompt.h"
#include "gui/settings_store.h"

namespace ruvela {

struct PlatformServices {
  std::unique_ptr<FileDialogs> fileDialogs;
  std::unique_ptr<Prompt> prompt;
  std::unique_ptr<SettingsStore> settings;
  // The system's standard beep, sounded before every question.
  std::function<void()> beep;
  // Handles the window's pending events in the middle of a conversion, so
  // that the Abort button, the exit commands and drops work while it runs.
  std::function<void()> processPendingEvents;
  ProcessFacts facts;
};

// The services of the running program (needs a QApplication).
PlatformServices QtPlatformServices();

}  // namespace ruvela
