#include "app/main_window.h"

#include <cstdint>
#include <limits>
#include <utility>

#include <QAction>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFont>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

#include "app/process_facts.h"
#include "app/window_texts.h"
#include "core/count_texts.h"
#include "gui/fit_to_text.h"
#include "gui/twips.h"
#include "options/gpx_to_kml_options_dialog.h"
#include "options/kml_to_gpx_options_dialog.h"

namespace ruvela {

namespace {

using namespace ruvela::texts;

// The five lines need a fixed-pitch font so that their colons line up.
QFont LineFont() {
  QFont font = DescribedFont(QStringLiteral("Courier New"), 11.25, QFont::TypeWriter);
  font.setFixedPitch(true);
  return font;
}

// Every text the count and status lines show at their widest: the longest
// numbers, the elevation mark, every status.
QStringList WidestLineTexts() {
  constexpr std::int32_t widest = std::numeric_limits<std::int32_t>::min();
  const QString mark = QString::fromUtf8(ruvela::kElevationNoticeMark);
  QStringList texts{QString::fromStdString(ruvela::WaypointCountText(widest)),
                    QString::fromStdString(ruvela::RoutePointCountText(widest)),
                    QString::fromStdString(ruvela::TrackPointCountText(widest)) + mark,
                    QString::fromStdString(ruvela::FolderCountText(widest))};
  for (const char* status : {kStatusIdle, kStatusProcessing, kStatusReady, kStatusLoadError, kStatusNothingConvertible,
                             kStatusCancelled, kStatusUnknownFormat, kStatusSaveFailed}) {
    texts << QString::fromUtf8(kStatusPrefix) + QString::fromUtf8(status);
  }
  return texts;
}

QAction* AddMenuItem(QMenu* menu, const char* objectName, const char* caption) {
  QAction* item = menu->addAction(QString::fromUtf8(caption));
  item->setObjectName(QLatin1String(objectName));
  return item;
}

QMenu* AddMenu(QMenuBar* bar, const char* objectName, const char* caption) {
  QMenu* menu = bar->addMenu(QString::fromUtf8(caption));
  menu->setObjectName(QLatin1String(objectName));
  return menu;
}

void NameSeparator(QAction* separator, const char* objectName) { separator->setObjectName(QLatin1String(objectName)); }

QStringList LocalFilesIn(const QMimeData& data) {
  QStringList paths;
  for (const QUrl& url : data.urls()) {
    if (url.isLocalFile()) paths << url.toLocalFile();
  }
  return paths;
}

}  // namespace

frmRuvela::frmRuvela(PlatformServices services, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                              Qt::MSWindowsFixedSizeDialogHint),
      services_(std::move(services)),
      temporaryResultPath_(TemporaryResultPath(services_.facts)) {
  setObjectName(QStringLiteral("frmRuvela"));
  setWindowTitle(QString::fromUtf8(kAppTitle));
  CreateOptionDialogs();
  CreateMenus();
  CreateFrameAndLabels();
  CreateButtons();
  LayOutControls();
  ConnectCommands();
  SetTabOrder();
  setAcceptDrops(true);  // and through it every control, none of which takes drops itself
  const QSize client = FittedWindowSize(centralWidget(), QSize(Px(10590), Px(2745)));
  setFixedSize(client.width(), client.height() + menuBar()->sizeHint().height());
  move(Px(2910), Px(2130));
}

frmRuvela::~frmRuvela() {
  if (busyCursor_) LoadingFinished();
}

void frmRuvela::CreateMenus() {
  QMenuBar* bar = menuBar();

  menuFile = AddMenu(bar, "menuFile", kFileMenu);
  menu_open = AddMenuItem(menuFile, "menu_open", kOpenItem);
  mnuSave = AddMenuItem(menuFile, "mnuSave", kSaveItem);
  NameSeparator(menuFile->addSeparator(), "mnuSepF");
  mnuExit = AddMenuItem(menuFile, "mnuExit", kExitItem);
  mnuExit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
  mnuSave->setEnabled(false);

  mnuOpts = AddMenu(bar, "mnuOpts", kOptionsMenu);
  mnuGPX2KML = AddMenuItem(mnuOpts, "mnuGPX2KML", kGpx2KmlItem);
  mnuKML2GPX = AddMenuItem(mnuOpts, "mnuKML2GPX", kKml2GpxItem);

  mnuSee = AddMenu(bar, "mnuSee", kViewMenu);
  mnuFolders = AddMenuItem(mnuSee, "mnuFolders", kFoldersItem);
  mnuFolders->setEnabled(false);

  mnuHelp = AddMenu(bar, "mnuHelp", kHelpMenu);
  mnuHelpH = AddMenuItem(mnuHelp, "mnuHelpH", kHelpItem);
  NameSeparator(mnuHelp->addSeparator(), "mnuSepH");
  mnuAbout = AddMenuItem(mnuHelp, "mnuAbout", kAboutItem);
}

void frmRuvela::CreateFrameAndLabels() {
  auto* client = new QWidget(this);
  client->setObjectName(QStringLiteral("clientArea"));
  setCentralWidget(client);

  frameMain = new QGroupBox(client);
  frameMain->setObjectName(QStringLiteral("frameMain"));

  const QFont lineFont = LineFont();
  const auto addLine = [&](const char* objectName) {
    auto* line = new QLabel(frameMain);
    line->setObjectName(QLatin1String(objectName));
    line->setFont(lineFont);
    line->setTextFormat(Qt::PlainText);  // names are shown as written
    return line;
  };
  lblArch = addLine("lblArch");
  lblWPT = addLine("lblWPT");
  lblRTE = addLine("lblRTE");
  lblTRK = addLine("lblTRK");
  lblSTAT = addLine("lblSTAT");
}

void frmRuvela::CreateButtons() {
  QWidget* client = centralWidget();
  const auto addButton = [&](const char* objectName, const char* caption) {
    auto* button = new QPushButton(QString::fromUtf8(caption), client);
    button->setObjectName(QLatin1String(objectName));
    button->setAutoDefault(false);
    return button;
  };
  cmdClose = addButton("cmdClose", kCloseButton);
  cmdAbort = addButton("cmdAbort", kAbortButton);
  cmdReprocess = addButton("cmdReprocess", kReprocessButton);
  cmdSave = addButton("cmdSave", kSaveButton);
  cmdOpen = addButton("cmdOpen", kOpenButton);

  cmdAbort->setEnabled(false);
  cmdReprocess->setEnabled(false);
  cmdSave->setEnabled(false);
  MakeDefaultButton(cmdOpen);
}

// The five lines one below the other in the frame, as wide as the widest
// count or status needs; the row of five equal buttons below it, at the
// right. The file line takes what width there is: a long name does not
// widen the window.
void frmRuvela::LayOutControls() {
  const QFontMetrics lineMetrics(LineFont());
  int lineWidth = Px(10095);
  for (const QString& text : WidestLineTexts()) lineWidth = qMax(lineWidth, lineMetrics.horizontalAdvance(text));
  const int lineHeight = qMax(Px(360), TextHeight(LineFont()));
  auto* lines = new QVBoxLayout;
  lines->setSpacing(0);
  for (QLabel* line : {lblArch, lblWPT, lblRTE, lblTRK, lblSTAT}) {
    line->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    line->setMinimumWidth(lineWidth);
    line->setFixedHeight(lineHeight);
    lines->addWidget(line);
  }
  frameMain->setLayout(lines);
  SetFrameMargins(frameMain, lines, QMargins(Px(120), Px(240), Px(10335 - 10215), Px(2175 - 2040)));

  QSize buttonSize(Px(1575), Px(375));
  for (QPushButton* button : {cmdClose, cmdAbort, cmdReprocess, cmdSave, cmdOpen}) {
    FitButton(button, buttonSize);
    buttonSize = buttonSize.expandedTo(button->minimumSize());
  }
  auto* buttons = new QHBoxLayout;
  buttons->setSpacing(Px(3480 - 3255));
  buttons->addStretch();
  for (QPushButton* button : {cmdClose, cmdAbort, cmdReprocess, cmdSave, cmdOpen}) {
    button->setFixedSize(buttonSize);
    buttons->addWidget(button);
  }

  auto* client = new QVBoxLayout(centralWidget());
  client->setContentsMargins(Px(120), 0, Px(10590 - 10455), Px(2745 - 2655));
  client->setSpacing(Px(2280 - 2175));
  client->addWidget(frameMain, 1);
  client->addLayout(buttons);
}

void frmRuvela::ConnectCommands() {
  connect(menu_open, &QAction::triggered, this, &frmRuvela::menu_open_Click);
  connect(cmdOpen, &QPushButton::clicked, this, &frmRuvela::menu_open_Click);
  connect(mnuSave, &QAction::triggered, this, &frmRuvela::SaveResult);
  connect(cmdSave, &QPushButton::clicked, this, &frmRuvela::SaveResult);
  connect(cmdReprocess, &QPushButton::clicked, this, &frmRuvela::cmdReprocess_Click);
  connect(cmdAbort, &QPushButton::clicked, this, &frmRuvela::cmdAbort_Click);
  connect(mnuExit, &QAction::triggered, this, &frmRuvela::mnuExit_Click);
  connect(cmdClose, &QPushButton::clicked, this, &frmRuvela::mnuExit_Click);
  connect(mnuGPX2KML, &QAction::triggered, this, &frmRuvela::mnuGPX2KML_Click);
  connect(mnuKML2GPX, &QAction::triggered, this, &frmRuvela::mnuKML2GPX_Click);
  connect(mnuFolders, &QAction::triggered, this, &frmRuvela::ShowFolders);
  connect(mnuHelpH, &QAction::triggered, this, &frmRuvela::mnuHelpH_Click);
  connect(mnuAbout, &QAction::triggered, this, &frmRuvela::mnuAbout_Click);
  lblTRK->installEventFilter(this);  // lblTRK_DblClick
}

void frmRuvela::SetTabOrder() {
  setTabOrder(cmdOpen, cmdSave);
  setTabOrder(cmdSave, cmdAbort);
  setTabOrder(cmdAbort, cmdClose);
  setTabOrder(cmdClose, cmdReprocess);
  cmdOpen->setFocus();
}

void frmRuvela::menu_open_Click() { ProcessFile(QString()); }

void frmRuvela::cmdReprocess_Click() { ProcessFile(session_.InputPath); }

void frmRuvela::cmdAbort_Click() { session_.AbortRequested = true; }

// Enter presses the default button and no other, Esc presses Abort; each
// only while that button is enabled. A focused button other than the default
// leaves Enter to the window.
void frmRuvela::keyPressEvent(QKeyEvent* event) {
  QPushButton* target = nullptr;
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    target = defaultButton_;
  } else if (event->key() == Qt::Key_Escape) {
    target = cmdAbort;
  }
  const bool plainKey = (event->modifiers() | Qt::KeypadModifier) == Qt::KeypadModifier;
  if (target == nullptr || !plainKey) {
    QMainWindow::keyPressEvent(event);
    return;
  }
  if (target->isEnabled()) target->click();
  event->accept();
}

