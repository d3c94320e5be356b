// The shared open/save file dialog, behind an interface so that tests can
// play the user's choices.
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace ruvela {

struct FileDialogRequest {
  QString title;
  QString filter;            // "description|pattern|description|pattern"
  QString initialDirectory;  // ends with "/", or empty
  QString fileName;          // proposed name, without directory
};

class FileDialogs {
 public:
  virtual ~FileDialogs() = default;
  // Each returns the chosen path, or the empty text when the user cancelled.
  virtual QString chooseFileToOpen(const FileDialogRequest& request, QWidget* parent) = 0;
  virtual QString chooseFileToSave(const FileDialogRequest& request, QWidget* parent) = 0;
};

// "Keyhole Markup Language (.kml)|*.kml|All Files (*.*)|*.*" becomes
// {"Keyhole Markup Language (.kml) (*.kml)", "All Files (*.*) (*)"}: the
// descriptions stay as written, the patterns follow in the form a Qt file
// dialog reads ("*.*" means every file, with or without a dot).
QStringList QtNameFilters(const QString& barSeparatedFilter);

}  // namespace ruvela
