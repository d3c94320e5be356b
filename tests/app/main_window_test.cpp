// The main window's flows as the user meets them. Each scenario is a list of
// steps played on a window whose dialogs and questions are scripted, then the
// expected outcome, both separated by "; ". A step starting with "?" is a
// check, wherever it stands: ?WHAT=TEXT (equal), ?WHAT~TEXT (contains) or
// ?WHAT# (not empty), WHAT one of the things Player::observe() knows.
// Steps: start [N [blanks]], restart, convert FILE, place FILE, write FILE
// [TEXT], mkdir DIR, fifo FILE, pick FILE|-, saveas FILE|-, answer yes|no,
// click BUTTON, menu ITEM, key Esc|Enter, show, drop FILES|text|remote, drag
// CONTROL FILE, during STEPS, whilesaving STEPS, close, option CONTROL VALUE,
// accept ITEM, modal menu ITEM|dclick LABEL, setting KEY VALUE. FILE is a name
// in the scenario's directory, copied from tests/data/window/ when a file of
// that name is there (NAME=DATA copies DATA as NAME); {dir} is the directory.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QDragEnterEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <QWindow>
#include <vector>

#include "app/command_line.h"
#include "app/process_facts.h"
#include "app/qt_file_dialogs.h"
#include "app/single_instance.h"
#include "sample_files.h"
#include "scripted_services.h"
#include "support/special_inputs.h"

using namespace ruvela;

