#include "app/qt_file_dialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileIconProvider>

#include "gui/on_screen.h"

namespace ruvela {

namespace {

// Qt's Spanish texts leave the file list's word for a folder (and for the
// root) in English; these are its words in the program's language. Owned by
// the dialog, it outlives the dialog's file list.
class SpanishFileKinds final : public QObject, public QFileIconProvider {
 public:
  explicit SpanishFileKinds(QObject* dialog) : QObject(dialog) {}
  QString type(const QFileInfo& info) const override {
    if (info.isRoot()) return QStringLiteral("Unidad");
    if (info.isDir()) return QStringLiteral("Carpeta");
    return QFileIconProvider::type(info);
  }
};

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
  // Qt's own dialog, in the program's language: one of the desktop's would
  // speak the desktop's.
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setIconProvider(new SpanishFileKinds(&dialog));
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
