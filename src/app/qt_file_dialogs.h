// The file dialog the program shows to people.
#pragma once

#include <QFileDialog>

#include "app/file_dialogs.h"

namespace ruvela {

class QtFileDialogs final : public FileDialogs {
 public:
  QString chooseFileToOpen(const FileDialogRequest& request, QWidget* parent) override;
  QString chooseFileToSave(const FileDialogRequest& request, QWidget* parent) override;
};

// Sets `dialog` up for `request`: its title, filters (each shown by its
// description alone, which already names the extensions), directory and
// proposed name.
void PrepareFileDialog(QFileDialog& dialog, const FileDialogRequest& request, QFileDialog::AcceptMode mode);

}  // namespace ruvela
