// The commands that only open a window: the folders viewer (from View >
// Carpetas and a double click on the track line), Help and About. Each
// window is made for one showing and gone when it closes.
#include <QEvent>
#include <QLabel>

#include "app/main_window.h"
#include "app/window_texts.h"
#include "windows/about_window.h"
#include "windows/folders_viewer.h"
#include "windows/help_window.h"

namespace ruvela {

namespace {

using namespace ruvela::texts;

}  // namespace

// The viewer shows the folders of the last KML file converted; the item is
// enabled only while there are some, and the double click follows it.
void frmRuvela::ShowFolders() {
  if (!mnuFolders->isEnabled()) return;
  ShowFoldersViewer(*services_.settings, QString::fromStdString(session_.counts.folderList), this);
}

void frmRuvela::mnuHelpH_Click() { ShowHelpWindow(QString::fromUtf8(kAppTitle), this); }

void frmRuvela::mnuAbout_Click() { ShowAboutWindow(QString::fromUtf8(kAppTitle), this); }

bool frmRuvela::eventFilter(QObject* watched, QEvent* event) {
  if (watched == lblTRK && event->type() == QEvent::MouseButtonDblClick) {
    ShowFolders();
    return true;
  }
  return QMainWindow::eventFilter(watched, event);
}

}  // namespace ruvela