namespace {

struct Scenario {
  const char* name;
  const char* steps;
  const char* expected;
};

// clang-format off
const Scenario kScenarios[] = {
    // Converting one file: the status line (?state STATUS COMMANDS [PENDING]), the file and count lines.
    {"gpx", "convert ruta.gpx", "?state=ready OSR- kml; ?file=ruta.gpx; ?label:lblWPT=Waypoints    : pts = 2; "
     "?label:lblRTE=Rutas        : pts = 3; ?label:lblTRK=Tracks       : pts = 4; ?tip:lblTRK=; ?tip:lblSTAT=; "
     "?content:ruvela.tmp~<kml"},
    {"gpx named in capitals", "convert RUTA.GPX=ruta.gpx", "?state=ready OSR- kml; ?file=RUTA.GPX"},
    {"gpx with tracks only", "convert solo.gpx", "?state=ready OSR- kml; ?label:lblWPT="},
    {"kml with a folder", "convert doc.kml", "?state=ready OSR- gpx; ?file=doc.kml; ?label:lblRTE=; "
     "?label:lblWPT=Waypoints    : pts = 2; ?label:lblTRK=Carpetas     : 1; ?content:ruvela.tmp~<gpx; "
     "?tip:lblTRK=Doble click abre el visor de Carpetas procesadas."},
    {"kml with paths only", "convert camino.kml", "?state=nodata O--- none; ?file=camino.kml"},
    {"kmz", "convert ruta.KMZ", "?state=ready OSR- gpx; ?file=ruta.KMZ"},
    {"kmz without kml loses the pending result", "convert ruta.gpx; convert fotos.kmz", "?state=error O--- none"},
    {"broken gpx loses the pending result", "convert ruta.gpx; convert roto.gpx", "?state=error O--- none"},
    {"unknown extension", "convert notas.txt", "?state=unknown O--- none; ?file=notas.txt"},
    {"unknown extension keeps the pending result", "convert ruta.gpx; convert notas.txt", "?state=unknown OSR- kml"},
    {"name ending in a dot", "convert ruta.=ruta.gpx", "?state=unknown O--- none; ?file=ruta."},
    {"no such file", "convert falta.gpx", "?state=unknown O--- none; ?file=<Error en la localización del archivo>"},
    {"points without a position left out", "convert sin.kml", "?label:lblWPT=Waypoints    : pts = 1; "
     "?tip:lblSTAT=1 puntos sin posición válida omitidos"},
    {"named pipe: a load error, not a hang", "fifo tubo.kml; convert tubo.kml", "?state=error O--- none; "
     "?tip:lblSTAT=no es un archivo normal"},
    {"Esc aborts a conversion", "during ?state=busy ---A none && key Esc; convert ruta.gpx", "?state=cancelled O--- none"},
    {"a result of the other kind replaces the pending one", "convert ruta.gpx; convert doc.kml; click cmdSave",
     "?pending=gpx; ?saves=1; ?save:0:name=doc.gpx; "
     "?save:0:filter=GPS eXchange Format (.gpx)|*.gpx|All Files (*.*)|*.*"},
    {"Open with a pending result, Volver", "convert ruta.gpx; answer yes; click cmdOpen", "?asked=1; "
     "?question=CUIDADO: Hay un archivo pendiente para guardar.; ?beeps=1; ?opens=0; ?state=ready OSR- kml"},
    {"Open with a pending result, Perderlo, cancel", "convert ruta.gpx; answer no; pick -; click cmdOpen", "?asked=1; "
     "?question=CUIDADO: Hay un archivo pendiente para guardar.; ?opens=1; ?state=ready OSR- kml"},
    {"Open with a pending result, Perderlo, a file", "convert ruta.gpx; answer no; pick doc.kml; click cmdOpen",
     "?asked=1; ?opens=1; ?state=ready OSR- gpx; ?file=doc.kml"},
    {"Reprocess converts the last input again", "convert ruta.gpx; place ruta.gpx=solo.gpx; click cmdReprocess",
     "?label:lblTRK=Tracks       : pts = 2; ?label:lblWPT=; ?state=ready OSR- kml"},
    // Drops: the offer to save comes before each file; a drop during a conversion waits for it.
    {"two files dropped on a pending result", "convert ruta.gpx; saveas -; saveas doc.gpx; drop doc.kml solo.gpx",
     "?saves=2; ?save:0:name=ruta.kml; ?save:1:name=doc.gpx; ?content:doc.gpx~<gpx; ?asked=0; ?file=solo.gpx; "
     "?state=ready OSR- kml"},
    {"a drop during a conversion waits", "during drop doc.kml && ?file=ruta.gpx; saveas -; convert ruta.gpx",
     "?saves=1; ?save:0:name=ruta.kml; ?file=doc.kml; ?state=ready OSR- gpx"},
    {"closed while offering to save: nothing starts", "convert ruta.gpx; whilesaving close; drop doc.kml solo.gpx",
     "?closed=1; ?saves=1; ?file=ruta.gpx"},
    {"text and remote drops are ignored", "drop text; drop remote", "?file=; ?status=idle"},
    {"dropped on a count line", "drag lblWPT ruta.gpx", "?file=ruta.gpx; ?status=ready"},
    {"dropped on the status line", "drag lblSTAT ruta.gpx", "?file=ruta.gpx; ?status=ready"},
    {"dropped on the frame", "drag frameMain ruta.gpx", "?file=ruta.gpx; ?status=ready"},
    {"dropped on a disabled button", "drag cmdSave ruta.gpx", "?file=ruta.gpx; ?status=ready"},
    {"dropped on an enabled button", "drag cmdOpen ruta.gpx", "?file=ruta.gpx; ?status=ready"},
    {"dropped on the window's background", "drag clientArea ruta.gpx", "?file=ruta.gpx; ?status=ready"},
    // The option dialogs: off while converting, read at every conversion, kept between runs.
    {"option items off while converting", "during ?enabled:mnuGPX2KML=0 && ?enabled:mnuKML2GPX=0; convert ruta.gpx",
     "?enabled:mnuGPX2KML=1; ?enabled:mnuKML2GPX=1"},
    {"a changed option changes the next conversion", "convert solo.gpx; ?content:ruvela.tmp~-58.1,-34.1,25\r\n; "
     "option OptTrkTrueEle 1; option txtTrkOffset 100; convert solo.gpx", "?content:ruvela.tmp~-58.1,-34.1,105\r\n"},
    {"closing an option dialog invites reprocessing", "show; convert ruta.gpx; ?focus=cmdSave; accept mnuKML2GPX; "
     "?focus=cmdSave; accept mnuGPX2KML", "?enabled:cmdReprocess=1; ?focus=cmdReprocess"},
    {"no invitation once the result is saved", "convert ruta.gpx; saveas a.kml; click cmdSave; accept mnuGPX2KML",
     "?enabled:cmdReprocess=0; ?saved:a.kml=yes"},
    {"options kept between runs", "option txtT_ele 40; option txtRouteItFolderName  Rutas ; option chkPathsAsTracks 1; "
     "close; ?writes=15 File/g_sPath GPX2KMLOpts/OptCONSTT; ?setting:KML2GPXOpts/txtRouteItFolderName=Rutas; restart; "
     "convert solo.gpx; ?content:ruvela.tmp~-58.1,-34.1,40\r\n; convert caminos.kml", "?status=ready; "
     "?label:lblTRK=Carpetas     : 1 | Tracks       : pts = 2; ?content:ruvela.tmp~<name>Camino</name>\r\n    <trkseg>"},
    // Windows opened from the menus and the track line.
    {"no folders before any file: menu", "modal menu mnuFolders", "?enabled:mnuFolders=0; ?opened="},
    {"no folders before any file: double click", "modal dclick lblTRK", "?opened="},
    {"no folders after a GPX file", "convert ruta.gpx; modal dclick lblTRK", "?opened="},
    {"folders after a KML file: menu", "convert doc.kml; modal menu mnuFolders", "?opened=frmFolders; "
     "?openedtext~Otros; ?setting:frmFoldersPos/Mh#"},
    {"folders after a KML file: double click", "convert doc.kml; modal dclick lblTRK", "?opened=frmFolders"},
    {"no folders once a GPX file follows", "convert doc.kml; convert ruta.gpx; modal dclick lblTRK", "?opened="},
    {"no folders once a KML file without any follows", "convert doc.kml; convert camino.kml; modal menu mnuFolders",
     "?enabled:mnuFolders=0; ?opened="},
    {"Help", "modal menu mnuHelpH", "?opened=frmHelp"},
    {"About", "modal menu mnuAbout", "?opened=frmAbout; ?openedtext~build: "},
    // Saving the pending result, and the question for a file with content.
    {"save to a new file", "mkdir salidas; convert ruta.gpx; saveas salidas/ruta.kml; click cmdSave; pick -; "
     "click cmdOpen", "?saved:salidas/ruta.kml=yes; ?asked=0; ?state=idle O--- none; ?save:0:title=Save file; "
     "?save:0:filter=Keyhole Markup Language (.kml)|*.kml|All Files (*.*)|*.*; ?save:0:dir={dir}/; "
     "?save:0:name=ruta.kml; ?open:0:dir={dir}/salidas/"},
    {"an empty file is replaced without a question", "convert ruta.gpx; write ruta.kml; saveas ruta.kml; click cmdSave",
     "?asked=0; ?saved:ruta.kml=yes; ?state=idle O--- none"},
    {"a file with content, Reescribirlo", "convert ruta.gpx; write ruta.kml viejo; saveas ruta.kml; answer no; "
     "click cmdSave", "?asked=1; "
     "?question=CUIDADO: El archivo ya existe para no cambiarlo hay que cancelar y usar otro nombre.; "
     "?saved:ruta.kml=yes; ?state=idle O--- none"},
    {"a file with content, Cancelar", "convert ruta.gpx; write ruta.kml viejo; saveas ruta.kml; answer yes; "
     "click cmdSave", "?asked=1; ?content:ruta.kml=viejo; ?state=ready OSR- kml"},
    {"a name without an extension", "convert ruta.gpx; saveas salida; click cmdSave", "?saved:salida=yes; "
     "?state=idle O--- none"},
    {"a failed save keeps the result", "convert ruta.gpx; saveas no/ruta.kml; click cmdSave; "
     "?state=savefailed OSR- kml; ?tip:lblSTAT~{dir}/no/ruta.kml: ; saveas otra.kml; click cmdSave",
     "?saved:otra.kml=yes; ?state=idle O--- none"},
    // Start-up with command-line files: each result but the last is offered for saving.
    {"start-up without files", "start", "?state=idle O--- none; ?file=; ?opens=0; ?saves=0"},
    {"start-up with one file", "start 1", "?state=ready OSR- kml; ?file=f01.gpx; ?saves=0; ?opens=0"},
    {"start-up with three files", "start 3", "?saves=2; ?save:0:name=f01.kml; ?save:1:name=f02.kml; ?file=f03.gpx; "
     "?state=ready OSR- kml"},
    {"start-up with twelve files: ten", "start 12", "?saves=9; ?save:8:name=f09.kml; ?file=f10.gpx"},
    {"start-up with only an empty argument", "start 0 blanks", "?opens=0; ?saves=0; ?status=idle; ?file="},
    {"start-up with two files among empty arguments", "start 2 blanks", "?saves=1; ?file=f02.gpx; ?opens=0"},
    {"the last directory is kept between runs", "setting File/g_sPath /srv/rutas/; start; pick -; click cmdOpen; "
     "?open:0:dir=/srv/rutas/; convert ruta.gpx; answer no; click cmdClose; ?setting:File/g_sPath={dir}/; restart; "
     "pick -; click cmdOpen", "?open:0:dir={dir}/"},
    // Ending the program.
    {"exit with nothing pending", "click cmdClose", "?closed=1; ?asked=0; ?setting:File/g_sPath#"},
    {"exit with a result pending, Perderlo", "convert ruta.gpx; answer no; menu mnuExit", "?closed=1; ?asked=1; "
     "?question=OOOPS: Hay un archivo que no fue guardado!; ?saves=0"},
    {"exit with a result pending, Guardar, cancelled", "convert ruta.gpx; answer yes; saveas -; click cmdClose",
     "?closed=1; ?asked=1; ?saves=1; ?content:guardado.kml="},
    {"exit with a result pending, Guardar, saved", "convert ruta.gpx; answer yes; saveas guardado.kml; menu mnuExit",
     "?closed=1; ?saved:guardado.kml=yes; ?setting:File/g_sPath#"},
    {"Close during a conversion", "convert ruta.gpx; during click cmdClose && ?closed=0; convert ruta.gpx",
     "?closed=1; ?asked=0; ?saves=0; ?status=cancelled; ?setting:File/g_sPath#"},
    {"Salir during a conversion", "convert ruta.gpx; during menu mnuExit && ?closed=0; convert ruta.gpx", "?closed=1; "
     "?asked=0; ?saves=0; ?status=cancelled; ?setting:File/g_sPath#"},
    {"window closed during a conversion", "convert ruta.gpx; during close && ?closed=1; convert ruta.gpx", "?closed=1; "
     "?asked=0; ?saves=0; ?status=cancelled; ?setting:File/g_sPath#"},
    {"Close during start-up drops the other files", "during click cmdClose; start 3", "?closed=1; ?file=f01.gpx; "
     "?saves=0; ?asked=0"},
    // Enter presses the default button or nothing; Esc presses Abort, disabled unless converting.
    {"keys at start-up", "show; ?default=cmdOpen; key Esc; key Enter", "?status=idle; ?opens=1"},
    {"keys after a conversion", "show; convert ruta.gpx; ?default=cmdSave; key Esc; key Enter", "?status=ready; "
     "?saves=1; ?opens=0"},
    {"keys after an error", "show; convert roto.gpx; ?default=cmdOpen; key Esc; key Enter", "?status=error; ?opens=1"},
    {"keys after an unknown format", "show; convert notas.txt; ?default=cmdOpen; key Esc; key Enter",
     "?status=unknown; ?opens=1"},
    {"keys after nothing convertible", "show; convert camino.kml; ?default=cmdOpen; key Esc; key Enter",
     "?status=nodata; ?opens=1"},
    {"keys after an abort", "show; during key Esc; convert ruta.gpx; ?default=cmdOpen; key Esc; key Enter",
     "?status=cancelled; ?opens=1"},
    {"keys after success, then error", "show; convert ruta.gpx; convert roto.gpx; ?default=cmdSave; key Esc; key Enter",
     "?status=error; ?opens=0; ?saves=0"},
    {"keys after a save", "show; convert ruta.gpx; saveas salida.kml; click cmdSave; ?default=cmdSave; key Esc; "
     "key Enter", "?status=idle; ?opens=0; ?saves=1"},
    {"keys after the pending question, Volver", "show; convert ruta.gpx; answer yes; click cmdOpen; ?default=cmdSave; "
     "key Esc; key Enter", "?status=ready; ?opens=0; ?saves=1"},
    {"keys after the pending question, Perderlo", "show; convert ruta.gpx; answer no; click cmdOpen; ?default=cmdSave; "
     "key Esc; key Enter", "?status=ready; ?opens=1; ?saves=1"},
    {"keys after the overwrite question, Cancelar", "show; convert ruta.gpx; write salida.kml viejo; saveas salida.kml; "
     "answer yes; click cmdSave; ?default=cmdSave; key Esc; key Enter", "?status=ready; ?saves=2"},
};
// clang-format on

const QMap<QString, QString> kStatus{{"ready", "Listo (guardar el archivo)"},
                                     {"savefailed", "Listo (error al guardar; el archivo sigue pendiente)"},
                                     {"error", "Inactivo (Ultimo archivo con error)"},
                                     {"nodata", "Inactivo (último archivo sin datos convertibles)"},
                                     {"unknown", "Inactivo (último archivo de formato desconocido)"},
                                     {"cancelled", "Inactivo (último archivo cancelado)"},
                                     {"idle", "Inactivo"},
                                     {"busy", "Procesando"}};
const QStringList kVerbs = QStringLiteral(
                               "start restart convert place write mkdir fifo pick saveas answer click menu "
                               "key during whilesaving close modal drag setting show drop option accept")
                               .split(u' ');

// Plays one scenario's steps on a window of its own.
struct Player {
  QString path(const QString& name) const { return dir.filePath(name); }

