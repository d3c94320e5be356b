#include "windows/folders_viewer.h"

#include <optional>

#include <QFont>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QScrollBar>
#include <QShowEvent>
#include <QTextCursor>
#include <QToolTip>
#include <QWindow>

#include "gui/elided_label.h"
#include "gui/fit_to_text.h"
#include "gui/on_screen.h"
#include "gui/settings_store.h"
#include "gui/twips.h"
#include "settings/settings_keys.h"
#include "windows/folders_geometry.h"

namespace ruvela {

namespace {

constexpr const char* kTitle = "Directorios Procesados";
constexpr const char* kCloseCaption = "&Cerrar";
constexpr const char* kListHint = "\" <<<\" indica carpeta procesada como fuente de rutas.";
constexpr const char* kRouteFolderMark = " <<<";

// The remembered place: the whole window's left, top, width and height.
using settings_keys::kHeightKey;
using settings_keys::kLeftKey;
using settings_keys::kPlaceSection;
using settings_keys::kTopKey;
using settings_keys::kWidthKey;

constexpr int kDefaultInnerWidth = 6645;
constexpr int kDefaultInnerHeight = 3195;
constexpr int kButtonWidth = 1575;
constexpr int kButtonHeight = 375;

QFont ListFont() {
  QFont font = DescribedFont(QStringLiteral("Courier New"), 11, QFont::TypeWriter);
  font.setFixedPitch(true);
  return font;
}

QRect PixelRect(const TwipsBox& box) { return TwipsRect(box.left, box.top, box.width, box.height); }

// One line per folder, two blanks a level deep, the route folder marked.
// Every line ends with a line break, so an empty line follows the last.
QStringList FolderLines(const EnteredFolders& folders) {
  QStringList lines;
  for (const EnteredFolder& folder : folders) {
    lines << QString(2 * folder.depth, u' ') +
                 QString::fromUtf8(folder.name.data(), static_cast<qsizetype>(folder.name.size())) +
                 (folder.isRouteFolder ? QLatin1String(kRouteFolderMark) : QLatin1String());
  }
  lines << QString();
  return lines;
}

}  // namespace

FoldersViewer::FoldersViewer(SettingsStore& settings, QWidget* parent) : QDialog(parent), settings_(settings) {
  setObjectName(QStringLiteral("frmFolders"));
  setWindowFlag(Qt::WindowMaximizeButtonHint);  // a sizable window
  setModal(true);
  KeepOnScreen(this);
  createControls();
  restorePlace();
}

void FoldersViewer::createControls() {
  cmdClose = new QPushButton(this);
  cmdClose->setObjectName(QStringLiteral("cmdClose"));
  cmdClose->resize(Px(kButtonWidth), Px(kButtonHeight));
  cmdClose->setDefault(true);  // Enter; Esc closes every dialog
  connect(cmdClose, &QPushButton::clicked, this, &QDialog::accept);

  txtFolders = new QPlainTextEdit(this);
  txtFolders->setObjectName(QStringLiteral("txtFolders"));
  txtFolders->setReadOnly(true);
  txtFolders->setFont(ListFont());
  txtFolders->setLineWrapMode(QPlainTextEdit::NoWrap);
  txtFolders->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  txtFolders->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

  txtFolders->viewport()->installEventFilter(this);  // the whole of a shortened line as its tooltip

  setTabOrder(cmdClose, txtFolders);
  cmdClose->setFocus();
}

void FoldersViewer::restorePlace() {
  resize(Px(kDefaultInnerWidth), Px(kDefaultInnerHeight));
  const StoredWindowPlace stored{settings_.getSetting(QLatin1String(kPlaceSection), QLatin1String(kLeftKey)),
                                 settings_.getSetting(QLatin1String(kPlaceSection), QLatin1String(kTopKey)),
                                 settings_.getSetting(QLatin1String(kPlaceSection), QLatin1String(kWidthKey)),
                                 settings_.getSetting(QLatin1String(kPlaceSection), QLatin1String(kHeightKey))};
  const QSize screen = QGuiApplication::primaryScreen()->size();
  const std::optional<TwipsBox> place = RestoredWindowPlace(stored, Twips(screen.width()), Twips(screen.height()));
  if (!place) return;  // the platform places the window

  restoredPlace_ = PixelRect(*place);
  applyRestoredPlace();
}

// The remembered size is the whole window's, frame included, but only the
// inner size can be set. The viewer's own frame is known once the platform
// has framed it: the place is applied when the window is shown and again
// when it first appears on screen, where a window manager has framed it.
void FoldersViewer::applyRestoredPlace() {
  if (restoredPlace_.isNull()) return;
  const QSize frame = (frameGeometry().size() - size()).expandedTo(QSize(0, 0));
  move(restoredPlace_.topLeft());  // a window's position is that of its frame
  resize(restoredPlace_.size() - frame);
  // Remembered on another screen or at another scale, it may reach beyond
  // this one.
  FitOnScreen(this);
}

void FoldersViewer::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  applyRestoredPlace();
  if (windowHandle() != nullptr) windowHandle()->installEventFilter(this);
}

