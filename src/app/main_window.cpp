#include "app/main_window.h"

#include <cstdint>
#include <limits>
#include <string>
#include <utility>

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
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

#include "app/command_line.h"
#include "app/process_facts.h"
#include "app/window_texts.h"
#include "core/path_parts.h"
#include "gui/elided_label.h"
#include "gui/fit_to_text.h"
#include "gui/on_screen.h"
#include "gui/settings_store.h"
#include "gui/twips.h"
#include "options/gpx_to_kml_options_dialog.h"
#include "options/kml_to_gpx_options_dialog.h"
#include "windows/about_window.h"
#include "windows/folders_viewer.h"
#include "windows/help_window.h"
#include "words/count_texts.h"
#include "words/failure_words.h"

namespace ruvela {

namespace {

using namespace ruvela::texts;

// Paths inside the program always use "/", whatever the platform shows.
constexpr char kSeparator = '/';

// How often files waiting for a modal window to close look again.
constexpr int kModalRetryMs = 200;

QString FromUtf8(const std::string& text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

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
  QStringList texts{FromUtf8(ruvela::WaypointCountText(widest)), FromUtf8(ruvela::RoutePointCountText(widest)),
                    FromUtf8(ruvela::TrackPointCountText(widest)) + mark, FromUtf8(ruvela::FolderCountText(widest))};
  for (const char* status : {kStatusIdle, kStatusProcessing, kStatusReady, kStatusLoadError, kStatusNothingConvertible,
                             kStatusCancelled, kStatusUnknownFormat, kStatusSaveFailed}) {
    texts << QString::fromUtf8(kStatusPrefix) + QString::fromUtf8(status);
  }
  return texts;
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

// The parts of a chosen path; a path that cannot be cut is shown by a
// name that says so, and has neither directory nor extension.
InputParts PartsOf(const QString& path) {
  return ruvela::SplitInputPath(path.toStdString(), kSeparator).value_or(InputParts{"", kUnlocatedFileName, ""});
}

const char* FailureStatus(ConversionStatus status) {
  switch (status) {
    case ConversionStatus::InputNotLoaded:
    case ConversionStatus::OutputNotWritten:
      return kStatusLoadError;
    case ConversionStatus::NothingConvertible:
      return kStatusNothingConvertible;
    case ConversionStatus::Stopped:
    case ConversionStatus::Completed:
      break;
  }
  return kStatusCancelled;
}

}  // namespace

MainWindow::MainWindow(PlatformServices services, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                              Qt::MSWindowsFixedSizeDialogHint),
      services_(std::move(services)),
      temporaryResultPath_(TemporaryResultPath(services_.facts)),
      questions_(*services_.prompt, services_.beep),
      runner_(services_.processPendingEvents, temporaryResultPath_,
              [this](const ConversionCounts& counts, ChangedCounters changed) { showCounts(counts, changed); }),
      saver_(*services_.fileDialogs, questions_, session_, temporaryResultPath_) {
  setObjectName(QStringLiteral("frmRuvela"));
  setWindowTitle(QString::fromUtf8(kAppTitle));
  gpxToKmlOptions_ = new GpxToKmlOptionsDialog(*services_.settings, this);
  kmlToGpxOptions_ = new KmlToGpxOptionsDialog(*services_.settings, this);
  createMenus();
  createLines();
  createButtons();
  layOutControls();
  orderButtons();
  setAcceptDrops(true);  // and through it every control, none of which takes drops itself
  const QSize client = FittedWindowSize(centralWidget(), QSize(Px(10590), Px(2745)));
  setFixedSize(client.width(), client.height() + menuBar()->sizeHint().height());
  move(Px(2910), Px(2130));
  KeepOnScreen(this);  // the described place where the window fits on the screen
}

// --- Building the window ---------------------------------------------------

// Each menu item runs its command; the items whose state changes are kept.
void MainWindow::createMenus() {
  const auto addItem = [this](QMenu* menu, const char* objectName, const char* caption, void (MainWindow::*command)()) {
    QAction* item = menu->addAction(QString::fromUtf8(caption));
    item->setObjectName(QLatin1String(objectName));
    connect(item, &QAction::triggered, this, command);
    return item;
  };
  QMenuBar* bar = menuBar();

  QMenu* file = AddMenu(bar, "menuFile", kFileMenu);
  // The standard keys beside the access keys; a disabled item takes none.
  menu_open = addItem(file, "menu_open", kOpenItem, &MainWindow::openFile);
  menu_open->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
  mnuSave = addItem(file, "mnuSave", kSaveItem, &MainWindow::saveResult);
  mnuSave->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
  NameSeparator(file->addSeparator(), "mnuSepF");
  addItem(file, "mnuExit", kExitItem, &MainWindow::exitProgram)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
  mnuSave->setEnabled(false);

  QMenu* options = AddMenu(bar, "mnuOpts", kOptionsMenu);
  mnuGPX2KML = addItem(options, "mnuGPX2KML", kGpx2KmlItem, &MainWindow::showGpxToKmlOptions);
  mnuKML2GPX = addItem(options, "mnuKML2GPX", kKml2GpxItem, &MainWindow::showKmlToGpxOptions);

  QMenu* view = AddMenu(bar, "mnuSee", kViewMenu);
  mnuFolders = addItem(view, "mnuFolders", kFoldersItem, &MainWindow::showFolders);
  mnuFolders->setEnabled(false);

  QMenu* help = AddMenu(bar, "mnuHelp", kHelpMenu);
  addItem(help, "mnuHelpH", kHelpItem, &MainWindow::showHelp)->setShortcut(QKeySequence(Qt::Key_F1));
  NameSeparator(help->addSeparator(), "mnuSepH");
  addItem(help, "mnuAbout", kAboutItem, &MainWindow::showAbout);
}

void MainWindow::createLines() {
  auto* client = new QWidget(this);
  client->setObjectName(QStringLiteral("clientArea"));
  setCentralWidget(client);

  frameMain = new QGroupBox(client);
  frameMain->setObjectName(QStringLiteral("frameMain"));

  const QFont lineFont = LineFont();
  const auto addLine = [&](QLabel* line, const char* objectName) {
    line->setObjectName(QLatin1String(objectName));
    line->setFont(lineFont);
    line->setTextFormat(Qt::PlainText);  // names are shown as written
    return line;
  };
  lblArch = new ElidedLabel(frameMain);  // a long name loses its middle, not its end
  addLine(lblArch, "lblArch");
  lblWPT = addLine(new QLabel(frameMain), "lblWPT");
  lblRTE = addLine(new QLabel(frameMain), "lblRTE");
  lblTRK = addLine(new QLabel(frameMain), "lblTRK");
  lblSTAT = addLine(new QLabel(frameMain), "lblSTAT");
  lblTRK->installEventFilter(this);  // a double click shows the folders
}

void MainWindow::createButtons() {
  const auto addButton = [this](const char* objectName, const char* caption, void (MainWindow::*command)()) {
    auto* button = new QPushButton(QString::fromUtf8(caption), centralWidget());
    button->setObjectName(QLatin1String(objectName));
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, command);
    return button;
  };
  cmdClose = addButton("cmdClose", kCloseButton, &MainWindow::exitProgram);
  cmdAbort = addButton("cmdAbort", kAbortButton, &MainWindow::abortConversion);
  cmdReprocess = addButton("cmdReprocess", kReprocessButton, &MainWindow::reprocess);
  cmdSave = addButton("cmdSave", kSaveButton, &MainWindow::saveResult);
  cmdOpen = addButton("cmdOpen", kOpenButton, &MainWindow::openFile);

