// The main window's flows as the user meets them. Each scenario of
// tests/data/window/scenarios.txt is a list of steps played on a window whose
// dialogs and questions are scripted, then the expected outcome. A step starting with "?" is a
// check, wherever it stands: ?WHAT=TEXT (equal), ?WHAT~TEXT (contains) or
// ?WHAT# (not empty), WHAT one of the things Player::observe() knows.
// Steps: start [N [blanks]|NAME], restart, convert FILE, place FILE, write FILE
// [TEXT], mkdir DIR, fifo FILE, pick FILE|-, saveas FILE|-, answer yes|no,
// click BUTTON, menu ITEM, key Esc|Enter|SEQUENCE, keys BUTTON, show, drop FILES|text|remote, drag
// CONTROL FILE, during STEPS, whilesaving STEPS, close, minimize, handover [FILES], option[close] CONTROL VALUE,
// accept ITEM, modal menu ITEM|dclick LABEL|key SEQUENCE, setting KEY VALUE. FILE is a name
// in the scenario's directory, copied from tests/data/window/ when a file of
// that name is there (NAME=DATA copies DATA as NAME); {dir} is the directory.
#include <QLocalSocket>
#include <QtTest>
#include <QtWidgets>

#include "app/command_line.h"
#include "app/file_hand_over.h"
#include "app/hand_over_message.h"
#include "app/process_facts.h"
#include "app/qt_file_dialogs.h"
#include "app/qt_spanish.h"
#include "app/single_instance.h"
#include "app/window_texts.h"
#include "sample_files.h"
#include "scripted_services.h"
#include "support/special_inputs.h"

using namespace ruvela;

namespace {

// clang-format off
const QMap<QString, QString> kStatus{{"ready", "Listo (guardar el archivo)"}, {"busy", "Procesando"}, {"idle", "Inactivo"},
    {"savefailed", "Listo (error al guardar; el archivo sigue pendiente)"},
    {"error", "Inactivo (Ultimo archivo con error)"}, {"nodata", "Inactivo (último archivo sin datos convertibles)"},
    {"unknown", "Inactivo (último archivo de formato desconocido)"}, {"cancelled", "Inactivo (último archivo cancelado)"}};
// clang-format on
const QStringList kVerbs =
    QStringLiteral(
        "start restart convert place write mkdir fifo pick saveas answer click menu "
        "key keys during whilesaving close modal drag setting show drop option optionclose accept minimize handover")
        .split(u' ');

// Plays one scenario's steps on a window of its own.
struct Player {
  QString path(const QString& name) const { return dir.filePath(name); }

  QString place(const QString& placement) {
    const QString name = placement.section(u'=', 0, 0);
    const QString data = samples::DataFile(placement.contains(u'=') ? placement.section(u'=', 1) : name);
    if (QFile::exists(data)) {
      QFile::remove(path(name));  // a copy never replaces a file
      QFile::copy(data, path(name));
    }
    return path(name);
  }

  void play(QString step) {
    step.replace(QStringLiteral("{dir}"), dir.path());
    const QString verb = step.section(u' ', 0, 0), rest = step.section(u' ', 1);
    if (step.startsWith(u'?')) check(step);
    if (!step.startsWith(u'?')) act(verb, rest, rest.split(u' ', Qt::SkipEmptyParts), rest.section(u' ', 1));
    const QByteArray temporary = samples::Read(path(QStringLiteral("ruvela.tmp")));
    if (!temporary.isEmpty()) result = temporary;
  }

