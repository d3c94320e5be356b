// What the main window shares with saving: which result the temporary file
// holds, and where the shared file dialog starts and what it proposes.
#pragma once

#include <QString>

namespace ruvela {

// The complete, unsaved document the temporary file holds, if any.
enum class PendingResult { None, Kml, Gpx };

struct ConversionSession {
  PendingResult pending = PendingResult::None;
  QString lastDirectory;   // ends with "/"; where the open and save dialogs start
  QString inputBaseName;   // base name of the last converted input; proposed when saving
  QString dialogFileName;  // the shared file dialog keeps the last chosen name

  bool hasPendingResult() const { return pending != PendingResult::None; }
};

}  // namespace ruvela
