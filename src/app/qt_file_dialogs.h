// The file dialog the program shows to people.
#pragma once

#include "app/file_dialogs.h"

class QtFileDialogs final : public FileDialogs {
 public:
  QString ChooseFileToOpen(const FileDialogRequest& request, QWidget* parent) override;
  QString ChooseFileToSave(const FileDialogRequest& request, QWidget* parent) override;
};