  void act(const QString& verb, const QString& rest, const QStringList& args, const QString& value) {
    QVERIFY2(kVerbs.contains(verb), qPrintable(verb));
    MainWindow& window = w->window();
    const auto later = [this, rest] {
      for (const QString& part : rest.split(QStringLiteral(" && "))) play(part);
    };
    QStringList files;
    for (int i = 1; verb == u"start" && i <= args.value(0).toInt(); ++i) {
      if (args.size() > 1) files << QString();  // "start N blanks": an empty argument before each file and at the end
      files << place(QStringLiteral("f%1.gpx=ruta.gpx").arg(i, 2, 10, QChar(u'0')));
    }
    if (verb == u"start" && args.value(0).contains(u'.')) files = args;  // names as typed
    if (verb == u"start") window.startUp(args.size() > 1 ? files << QString() : files);
    if (verb == u"restart") {
      const auto kept = w->settings->values;
      w = std::make_unique<ScriptedWindow>(dir.path());
      w->settings->values = kept;
      w->window().startUp({});
    }
    if (verb == u"convert") window.processFile(place(rest));
    if (verb == u"place") place(rest);
    if (verb == u"write") samples::Write(dir, args.value(0), value.toUtf8());
    if (verb == u"mkdir") QDir(dir.path()).mkpath(rest);
    if (verb == u"fifo") QVERIFY(testing::MakeNamedPipe(path(rest).toStdString()));
    if (verb == u"pick") w->dialogs->openAnswers << (rest == u"-" ? QString() : place(rest));
    if (verb == u"saveas") w->dialogs->saveAnswers << (rest == u"-" ? QString() : path(rest));
    if (verb == u"answer") w->prompt->answers << (rest == u"yes");
    if (verb == u"click") w->Button(qPrintable(rest))->click();
    if (verb == u"menu") w->Action(qPrintable(rest))->trigger();
    if (verb == u"key") PressKey(rest);
    if (verb == u"during") w->whileConverting << later;
    if (verb == u"whilesaving") w->dialogs->whileSaving << later;
    if (verb == u"close") window.close();
    if (verb == u"setting") w->settings->values[args.value(0)] = value;
    if (verb == u"show" || verb == u"keys") QApplication::setActiveWindow(&window);
    if (verb == u"show" || verb == u"keys") QVERIFY(QTest::qWaitForWindowActive(&window));
    if (verb == u"keys") {
      QCOMPARE(observe("default", {}), rest);
      QTest::keyClick(window.windowHandle(), Qt::Key_Escape);
      QTest::keyClick(window.windowHandle(), Qt::Key_Return);
      QVERIFY(!window.isClosed());
    }
    if (verb == u"drop") {  // files, a text, or a file elsewhere
      QMimeData data;
      for (const QString& name : args) files << place(name);
      if (rest == u"text") data.setText(path(QStringLiteral("ruta.gpx")));
      if (rest == u"remote") data.setUrls({QUrl(QStringLiteral("https://example.org/ruta.gpx"))});
      if (!files.isEmpty() && rest != u"text" && rest != u"remote") data.setUrls(Urls(files));
      window.processDroppedFiles(data);
    }
    if (verb == u"minimize") window.showMinimized();
    if (verb == u"handover") {  // a second start's files, as absolute paths
      for (const QString& name : args) files << place(name);
      window.takeHandedOverFiles(files);
      QCoreApplication::processEvents();
    }
    if (verb.startsWith(u"option")) {  // set in its dialog, opened from the menu and closed by OK (optionclose: not)
      QTimer::singleShot(0, [control = args.value(0), value, ok = verb == u"option"] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (auto* button = dialog->findChild<QAbstractButton*>(control)) button->setChecked(value == u"1");
        if (auto* box = dialog->findChild<QLineEdit*>(control)) box->setText(value);
        ok ? dialog->findChild<QPushButton*>(QStringLiteral("cmdOptOK"))->click() : void(dialog->close());
      });
      const bool gpx = window.findChild<QDialog*>(QStringLiteral("frmGPX2KMLOpts"))->findChild<QWidget*>(args.value(0));
      w->Action(gpx ? "mnuGPX2KML" : "mnuKML2GPX")->trigger();
    }
    if (verb == u"accept" || verb == u"modal") {  // runs the command, then notes which window opened and closes it
      QTimer::singleShot(0, [this, verb] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal != nullptr && verb == u"accept") modal->findChild<QPushButton*>(QStringLiteral("cmdOptOK"))->click();
        if (modal == nullptr || verb == u"accept") return;
        opened = modal->objectName();
        if (auto* list = modal->findChild<QPlainTextEdit*>(QStringLiteral("txtFolders")))
          openedText = list->toPlainText();
        if (auto* build = modal->findChild<QLabel*>(QStringLiteral("lblBuild"))) openedText = build->text();
        modal->close();
      });
      if (args.size() == 1 || args.value(0) == u"menu") w->Action(qPrintable(args.last()))->trigger();
      if (args.value(0) == u"dclick") QTest::mouseDClick(window.findChild<QLabel*>(args.last()), Qt::LeftButton);
      if (args.value(0) == u"key") PressKey(args.last());
      QCoreApplication::processEvents();  // the timer, when no window ran its own loop
    }
    if (verb == u"drag") {  // a real drop, delivered to the window where the user lets go of it
      QMimeData data;
      data.setUrls(Urls({place(args.value(1))}));
      const QWidget* widget = window.findChild<QWidget*>(args.value(0));
      const QPoint where = widget->mapTo(
          &window, args.value(0) == u"clientArea" ? QPoint(2, widget->height() - 2) : widget->rect().center());
      QDragEnterEvent enter(where, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
      QCoreApplication::sendEvent(window.windowHandle(), &enter);
      QVERIFY(enter.isAccepted());
      QDropEvent drop(where, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
      QCoreApplication::sendEvent(window.windowHandle(), &drop);
      QCoreApplication::processEvents();  // the drop is taken up once the drag has finished
    }
  }

  // Esc, Enter, or a key sequence such as Ctrl+O.
  void PressKey(const QString& key) {
    QWindow* window = w->window().windowHandle();
    if (key == u"Esc" || key == u"Enter") QTest::keyClick(window, key == u"Esc" ? Qt::Key_Escape : Qt::Key_Return);
    if (key != u"Esc" && key != u"Enter") QTest::keySequence(window, QKeySequence(key));
  }

  static QList<QUrl> Urls(const QStringList& paths) {
    QList<QUrl> urls;
    for (const QString& path : paths) urls << QUrl::fromLocalFile(path);
    return urls;
  }

  void check(const QString& step) {
    const qsizetype op = step.indexOf(QRegularExpression(QStringLiteral("[=~#]")));
    const QString what = step.mid(1, op - 1), expected = step.mid(op + 1);
    const QString actual = observe(what.section(u':', 0, 0), what.section(u':', 1));
    if (step[op] == u'=') QCOMPARE(actual, expected);
    if (step[op] != u'=') QVERIFY2(step[op] == u'~' ? actual.contains(expected) : !actual.isEmpty(), qPrintable(step));
  }

  QString observe(const QString& what, const QString& arg) {
    MainWindow& window = w->window();
    const QString pending = QStringList{"none", "kml", "gpx"}.value(int(window.session().pending));
    const auto requested = [&](const QList<FileDialogRequest>& requests) {
      const FileDialogRequest asked = requests.value(arg.section(u':', 0, 0).toInt());
      const QString field = arg.section(u':', 1);
      return field == u"name"    ? asked.fileName
             : field == u"dir"   ? asked.initialDirectory
             : field == u"title" ? asked.title
                                 : asked.filter;
    };
    if (what == u"status") return kStatus.key(w->Status().mid(15), w->Status());
    if (what == u"state") return QStringList{observe("status", {}), w->EnabledCommands(), pending}.join(u' ');
    if (what == u"pending") return pending;
    if (what == u"file") return w->Text("lblArch").section(QStringLiteral("Archivo Seleccionado: "), 1);
    if (what == u"label") return w->Text(qPrintable(arg));
    if (what == u"tip") return window.findChild<QLabel*>(arg)->toolTip();
    if (what == u"asked") return QString::number(w->prompt->questions.size());
    if (what == u"question") return w->prompt->questions.value(w->prompt->questions.size() - 1).message;
    if (what == u"beeps") return QString::number(w->beeps);
    if (what == u"saves") return QString::number(w->dialogs->saveRequests.size());
    if (what == u"opens") return QString::number(w->dialogs->openRequests.size());
    if (what == u"save") return requested(w->dialogs->saveRequests);
    if (what == u"open") return requested(w->dialogs->openRequests);
    if (what == u"saved") return !result.isEmpty() && samples::Read(path(arg)) == result ? "yes" : "no";
    if (what == u"content") return QString::fromUtf8(samples::Read(path(arg)));
    if (what == u"exists") return QString::number(QFileInfo::exists(path(arg)));
    if (what == u"shortcut") return w->Action(qPrintable(arg))->shortcut().toString();
    // A closed window that still shows is a fault: it reads 2.
    if (what == u"closed") return QString::number(window.isClosed() + window.isClosed() * window.isVisible());
    if (what == u"visible") return QString::number(window.isVisible() && !window.isMinimized());
    if (what == u"setting") return w->settings->values.value(arg);
    if (what == u"writes")
      return QString::number(w->settings->writes.size()) + " " + w->settings->writes.mid(0, 2).join(u' ');
    if (what == u"focus") return window.focusWidget() ? window.focusWidget()->objectName() : QString();
    if (what == u"enabled") return QString::number(window.findChild<QObject*>(arg)->property("enabled").toBool());
    if (what == u"opened") return opened;
    if (what == u"openedtext") return openedText;
    for (const QPushButton* button : window.findChildren<QPushButton*>()) {
      if (what == u"default" && button->isDefault() && button->window() == &window) return button->objectName();
    }
    return QStringLiteral("(nothing to observe as %1)").arg(what);
  }

  QTemporaryDir dir;
  std::unique_ptr<ScriptedWindow> w = std::make_unique<ScriptedWindow>(dir.path());
  QByteArray result;  // the pending result last seen
  QString opened, openedText;
};

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void scenario_data() {
    QTest::addColumn<QStringList>("steps");
    const auto scenarios = samples::Scenarios("scenarios.txt");
    QVERIFY(scenarios.size() > 70);
    for (const auto& [name, steps] : scenarios) QTest::newRow(qPrintable(name)) << steps;
  }

  void scenario() {
    QFETCH(QStringList, steps);
    Player player;
    if (!std::any_of(steps.begin(), steps.end(), [](const QString& step) { return step.startsWith(u"start"); })) {
      player.w->window().startUp({});
    }
    for (const QString& step : steps) {
      player.play(step);
      if (QTest::currentTestFailed()) return;
    }
    QCOMPARE(player.w->prompt->unscripted, 0);
    QVERIFY(!player.w->window().runner().isRunning());
    if (!player.w->window().isClosed()) QVERIFY(!player.w->window().runner().abortRequested());
  }

  // The colons of the count and status lines stand one below the other, in
  // whichever fixed-pitch font stands in for the one asked for; the buttons
  // take the focus in the described order.
  void linesAndTabOrder() {
    QTemporaryDir directory;
    ScriptedWindow w(directory.path());
    for (const char* name : {"lblArch", "lblWPT", "lblRTE", "lblTRK", "lblSTAT"}) {
      const QFontMetrics metrics(w.window().findChild<QLabel*>(QLatin1String(name))->font());
      for (const char* prefix : {"Waypoints    :", "Rutas        :", "Tracks       :", "Carpetas     :"}) {
        QCOMPARE(metrics.horizontalAdvance(QLatin1String(prefix)), metrics.horizontalAdvance("Estado actual:"));
      }
    }
    QStringList order;
    for (QWidget* widget = w.Button("cmdOpen"); order.size() < 6; widget = widget->nextInFocusChain()) {
      if (qobject_cast<QPushButton*>(widget)) order << widget->objectName();
    }
    QCOMPARE(order.join(u' '), QStringLiteral("cmdOpen cmdSave cmdAbort cmdClose cmdReprocess cmdOpen"));
  }

  // Command-line arguments and given paths; the open dialog's filters.
  void commandLineAndFilters() {
    QStringList ten;
    for (int i = 1; i <= 10; ++i) ten << QString::number(i);
    // As the shell split them: an empty one is no file and takes no place among the ten.
    QCOMPARE(CommandLineFiles(QStringList{""} + ten + QStringList{"11", "a b.gpx"}), ten);
    QCOMPARE(CommandLineFiles({"", "a b.gpx", ""}), QStringList({"a b.gpx"}));

    QTemporaryDir directory;
    samples::Write(directory, QStringLiteral("ruta.gpx"), samples::kGpx);
    QDir(directory.path()).mkdir(QStringLiteral("sub"));
    const QString previous = QDir::currentPath();
    QDir::setCurrent(directory.path());
    const QString dir = QDir::current().absolutePath();
    // clang-format off
    const std::pair<QString, QString> paths[] = {{"{dir}/ruta.gpx", "{dir}/ruta.gpx"}, {"ruta.gpx", "{dir}/ruta.gpx"},
        {"./sub/../ruta.gpx", "{dir}/ruta.gpx"}, {"sub", "{dir}/sub"}, {"falta.gpx", ""}, {"{dir}/no/ruta.gpx", ""},
        {"", ""}};
    // clang-format on
    for (auto [given, expected] : paths) {
      QCOMPARE(GetLongFilename(given.replace("{dir}", dir)), expected.replace("{dir}", dir));
    }
    QDir::setCurrent(previous);

    // Filters in the form a Qt dialog reads: "*.*" takes every file.
    QCOMPARE(QtNameFilters(QStringLiteral("Rutas (.gpx;.kml)|*.gpx;*.kml|All Files (*.*)|*.*")),
             QStringList({"Rutas (.gpx;.kml) (*.gpx *.kml)", "All Files (*.*) (*)"}));
    QCOMPARE(QtNameFilters(QStringLiteral("Solo")), QStringList());
  }

  // Where the pending result is written: beside the program when its
  // directory takes files (a build, a per-user copy), else in the per-user
  // data directory (an installed program). A result left there is kept.
  void temporaryResultPath() {
    for (const QString program : {"writable", "read-only", "file", "missing", "holding a result"}) {
      QTemporaryDir scratch;
      const QString directory = scratch.filePath(program);
      if (program != u"file" && program != u"missing") QVERIFY(QDir().mkdir(directory));
      if (program == u"file") samples::Write(scratch, program, "");
      if (program == u"holding a result") samples::Write(scratch, program + QStringLiteral("/ruvela.tmp"), "<kml/>");
      if (program == u"read-only") QFile::setPermissions(directory, QFile::ReadOwner | QFile::ExeOwner);
      const bool writable = QFileInfo(directory).isDir() && QFileInfo(directory).isWritable();
      ProcessFacts facts;
      facts.programDirectory = directory + u'/';
      facts.dataDirectory = scratch.filePath(QStringLiteral("data/ruvela/"));
      const QString path = TemporaryResultPath(facts);
      QCOMPARE(path, (writable ? facts.programDirectory : facts.dataDirectory) + QStringLiteral("ruvela.tmp"));
      QCOMPARE(samples::Read(path), QByteArray(program == u"holding a result" ? "<kml/>" : ""));
      QVERIFY(QFileInfo(QFileInfo(path).path()).isDir());
      QFile::setPermissions(directory, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
  }

  // One copy of the program per user; a lock left by a crash is no obstacle.
  void singleInstance() {
    QTemporaryDir directory;
    const QString lock = directory.filePath(QStringLiteral("ruvela.lock"));
    {
      SingleInstance first(lock);
      QVERIFY(first.tryAcquire());
      QVERIFY(!SingleInstance(lock).tryAcquire());
    }
    QVERIFY(SingleInstance(lock).tryAcquire());
    samples::Write(directory, QStringLiteral("ruvela.lock"), "2147483000\nruvela\n\n");  // a vanished process
    QVERIFY(SingleInstance(lock).tryAcquire());
  }

  // What the running program takes from a second start: a whole message of
  // at most ten absolute paths in UTF-8, in as many pieces as it comes.
  void handOverMessages() {
    const QByteArray greeting = HandOverMessage({}).chopped(1);
    QStringList eleven;
    for (int i = 0; i < 11; ++i) eleven << QStringLiteral("/r/%1.gpx").arg(i);
    using State = HandOverReader::State;
    // clang-format off
    const std::tuple<const char*, QByteArray, State, QStringList> rows[] = {
        {"two paths", HandOverMessage({"/a/ruta.gpx", "/b/c d ñ.kml"}), State::Complete, {"/a/ruta.gpx", "/b/c d ñ.kml"}},
        {"no path", HandOverMessage({}), State::Complete, {}},
        {"ten paths", HandOverMessage(eleven.mid(1)), State::Complete, eleven.mid(1)},
        {"half a message", HandOverMessage({"/a/ruta.gpx"}).chopped(1), State::Reading, {}},
        {"eleven paths", HandOverMessage(eleven), State::Refused, {}},
        {"another greeting", "GET / HTTP/1.1\r\n\r\n", State::Refused, {}},
        {"a relative path", greeting + QByteArray("ruta.gpx\0\0", 10), State::Refused, {}},
        {"an option", greeting + QByteArray("-style\0\0", 8), State::Refused, {}},
        {"not UTF-8", greeting + QByteArray("/r\xfa.gpx\0\0", 10), State::Refused, {}},
        {"a path too long", HandOverMessage({"/" + QString(4096, u'x')}), State::Refused, {}},
        {"the longest path", HandOverMessage({"/" + QString(4095, u'x')}), State::Complete, {"/" + QString(4095, u'x')}},
        {"more after the end", HandOverMessage({}) + "/", State::Refused, {}}};
    // clang-format on
    for (const auto& [name, message, state, paths] : rows) {
      for (const qsizetype piece : {message.size(), qsizetype(1)}) {
        HandOverReader reader;
        for (qsizetype at = 0; at < message.size(); at += piece) reader.feed(message.sliced(at).first(piece));
        QVERIFY2(reader.state() == state, name);
        if (state == State::Complete) QCOMPARE(reader.paths(), paths);
      }
    }
  }

  // The running program drops a connection that sends anything else, or
  // stalls, without taking anything from it.
  void handOverServerDropsStrangers() {
    QTemporaryDir directory;
    HandOverServer server(300);
    QVERIFY(server.listen(directory.filePath(QStringLiteral("ruvela.socket"))));
    QSignalSpy taken(&server, &HandOverServer::filesHandedOver);
    for (const QByteArray sent : {QByteArray("GET / HTTP/1.1\r\n"), HandOverMessage({"/a.gpx"}).chopped(1)}) {
      QLocalSocket stranger;
      stranger.connectToServer(directory.filePath(QStringLiteral("ruvela.socket")));
      QVERIFY(stranger.waitForConnected(1000));
      stranger.write(sent);
      QTRY_COMPARE_WITH_TIMEOUT(stranger.state(), QLocalSocket::UnconnectedState, 2000);
    }
    QCOMPARE(taken.size(), 0);
  }

  // Files handed over while a window of the program waits for an answer
  // wait for it to close: nothing may convert under an option dialog.
  void handedOverFilesWaitForAModalWindow() {
    QTemporaryDir directory;
    ScriptedWindow w(directory.path());
    w.window().startUp({});
    QDialog modal(&w.window());
    modal.setModal(true);
    modal.show();
    w.window().takeHandedOverFiles({samples::Write(directory, QStringLiteral("ruta.gpx"), samples::kGpx)});
    QTest::qWait(500);
    QCOMPARE(w.Text("lblArch"), QString());
    modal.close();
    QTRY_COMPARE(w.Text("lblArch"), QStringLiteral("Archivo Seleccionado: ruta.gpx"));
  }

  // The program, run by the test, with its home, settings and lock in `directory`.
  static void RunInside(QProcess& program, const QString& directory) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* variable : {"XDG_RUNTIME_DIR", "HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME"})
      environment.insert(QLatin1String(variable), directory);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    program.setProcessEnvironment(environment);
    program.setWorkingDirectory(directory);
  }

  // Asked to end by the system, the program ends as its close command does:
  // its temporary result goes too. A copy of it writes that file beside it.
  void terminationRemovesTheTemporaryResult() {
    QTemporaryDir directory;
    QVERIFY(QFile::copy(QStringLiteral(RUVELA_PROGRAM), directory.filePath(QStringLiteral("ruvela"))));
    QProcess running;
    RunInside(running, directory.path());
    running.start(directory.filePath(QStringLiteral("ruvela")),
                  {samples::Write(directory, QStringLiteral("ruta.gpx"), samples::kGpx)});
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(directory.filePath(QStringLiteral("ruvela.tmp"))), 10000);
    running.terminate();
    QVERIFY(running.waitForFinished(10000));
    QVERIFY(!QFile::exists(directory.filePath(QStringLiteral("ruvela.tmp"))));
  }

  // Two processes: a second start of the program hands its files to the
  // running one (here the test, holding the lock and listening) and ends;
  // when nobody answers, it becomes the program itself after two seconds.
  void secondStartHandsItsFilesOver() {
    QTemporaryDir runtime;
    const QString socketPath = runtime.filePath(QStringLiteral("ruvela.socket"));
    SingleInstance running(runtime.filePath(QStringLiteral("ruvela.lock")));
    QVERIFY(running.tryAcquire());
    QProcess second;
    RunInside(second, runtime.path());
    {
      HandOverServer server;
      QVERIFY(server.listen(socketPath));
      QSignalSpy taken(&server, &HandOverServer::filesHandedOver);
      second.start(QStringLiteral(RUVELA_PROGRAM), {"ruta.gpx", "/otra/doc.kml"});
      QVERIFY(taken.wait(10000));
      QVERIFY(second.waitForFinished(10000));
      QCOMPARE(second.exitCode(), 0);
      QCOMPARE(taken.value(0).value(0).toStringList(),
               QStringList({runtime.filePath(QStringLiteral("ruta.gpx")), "/otra/doc.kml"}));
    }
    QElapsedTimer waited;
    waited.start();
    second.start(QStringLiteral(RUVELA_PROGRAM), {});
    QLocalSocket probe;
    QTRY_VERIFY_WITH_TIMEOUT((probe.abort(), probe.connectToServer(socketPath), probe.waitForConnected(100)), 10000);
    QVERIFY(waited.elapsed() >= 1900);
    QCOMPARE(second.state(), QProcess::Running);
    second.kill();
    second.waitForFinished();
  }

  // The dialogs the program shows are Qt's own, in Spanish under any locale
  // (this test runs under LANG=C); each filter shows its description alone.
  void fileDialogsSpeakSpanish() {
    QVERIFY(InstallQtSpanish(*QCoreApplication::instance()));
    QtFileDialogs dialogs;
    for (const bool saving : {false, true}) {
      QStringList seen;
      QTimer::singleShot(0, [&seen] {
        QWidget* dialog = QApplication::activeModalWidget();
        for (const auto* button : dialog->findChildren<QAbstractButton*>()) seen << button->text() << button->toolTip();
        for (const auto* label : dialog->findChildren<QLabel*>()) seen << label->text();
        const QComboBox* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
        for (int i = 0; i < types->count(); ++i) seen << types->itemText(i);
        dialog->close();
      });
      const FileDialogRequest request{{}, QString::fromUtf8(saving ? texts::kKmlSaveFilter : texts::kOpenFilter)};
      QCOMPARE(saving ? dialogs.chooseFileToSave(request, nullptr) : dialogs.chooseFileToOpen(request, nullptr),
               QString());
      for (const char* spanish :
           {saving ? "&Guardar" : "&Abrir", "Cancelar", "&Nombre de fichero:", "Ver en:", "Ficheros de tipo:", "Atrás",
            "Vista detallada", saving ? "Keyhole Markup Language (.kml)" : "Zuvodirod ORE <-> DOV (.gpx;.kml;.kmz)"}) {
        QVERIFY2(seen.contains(QString::fromUtf8(spanish)), spanish);
      }
      for (const char* english : {"Open", "Save", "Cancel", "Look in", "File name", "Files of type", "Back", "View"}) {
        QVERIFY2(!seen.join(u'|').contains(QRegularExpression(QStringLiteral("\\b%1\\b").arg(english))), english);
      }
    }
  }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