bool FoldersViewer::eventFilter(QObject* watched, QEvent* event) {
  if (watched == txtFolders->viewport() && event->type() == QEvent::ToolTip &&
      showWholeLine(*static_cast<QHelpEvent*>(event))) {
    return true;
  }
  if (watched == windowHandle() && event->type() == QEvent::Expose && windowHandle()->isExposed()) {
    windowHandle()->removeEventFilter(this);
    applyRestoredPlace();
    restoredPlace_ = QRect();  // from now on the user places the window
  }
  return QDialog::eventFilter(watched, event);
}

void FoldersViewer::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  placeControls();
}

void FoldersViewer::placeControls() {
  const std::optional<FoldersLayout> layout =
      LayOutFolders(Twips(width()), Twips(height()), Twips(cmdClose->width()), Twips(cmdClose->height()));
  if (!layout) return;
  cmdClose->move(PixelRect(layout->closeButton).topLeft());  // the button keeps its size
  txtFolders->setGeometry(PixelRect(layout->list));
  showFittedLines();
}

void FoldersViewer::showList(const EnteredFolders& folders) {
  setWindowTitle(QString::fromUtf8(kTitle));
  cmdClose->setText(QString::fromUtf8(kCloseCaption));
  // As described, or as large as the caption needs in the user's font.
  FitButton(cmdClose, QSize(Px(kButtonWidth), Px(kButtonHeight)));
  cmdClose->resize(cmdClose->minimumSize());
  placeControls();
  folderLines_ = FolderLines(folders);
  shownLines_.clear();
  showFittedLines();
  txtFolders->setToolTip(QString::fromUtf8(kListHint));
}

// A line wider than the box loses characters in its middle, so that both
// the start of a deep folder's name and the route marker at its end show;
// its tooltip gives it whole.
void FoldersViewer::showFittedLines() {
  // The box's width less its vertical scroll bar, which is always there: the
  // viewport itself is placed only once the box is shown.
  const int viewport = txtFolders->contentsRect().width() - txtFolders->verticalScrollBar()->sizeHint().width();
  const int room = viewport - 2 * int(txtFolders->document()->documentMargin()) - txtFolders->cursorWidth();
  QStringList fitted;
  for (const QString& line : folderLines_) fitted << ElidedInMiddle(line, txtFolders->fontMetrics(), room);
  if (fitted == shownLines_) return;
  shownLines_ = fitted;
  txtFolders->setPlainText(fitted.join(u'\n'));
  txtFolders->moveCursor(QTextCursor::End);  // the end of the list shows
}

bool FoldersViewer::showWholeLine(const QHelpEvent& event) {
  const int line = txtFolders->cursorForPosition(event.pos()).blockNumber();
  if (line < 0 || line >= folderLines_.size() || shownLines_.value(line) == folderLines_[line]) return false;
  QToolTip::showText(event.globalPos(), folderLines_[line], txtFolders->viewport());
  return true;
}

// Every way of closing comes here: the button, Enter, Esc and the window's
// own close command.
void FoldersViewer::done(int result) {
  rememberPlace();
  QDialog::done(result);
}

void FoldersViewer::rememberPlace() {
  const QRect outer = frameGeometry();
  const auto save = [this](const char* key, int pixels) {
    settings_.saveSetting(QLatin1String(kPlaceSection), QLatin1String(key), CoordinateText(Twips(pixels)));
  };
  save(kLeftKey, outer.left());
  save(kTopKey, outer.top());
  save(kWidthKey, outer.width());
  save(kHeightKey, outer.height());
}

void ShowFoldersViewer(SettingsStore& settings, const EnteredFolders& folders, QWidget* parent) {
  FoldersViewer viewer(settings, parent);
  viewer.showList(folders);
  viewer.exec();
}

}  // namespace ruvela