  cmdAbort->setEnabled(false);
  cmdReprocess->setEnabled(false);
  cmdSave->setEnabled(false);
  makeDefaultButton(cmdOpen);
}

// The five lines one below the other in the frame, as wide as the widest
// count or status needs; the row of five equal buttons below it, at the
// right. The file line takes what width there is: a long name does not
// widen the window.
void MainWindow::layOutControls() {
  const QFontMetrics lineMetrics(LineFont());
  int lineWidth = Px(10095);
  for (const QString& text : WidestLineTexts()) lineWidth = qMax(lineWidth, lineMetrics.horizontalAdvance(text));
  const int lineHeight = qMax(Px(360), TextHeight(LineFont()));
  auto* lines = new QVBoxLayout;
  lines->setSpacing(0);
  for (QLabel* line : std::initializer_list<QLabel*>{lblArch, lblWPT, lblRTE, lblTRK, lblSTAT}) {
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

void MainWindow::orderButtons() {
  setTabOrder(cmdOpen, cmdSave);
  setTabOrder(cmdSave, cmdAbort);
  setTabOrder(cmdAbort, cmdClose);
  setTabOrder(cmdClose, cmdReprocess);
  cmdOpen->setFocus();
}

// --- Start-up and closing --------------------------------------------------

void MainWindow::startUp(const QStringList& commandLineFiles) {
  session_.pending = PendingResult::None;
  runner_.clearAbortRequest();
  closeRequested_ = false;
  session_.lastDirectory =
      services_.settings->getSetting(QLatin1String(settings_keys::kFileSection),
                                     QLatin1String(settings_keys::kLastDirectory), services_.facts.programDirectory);
  loadOptionDialogs();
  clearLines();
  setStatus(QString::fromUtf8(kStatusIdle));
  setFileCommands(false);

  // Every file but the last is offered for saving at once; the last result
  // stays pending. An exit meanwhile drops the files not yet converted.
  startingUp_ = true;
  const QStringList files = CommandLineFiles(commandLineFiles);
  for (qsizetype i = 0; i < files.size() && !closed_; ++i) {
    processOneFile(files[i]);
    if (i + 1 < files.size() && !closed_) saveResult();
  }
  startingUp_ = false;
  if (closed_) return;
  show();
  processDroppedFilesInTurn();
}

void MainWindow::loadOptionDialogs() {
  gpxToKmlOptions_->setWindowTitle(QString::fromUtf8(kGpx2KmlOptionsTitle));
  gpxToKmlOptions_->setCaptions();
  gpxToKmlOptions_->loadOptions();

  kmlToGpxOptions_->setWindowTitle(QString::fromUtf8(kKml2GpxOptionsTitle));
  kmlToGpxOptions_->setCaptions();
  kmlToGpxOptions_->loadOptions();
}

// File > Salir and the Close button.
void MainWindow::exitProgram() {
  runner_.requestAbort();
  closeRequested_ = true;
  // A running conversion has already overwritten any earlier result and
  // cannot be saved while it writes: it stops at its next look at the
  // window, and the window closes when it has.
  if (runner_.isRunning()) return;
  if (session_.hasPendingResult() && ask(kPendingBeforeExit)) saveResult();
  close();
}

// Every way of closing ends here: the exit commands, the end of a
// conversion after an exit, and the window's own close command, which
// discards a pending result without a question. A conversion still running
// is stopped; the program ends once it has.
void MainWindow::closeEvent(QCloseEvent* event) {
  if (!closed_) {
    if (runner_.isRunning()) {
      runner_.requestAbort();
      closeRequested_ = true;
    }
    storeSettings();
    runner_.forgetDroppedFiles();
    closed_ = true;
  }
  event->accept();
  discardResultOnceEnded();
}

// The program's end discards a pending result: its temporary file goes
// once neither a conversion writes it nor a save dialog, still open over
// the closed window, may yet move it into place. Never before the end.
void MainWindow::discardResultOnceEnded() {
  if (closed_ && !runner_.isRunning() && !saving_) QFile::remove(temporaryResultPath_);
}

void MainWindow::storeSettings() {
  services_.settings->saveSetting(QLatin1String(settings_keys::kFileSection),
                                  QLatin1String(settings_keys::kLastDirectory), session_.lastDirectory);
  // Each dialog writes its whole section, in this order, as the program ends.
  gpxToKmlOptions_->saveOptions();
  kmlToGpxOptions_->saveOptions();
}

bool MainWindow::ask(const texts::Question& question) {
  const bool first = questions_.ask(question, this);
  focusDefaultButton();
  return first;
}

// --- The commands ----------------------------------------------------------

void MainWindow::openFile() { processFile(QString()); }

void MainWindow::reprocess() { processFile(inputPath_); }

void MainWindow::abortConversion() { runner_.requestAbort(); }

void MainWindow::saveResult() {
  if (runner_.isRunning() || saving_) return;  // the temporary file is being written or moved
  saving_ = true;
  const ResultSaver::Result saved = saver_.save(this);
  saving_ = false;
  discardResultOnceEnded();
  if (saved.outcome == ResultSaver::Outcome::NothingPending) return;
  if (!saved.status.isEmpty()) {
    setStatus(saved.status);
    lblSTAT->setToolTip(saved.statusTip);
  }
  setFileCommands(session_.hasPendingResult());
  focusDefaultButton();  // a save disables the Save button
}

// After the options of a direction change while a result of that direction
// is pending, or when the last file was of that direction and gave no
// result (a file of drawn paths may give tracks now), Reprocess invites the
// user to convert it again with them.
void MainWindow::showGpxToKmlOptions() {
  gpxToKmlOptions_->exec();
  offerReprocessing(Direction::GpxToKml);
}

void MainWindow::showKmlToGpxOptions() {
  kmlToGpxOptions_->exec();
  offerReprocessing(Direction::KmlToGpx);
}

void MainWindow::offerReprocessing(Direction direction) {
  if (inputPath_.isEmpty()) return;
  const PendingResult sameDirection = direction == Direction::GpxToKml ? PendingResult::Kml : PendingResult::Gpx;
  const std::string extension = PartsOf(inputPath_).extension;
  const bool failedInThisDirection = lastInputFailed_ && DirectionOf(extension) == direction;
  if (session_.pending != sameDirection && !failedInThisDirection) return;
  cmdReprocess->setEnabled(true);
  cmdReprocess->setFocus();
}

// The viewer shows the folders of the last KML file converted; the item is
// enabled only while there are some, and the double click follows it.
void MainWindow::showFolders() {
  if (!mnuFolders->isEnabled()) return;
  ShowFoldersViewer(*services_.settings, QString::fromStdString(runner_.counts().folderList), this);
}

void MainWindow::showHelp() { ShowHelpWindow(QString::fromUtf8(kAppTitle), this); }

void MainWindow::showAbout() { ShowAboutWindow(QString::fromUtf8(kAppTitle), this); }

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == lblTRK && event->type() == QEvent::MouseButtonDblClick) {
    showFolders();
    return true;
  }
  return QMainWindow::eventFilter(watched, event);
}

// Enter presses the default button and no other, Esc presses Abort; each
// only while that button is enabled. A focused button other than the default
// leaves Enter to the window.
void MainWindow::keyPressEvent(QKeyEvent* event) {
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

// --- Drops -----------------------------------------------------------------

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (!LocalFilesIn(*event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void MainWindow::dragMoveEvent(QDragMoveEvent* event) {
  if (!LocalFilesIn(*event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
  const QStringList paths = LocalFilesIn(*event->mimeData());
  if (paths.isEmpty()) return;
  event->acceptProposedAction();
  // Let the drag source finish first: processing shows dialogs and runs a
  // conversion, which must not happen inside the drop itself.
  QTimer::singleShot(0, this, [this, paths] { queueDroppedFiles(paths); });
}

void MainWindow::processDroppedFiles(const QMimeData& data) { queueDroppedFiles(LocalFilesIn(data)); }

// A second start's files come in as a drop of them on the window, which
// comes to the front first, from the task bar if need be.
void MainWindow::takeHandedOverFiles(const QStringList& paths) {
  if (closed_) return;
  setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
  show();
  raise();
  activateWindow();
  if (paths.isEmpty()) return;
  // Taken from the event loop, not from within the socket's own handler.
  QTimer::singleShot(0, this, [this, paths] { queueDroppedFiles(paths); });
}

// Files dropped while a conversion runs wait for it to end and then come in
// the order they were dropped; a loop further out takes them when there is
// one. Once the program is closing nothing more is processed.
void MainWindow::queueDroppedFiles(const QStringList& paths) {
  if (closed_ || closeRequested_) return;
  runner_.queueDroppedFiles(paths);
  processDroppedFilesInTurn();
}

void MainWindow::processDroppedFilesInTurn() {
  if (takingDroppedFiles_ || startingUp_ || runner_.isRunning()) return;
  // Files handed over by a second start may come while a window of this
  // program waits for an answer (an option dialog, the open dialog, a
  // question): they wait for it to close.
  if (QApplication::activeModalWidget() != nullptr) {
    if (runner_.hasDroppedFiles()) QTimer::singleShot(kModalRetryMs, this, [this] { processDroppedFilesInTurn(); });
    return;
  }
  takingDroppedFiles_ = true;
  while (!closed_ && !closeRequested_) {
    const std::optional<QString> path = runner_.nextDroppedFile();
    if (!path) break;
    saveResult();
    processOneFile(*path);
  }
  runner_.forgetDroppedFiles();
  takingDroppedFiles_ = false;
}

// --- Processing one file ---------------------------------------------------

void MainWindow::processFile(const QString& path) {
  processOneFile(path);
  processDroppedFilesInTurn();
}

void MainWindow::processOneFile(const QString& path) {
  // A question or dialog before this one may have seen the window close.
  if (closed_ || closeRequested_) return;
  QString chosenPath;
  if (path.isEmpty()) {
    chosenPath = chooseFileToOpen();
    if (chosenPath.isEmpty()) {
      if (closeRequested_) close();
      return;
    }
    resetForNewFile();
  } else {
    resetForNewFile();
    chosenPath = GetLongFilename(path);
    if (startingUp_) show();
  }

  session_.lastDirectory = FromUtf8(ruvela::DirectoryOf(chosenPath.toStdString(), kSeparator));
  const InputParts parts = PartsOf(chosenPath);
  inputPath_ = FromUtf8(parts.joined());
  lblArch->setElidedText(QString::fromUtf8(kSelectedFilePrefix), FromUtf8(parts.baseName + parts.extension));
  lblArch->setToolTip(QDir::toNativeSeparators(chosenPath.isEmpty() ? path : chosenPath));
  repaint();

  const Direction direction = DirectionOf(parts.extension);
  if (direction == Direction::Unknown) {
    // The pending result and the temporary file stay as they were.
    setStatus(QString::fromUtf8(kStatusUnknownFormat));
  } else {
    convert(direction, parts);
  }
  finishProcessing();
}

QString MainWindow::chooseFileToOpen() {
  if (session_.hasPendingResult() && ask(kPendingBeforeOpen)) return {};
  const FileDialogRequest request{QString::fromUtf8(kOpenDialogTitle), QString::fromUtf8(kOpenFilter),
                                  session_.lastDirectory, QFileInfo(session_.dialogFileName).fileName()};
  const QString chosen = services_.fileDialogs->chooseFileToOpen(request, this);
  if (!chosen.isEmpty()) session_.dialogFileName = chosen;
  return chosen;
}

void MainWindow::resetForNewFile() {
  setOpenCommands(false);
  setFileCommands(false);
  mnuFolders->setEnabled(false);
  clearLines();
}

void MainWindow::convert(Direction direction, const InputParts& parts) {
  setStatus(QString::fromUtf8(kStatusProcessing));
  cmdAbort->setEnabled(true);
  cmdAbort->setFocus();
  repaint();

  const ConversionResult result = runner_.run(direction, ruvela::PathFromUtf8(inputPath_.toStdString()), parts.baseName,
                                              gpxToKmlOptions_->values(), kmlToGpxOptions_->values());
  discardResultOnceEnded();  // a conversion cut off by the program's end
  cmdAbort->setEnabled(false);
  showCompletionNotices(direction, result);
  if (result.status == ConversionStatus::Completed && !runner_.abortRequested()) {
    succeed(direction == Direction::GpxToKml ? PendingResult::Kml : PendingResult::Gpx, parts);
  } else {
    fail(result);
  }
}

// What a completed walk adds to the track and status lines.
void MainWindow::showCompletionNotices(Direction direction, const ConversionResult& result) {
  if (!result.walkCompleted) return;
  const ConversionCounts& counts = runner_.counts();
  if (direction == Direction::GpxToKml && ruvela::HasElevationNotice(counts)) {
    lblTRK->setText(lblTRK->text() + QString::fromUtf8(ruvela::kElevationNoticeMark));
    lblTRK->setToolTip(FromUtf8(ruvela::ElevationNotice(counts)));
    lblTRK->setCursor(Qt::WhatsThisCursor);
  }
  if (direction == Direction::KmlToGpx && counts.folders >= 1) {
    mnuFolders->setEnabled(true);
    lblTRK->setToolTip(QString::fromUtf8(ruvela::kFolderViewerHint));
  }
  // The status texts stay as they are; the tooltip says what was left out.
  if (const std::string notices = ruvela::StatusNotices(counts); !notices.empty()) {
    lblSTAT->setToolTip(FromUtf8(notices));
  }
}

void MainWindow::succeed(PendingResult result, const InputParts& parts) {
  setStatus(QString::fromUtf8(kStatusReady));
  setFileCommands(true);
  makeDefaultButton(cmdSave);  // for the rest of the run; it takes the focus at the end
  session_.pending = result;   // the temporary file now holds this result only
  lastInputFailed_ = false;
  session_.lastDirectory = FromUtf8(parts.directory);
  session_.inputBaseName = FromUtf8(parts.baseName);
}

void MainWindow::fail(const ConversionResult& result) {
  setStatus(QString::fromUtf8(FailureStatus(result.status)));
  if (!result.failure.ok()) lblSTAT->setToolTip(FromUtf8(ruvela::FailureText(result.failure)));
  if (runner_.abortRequested()) setStatus(QString::fromUtf8(kStatusCancelled));
  setOpenCommands(true);
  setFileCommands(false);
  // The converter emptied the temporary file: an earlier result is gone.
  session_.pending = PendingResult::None;
  lastInputFailed_ = true;
}

void MainWindow::finishProcessing() {
  if (runner_.abortRequested()) {
    runner_.clearAbortRequest();
    setStatus(QString::fromUtf8(kStatusCancelled));
  }
  setFileCommands(session_.hasPendingResult());
  setOpenCommands(true);
  focusDefaultButton();
  if (closeRequested_) close();
}

// --- What the user sees ----------------------------------------------------

void MainWindow::setStatus(const QString& statusText) {
  lblSTAT->setText(QString::fromUtf8(kStatusPrefix) + statusText);
}

void MainWindow::setFileCommands(bool resultPending) {
  mnuSave->setEnabled(resultPending);
  cmdSave->setEnabled(resultPending);
  cmdReprocess->setEnabled(resultPending);
}

void MainWindow::setOpenCommands(bool enabled) {
  menu_open->setEnabled(enabled);
  cmdOpen->setEnabled(enabled);
  // The options may not change under a running conversion.
  mnuGPX2KML->setEnabled(enabled);
  mnuKML2GPX->setEnabled(enabled);
}

void MainWindow::makeDefaultButton(QPushButton* button) {
  if (defaultButton_ != nullptr) defaultButton_->setDefault(false);
  defaultButton_ = button;
  defaultButton_->setDefault(true);
}

// Disabling the focused button moves the focus on to the next one in tab
// order, which Space would then press; the focus goes back to the default
// button instead, or to no button while the default one is disabled.
void MainWindow::focusDefaultButton() {
  if (defaultButton_->isEnabled()) {
    defaultButton_->setFocus();
  } else if (QWidget* focused = focusWidget(); qobject_cast<QPushButton*>(focused) != nullptr) {
    focused->clearFocus();
  }
}

void MainWindow::clearLines() {
  for (QLabel* line : {lblWPT, lblRTE, lblTRK, lblSTAT}) line->clear();
  lblArch->setElidedText(QString(), QString());
  lblArch->setToolTip(QString());
  lblTRK->setToolTip(QString());
  lblTRK->unsetCursor();
  lblSTAT->setToolTip(QString());
}

// Each line is written only once its counter has changed, as the converter
// reports it; a line whose counter never moved stays empty.
void MainWindow::showCounts(const ConversionCounts& counts, ChangedCounters changed) {
  const auto hasChanged = [&changed](Counter which) { return changed.test(static_cast<std::size_t>(which)); };
  if (hasChanged(Counter::Waypoints)) lblWPT->setText(FromUtf8(ruvela::WaypointCountText(counts.waypoints)));
  if (hasChanged(Counter::RoutePoints)) lblRTE->setText(FromUtf8(ruvela::RoutePointCountText(counts.routePoints)));
  // The track line shows track points (GPX input) or folders (KML input),
  // and both when the paths of a KML file with folders became tracks.
  if (hasChanged(Counter::TrackPoints) || hasChanged(Counter::Folders)) {
    if (counts.folders == 0) {
      lblTRK->setText(FromUtf8(ruvela::TrackPointCountText(counts.trackPoints)));
    } else if (counts.trackPoints == 0) {
      lblTRK->setText(FromUtf8(ruvela::FolderCountText(counts.folders)));
    } else {
      lblTRK->setText(FromUtf8(ruvela::FoldersAndTrackPointsText(counts)));
    }
  }
}

}  // namespace ruvela
