#include "app/qt_file_dialogs.h"

#include <QDir>
#include <QFileDialog>

#include "gui/on_screen.h"

namespace ruvela {

namespace {

// Neither dialog asks about overwriting (saving asks its own question only
// for a non-empty file) or adds an extension: a name typed without one is
// used as typed. A typed name of a file that does not exist is accepted
// for opening too; loading it then fails with the error status.
QString RunDialog(const FileDialogRequest& request, QWidget* parent, QFileDialog::AcceptMode mode) {
  QFileDialog dialog(parent);
  KeepOnScreen(&dialog);
  PrepareFileDialog(dialog, request, mode);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return QDir::fromNativeSeparators(dialog.selectedFiles().constFirst());
}

}  // namespace

void PrepareFileDialog(QFileDialog& dialog, const FileDialogRequest& request, QFileDialog::AcceptMode mode) {
  dialog.setWindowTitle(request.title);
  dialog.setAcceptMode(mode);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  // The descriptions name their extensions already: Qt's patterns after
  // them would say it twice.
  dialog.setOption(QFileDialog::HideNameFilterDetails);
  dialog.setNameFilters(QtNameFilters(request.filter));
  if (!request.initialDirectory.isEmpty()) dialog.setDirectory(request.initialDirectory);
  if (!request.fileName.isEmpty()) dialog.selectFile(request.fileName);
}

QString QtFileDialogs::chooseFileToOpen(const FileDialogRequest& request, QWidget* parent) {
  return RunDialog(request, parent, QFileDialog::AcceptOpen);
}

QString QtFileDialogs::chooseFileToSave(const FileDialogRequest& request, QWidget* parent) {
  return RunDialog(request, parent, QFileDialog::AcceptSave);
}

}  // namespace ruvela