  QString place(const QString& spec) {
    const QString name = spec.section(u'=', 0, 0);
    const QString data = samples::DataFile(spec.contains(u'=') ? spec.section(u'=', 1) : name);
    if (QFile::exists(data)) QFile::remove(path(name)), QFile::copy(data, path(name));
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
    if (verb == u"key") QTest::keyClick(window.windowHandle(), rest == u"Esc" ? Qt::Key_Escape : Qt::Key_Return);
    if (verb == u"during") w->whileConverting << later;
    if (verb == u"whilesaving") w->dialogs->whileSaving << later;
    if (verb == u"close") window.close();
    if (verb == u"setting") w->settings->values[args.value(0)] = value;
    if (verb == u"show") QApplication::setActiveWindow(&window);
    if (verb == u"show") QVERIFY(QTest::qWaitForWindowActive(&window));
    if (verb == u"drop") {  // files, a text, or a file elsewhere
      QMimeData data;
      for (const QString& name : args) files << place(name);
      if (rest == u"text") data.setText(path(QStringLiteral("ruta.gpx")));
      if (rest == u"remote") data.setUrls({QUrl(QStringLiteral("https://example.org/ruta.gpx"))});
      if (!files.isEmpty() && rest != u"text" && rest != u"remote") data.setUrls(Urls(files));
      window.processDroppedFiles(data);
    }
    if (verb == u"option") {
      QWidget* control = window.findChild<QWidget*>(args.value(0));
      if (auto* button = qobject_cast<QAbstractButton*>(control)) button->setChecked(value == u"1");
      if (auto* box = qobject_cast<QLineEdit*>(control)) box->setText(value);
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
    if (what == u"file") return w->Text("lblArch").remove(QStringLiteral("Archivo Seleccionado: "));
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
    // A closed window that still shows is a fault: it reads 2.
    if (what == u"closed") return QString::number(window.isClosed() + window.isClosed() * window.isVisible());
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
    QTest::addColumn<int>("row");
    for (int row = 0; row < int(std::size(kScenarios)); ++row) QTest::newRow(kScenarios[row].name) << row;
  }

  void scenario() {
    QFETCH(int, row);
    const Scenario& scenario = kScenarios[row];
    Player player;
    if (!QByteArray(scenario.steps).startsWith("start") && !QByteArray(scenario.steps).contains("; start")) {
      player.w->window().startUp({});
    }
    for (const char* steps : {scenario.steps, scenario.expected}) {
      for (const QString& step : QString::fromUtf8(steps).split(QStringLiteral("; "))) {
        player.play(step);
        if (QTest::currentTestFailed()) return;
      }
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

  // Command-line texts, arguments and given paths; the open dialog's filters.
  void commandLineAndFilters() {
    QStringList ten;
    for (int i = 1; i <= 10; ++i) ten << QString::number(i);
    // clang-format off
    const std::pair<QString, QStringList> texts[] = {{"", {}}, {" \t  ", {}}, {"/r/a.gpx", {"/r/a.gpx"}},
        {"  /r/a.gpx \t\t /r/b.kml  ", {"/r/a.gpx", "/r/b.kml"}}, {"\"/r/mi ruta.gpx\"", {"\"/r/mi", "ruta.gpx\""}},
        {"1 2 3 4 5 6 7 8 9 10 11 12", ten}, {"1 2 3 4 5 6 7 8 9 diez.gpx once", ten.mid(0, 9) << "diez.gpx"}};
    // clang-format on
    for (const auto& [text, arguments] : texts) QCOMPARE(CommandLineArgs(text), arguments);
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

    // The dialog shows each description once, without the patterns again.
    const QString filter = QStringLiteral("Zuvodirod ORE <-> DOV (.gpx;.kml)|*.gpx;*.kml|All Files (*.*)|*.*");
    QCOMPARE(QtNameFilters(filter),
             QStringList({"Zuvodirod ORE <-> DOV (.gpx;.kml) (*.gpx *.kml)", "All Files (*.*) (*)"}));
    QCOMPARE(QtNameFilters(QStringLiteral("Solo")), QStringList());
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    PrepareFileDialog(dialog, FileDialogRequest{QStringLiteral("Open file"), filter, {}, {}}, QFileDialog::AcceptOpen);
    const QComboBox* types = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
    QCOMPARE(types->count(), 2);
    QCOMPARE(types->itemText(0) + u'|' + types->itemText(1),
             QStringLiteral("Zuvodirod ORE <-> DOV (.gpx;.kml)|All Files (*.*)"));
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
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