// Disabling the focused button moves the focus on to the next one in tab
// order, which Space would then press; the focus goes back to the default
// button instead, or to no button while the default one is disabled.
void frmRuvela::FocusDefaultButton() {
  if (defaultButton_->isEnabled()) {
    defaultButton_->setFocus();
  } else if (QWidget* focused = focusWidget(); qobject_cast<QPushButton*>(focused) != nullptr) {
    focused->clearFocus();
  }
}

void frmRuvela::MakeDefaultButton(QPushButton* button) {
  if (defaultButton_ != nullptr) defaultButton_->setDefault(false);
  defaultButton_ = button;
  defaultButton_->setDefault(true);
}

void frmRuvela::dragEnterEvent(QDragEnterEvent* event) {
  if (!LocalFilesIn(*event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void frmRuvela::dragMoveEvent(QDragMoveEvent* event) {
  if (!LocalFilesIn(*event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void frmRuvela::dropEvent(QDropEvent* event) {
  const QStringList paths = LocalFilesIn(*event->mimeData());
  if (paths.isEmpty()) return;
  event->acceptProposedAction();
  // Let the drag source finish first: processing shows dialogs and runs a
  // conversion, which must not happen inside the drop itself.
  QTimer::singleShot(0, this, [this, paths] { ProcessDroppedFiles(paths); });
}

void frmRuvela::HandleDroppedFile(const QMimeData& data) { ProcessDroppedFiles(LocalFilesIn(data)); }

void frmRuvela::SetStatus(const QString& statusText) {
  lblSTAT->setText(QString::fromUtf8(kStatusPrefix) + statusText);
}

void frmRuvela::SetFileCommands(bool resultPending) {
  mnuSave->setEnabled(resultPending);
  cmdSave->setEnabled(resultPending);
  cmdReprocess->setEnabled(resultPending);
}

void frmRuvela::SetOpenCommands(bool enabled) {
  menu_open->setEnabled(enabled);
  cmdOpen->setEnabled(enabled);
  // The options may not change under a running conversion.
  mnuGPX2KML->setEnabled(enabled);
  mnuKML2GPX->setEnabled(enabled);
}

void frmRuvela::ClearCountLabels() {
  for (QLabel* line : {lblArch, lblWPT, lblRTE, lblTRK, lblSTAT}) line->clear();
  lblTRK->setToolTip(QString());
  lblTRK->unsetCursor();
  lblSTAT->setToolTip(QString());
}

}  // namespace ruvela
