// Saving the pending result: the save dialog, the question before a file
// with content is replaced, and the move of the temporary file into place.
// Nothing is written into a user's file but here.
#pragma once

#include <QString>

#include "app/conversion_session.h"
#include "app/file_dialogs.h"
#include "app/user_questions.h"

class QWidget;

namespace ruvela {

class ResultSaver {
 public:
  enum class Outcome {
    NothingPending,  // no dialog was shown
    Cancelled,       // the dialog was cancelled, or the user kept the file that is there
    Saved,
    Failed,  // the chosen file is as it was and the result is still pending
  };

  struct Result {
    Outcome outcome = Outcome::NothingPending;
    QString status;     // the status line's new text; empty: it stays as it is
    QString statusTip;  // the status line's tooltip along with it
  };

  // All must outlive the saver; `session` is read and brought up to date.
  ResultSaver(FileDialogs& dialogs, UserQuestions& questions, ConversionSession& session, QString temporaryResultPath);

  // Offers the save dialog for the pending result and moves it to the chosen
  // file. Does nothing when no result is pending.
  Result save(QWidget* parent);

 private:
  FileDialogs& dialogs_;
  UserQuestions& questions_;
  ConversionSession& session_;
  QString temporaryResultPath_;
};

}  // namespace ruvela
