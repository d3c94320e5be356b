// The main window's state, shared by processing, saving, start-up, shutdown
// and the question window.
#pragma once

#include <string>

#include <QString>

#include "core/conversion.h"

namespace ruvela {

struct ConversionSession {
  // The question window's texts and the answer to the last question (true
  // when its first, cautious button was pressed).
  bool gpb_MsgBxOK = false;
  QString gps_MsgBoxTitle;
  QString gps_MsgBoxMessage;
  QString gps_MsgBox_cmdOK;
  QString gps_MsgBox_cmdCancel;

  // The closing text of the last conversion's document; empty unless it
  // was completed.
  std::string ConversionResult;

  // At most one of the two is set: the temporary file holds that complete,
  // unsaved document.
  bool KmlResultPending = false;
  bool GpxResultPending = false;

  bool AbortRequested = false;     // stop the running conversion
  bool CloseRequested = false;     // close the window once the conversion has stopped
  bool ConversionRunning = false;  // from the choice of a file to the end of its processing
  bool StartingUp = false;         // the command-line files are being processed

  ruvela::ConversionCounts counts;

  QString LastDirectory;  // ends with "/"; where the open and save dialogs start
  QString InputBaseName;  // base name of the last converted input; proposed when saving
  QString InputPath;      // the last chosen input; Reprocess converts it again

  bool HasPendingResult() const { return KmlResultPending || GpxResultPending; }
};

}  // namespace ruvela
