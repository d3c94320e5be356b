// Every window but the main one, as the user meets it: the option dialogs
// (what each control shows for a stored value and stores for a user's
// action), the question window, About and Help, the folders viewer and its
// measuring rules, the settings store; and every window of the program,
// the main one included, showing each text whole at 1x and 1.5x.
#include <QtTest>
#include <QtWidgets>

#include "app/user_questions.h"
#include "app/window_texts.h"
#include "options/gpx_to_kml_options_dialog.h"
#include "options/kml_to_gpx_options_dialog.h"
#include "options/option_controls.h"
#include "ruvela/version.h"
#include "sample_files.h"
#include "scripted_services.h"
#include "windows/about_window.h"
#include "windows/folders_geometry.h"
#include "windows/folders_viewer.h"
#include "windows/help_text.h"
#include "windows/help_window.h"
#include "windows/question_window.h"

using namespace ruvela;

namespace {

const QString kTitle = QStringLiteral("Zuvodirod ORE <-> DOV");

// What a control shows, as tests/data/window/windows.txt writes it.
QString Shown(QDialog& window, const QString& name) {
  QWidget* control = window.findChild<QWidget*>(name);
  if (control == nullptr) return QStringLiteral("(no control ") + name + u')';
  QString shown;
  if (auto* box = qobject_cast<OptionCheckBox*>(control)) shown = QString::number(int(box->state()));
  if (auto* option = qobject_cast<QRadioButton*>(control)) shown = QString::number(option->isChecked());
  if (auto* box = qobject_cast<QLineEdit*>(control)) shown = box->text();
  return control->isEnabled() ? shown : shown + u'-';
}

// An option dialog on the values `store` holds; `save` writes what its
// controls hold back, as the main window does with the values OK hands it.
template <class Dialog, class Options>
std::unique_ptr<QDialog> OpenOptions(MemorySettingsStore& store, const OptionTable<Options>& table,
                                     std::function<void()>& save) {
  auto dialog = std::make_unique<Dialog>();
  dialog->setCaptions();
  dialog->setValues(ReadOptions(store, table));
  save = [&store, &table, shown = dialog.get()] { WriteOptions(store, table, shown->values()); };
  return dialog;
}

// A window as the program opens it, named as in windows.txt (a question by
// the one it asks); `save` writes an option dialog's values.
std::unique_ptr<QDialog> OpenWindow(const QString& name, MemorySettingsStore& store, std::function<void()>& save) {
  if (name.startsWith(u"GPX")) return OpenOptions<GpxToKmlOptionsDialog>(store, GpxToKmlOptionTable(), save);
  if (name.startsWith(u"KML")) return OpenOptions<KmlToGpxOptionsDialog>(store, KmlToGpxOptionTable(), save);
  if (name.startsWith(u"Help")) return std::make_unique<HelpWindow>(kTitle);
  if (name.startsWith(u"Question")) {
    return std::make_unique<QuestionWindow>(QuestionTexts(name.endsWith(u"open")   ? texts::kPendingBeforeOpen
                                                          : name.endsWith(u"exit") ? texts::kPendingBeforeExit
                                                                                   : texts::kTargetExists));
  }
  if (name.startsWith(u"About")) {
    auto about = std::make_unique<AboutWindow>(kTitle);
    about->showTexts(AboutTextsFor(kVersionMajor, kVersionMinor, kVersionRevision));
    return about;
  }
  auto viewer = std::make_unique<FoldersViewer>(store);
  viewer->showList({{"Mis lugares", 0, false}, {"Routes", 1, true}});
  return viewer;
}

void PlayWindowStep(QDialog& window, const MemorySettingsStore& store, const QString& step, const QString& section) {
  const QString verb = step.section(u' ', 0, 0), name = step.section(u' ', 1).section(u'=', 0, 0);
  const QString value = step.section(u'=', 1);
  // clang-format off
  const QMap<QString, int> keys{{"Enter", Qt::Key_Return}, {"Esc", Qt::Key_Escape}, {"Space", Qt::Key_Space},
      {"Shift", Qt::Key_Shift}, {"Left", Qt::Key_Left}, {"Tab", Qt::Key_Tab}, {"a", Qt::Key_A}, {"7", Qt::Key_7},
      {"Alt+x", Qt::Key_X | Qt::AltModifier}};
  // clang-format on
  const int key = keys.value(name);
  QWidget* focus = window.focusWidget() ? window.focusWidget() : &window;
  auto* box = window.findChild<QLineEdit*>(name);
  if (verb == u"click") QTest::mouseClick(window.findChild<QAbstractButton*>(name), Qt::LeftButton);
  if (verb == u"key")
    QTest::keyClick(focus, Qt::Key(key & ~Qt::AltModifier), Qt::KeyboardModifiers(key & Qt::AltModifier));
  if (verb == u"close") window.close();
  if (verb == u"resize") window.resize(step.section(u' ', 1, 1).toInt(), step.section(u' ', 2, 2).toInt());
  if (verb == u"set") box->setText(value);
  if (verb == u"keys") QTest::keyClicks(box, value);
  if (verb == u"focus" || verb == u"type") box->setFocus(Qt::TabFocusReason);
  if (verb == u"type") {  // typed, then the box is left
    box->setText(value);
    window.findChild<QPushButton*>(QStringLiteral("cmdDefault"))->setFocus(Qt::TabFocusReason);
  }
  QCoreApplication::processEvents();
  if (!step.startsWith(u'?')) return;
  const QString what = step.mid(1).section(u'=', 0, 0), control = what.section(u':', 1);
  QString shown = Shown(window, what);
  if (what == u"writes") shown = store.writes.join(u',').remove(section + u'/');
  if (what.startsWith(u"stored:")) shown = store.values.value(section + u'/' + control);
  if (what.startsWith(u"selected:")) shown = window.findChild<QLineEdit*>(control)->selectedText();
  if (what == u"visible") shown = QString::number(window.isVisible());
  const QRect frame = window.frameGeometry();  // the whole window, as the viewer stores it
  if (what == u"frame")
    shown = QStringLiteral("%1 %2 %3 %4").arg(frame.x()).arg(frame.y()).arg(frame.width()).arg(frame.height());
  if (what.startsWith(u"place:")) {
    const QRect place = window.findChild<QWidget*>(control)->geometry();
    shown = QStringLiteral("%1 %2 %3 %4").arg(place.x()).arg(place.y()).arg(place.width()).arg(place.height());
  }
  if (what == u"size") shown = QStringLiteral("%1 %2").arg(window.width()).arg(window.height());
  if (what == u"answer") shown = static_cast<QuestionWindow&>(window).firstButtonChosen() ? "1" : "2";
  if (what == u"accesskeys") {  // each check box its own
    QSet<QChar> keys;
    for (const auto* box : window.findChildren<OptionCheckBox*>()) keys << box->text().section(u'&', 1).at(0).toLower();
    shown = QString::number(keys.size());
  }
  QCOMPARE(shown, value);
}

// Everything cut or covered in `window`, in words; empty when nothing is.
// Buttons, check boxes, option buttons and labels hold their texts (with the
// access key's underline), number boxes show -32768, frame captions are
// neither cut nor covered, no two siblings overlap, and no label reads the
// user's names as markup.
QStringList Problems(const QWidget* window) {
  QStringList problems;
  const auto fits = [&](const QWidget* control, const QSize& text, const QRect& room) {
    if (text.width() > room.width() || text.height() > room.height()) problems << control->objectName() + " cut";
  };
  for (const QWidget* control : window->findChildren<QWidget*>()) {
    if (!control->isVisibleTo(window)) continue;
    const QFontMetrics metrics = control->fontMetrics();
    if (const auto* button = qobject_cast<const QAbstractButton*>(control); button && !button->text().isEmpty()) {
      QStyleOptionButton option;
      option.initFrom(button);
      option.text = button->text();
      QStyle::SubElement contents = QStyle::SE_PushButtonContents;
      if (qobject_cast<const QCheckBox*>(button)) contents = QStyle::SE_CheckBoxContents;
      if (qobject_cast<const QRadioButton*>(button)) contents = QStyle::SE_RadioButtonContents;
      if (const auto* push = qobject_cast<const QPushButton*>(button); push && push->isDefault()) {
        option.features |= QStyleOptionButton::DefaultButton;
      }
      fits(button, metrics.size(Qt::TextShowMnemonic, button->text()),
           button->style()->subElementRect(contents, &option, button));
    } else if (const auto* label = qobject_cast<const QLabel*>(control); label && !label->text().isEmpty()) {
      if (label->textFormat() != Qt::PlainText) problems << label->objectName() + " reads markup";
      if (label->wordWrap() && label->heightForWidth(label->width()) > label->height()) problems << "wrap cut";
      const int flags = label->buddy() != nullptr ? Qt::TextShowMnemonic : 0;
      if (!label->wordWrap()) fits(label, metrics.size(flags, label->text()), label->contentsRect());
    } else if (const auto* box = qobject_cast<const QLineEdit*>(control); box && !box->isReadOnly()) {
      QStyleOptionFrame option;
      option.initFrom(box);
      option.lineWidth = box->hasFrame() ? box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box) : 0;
      // The box keeps two pixels free at each side of its text, one for the cursor.
      const QRect room = box->style()->subElementRect(QStyle::SE_LineEditContents, &option, box);
      fits(box, QSize(metrics.horizontalAdvance(QStringLiteral("-32768")), metrics.height()),
           room.marginsRemoved(box->textMargins()).adjusted(2, 0, -3, 0));
    } else if (const auto* frame = qobject_cast<const QGroupBox*>(control); frame && !frame->title().isEmpty()) {
      QStyleOptionGroupBox option;
      option.initFrom(frame);
      option.text = frame->title();
      option.lineWidth = 1;
      option.textAlignment = frame->alignment();
      option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
      const QRect caption =
          frame->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, frame);
      fits(frame, metrics.size(Qt::TextShowMnemonic, frame->title()), caption & frame->rect());
      for (const QWidget* inside : frame->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (inside->isVisibleTo(frame) && inside->geometry().intersects(caption)) problems << "caption covered";
      }
    }
    const QList<QWidget*> siblings = control->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (qsizetype i = 0; i < siblings.size(); ++i) {
      for (qsizetype j = i + 1; j < siblings.size(); ++j) {
        const QWidget *a = siblings[i], *b = siblings[j];
        if (!a->isVisibleTo(window) || !b->isVisibleTo(window) || a->isWindow() || b->isWindow()) continue;
        if (a->geometry().intersects(b->geometry())) problems << a->objectName() + " overlaps " + b->objectName();
      }
    }
  }
  return problems;
}

QPushButton* Button(const QWidget& window, const char* name) {
  return window.findChild<QPushButton*>(QLatin1String(name));
}

// The four keys of the folders viewer's place, as stored.
QStringList StoredPlace(const MemorySettingsStore& store) {
  QStringList place;
  for (const char* key : {"Ml", "Mt", "Mw", "Mh"}) place << store.values.value(QStringLiteral("frmFoldersPos/") + key);
  return place;
}

QString Describe(const std::optional<TwipsBox>& box) {
  return box ? QStringLiteral("%1 %2 %3 %4").arg(box->left).arg(box->top).arg(box->width).arg(box->height) : "-";
}

}  // namespace

class WindowsTest : public QObject {
  Q_OBJECT

 private slots:
  // The rows of tests/data/window/windows.txt: what each control shows for
  // a stored value, and what it shows and stores after a user's action.
  void windowRow_data() {
    QTest::addColumn<QStringList>("steps");
    const auto rows = samples::Scenarios("windows.txt");
    QVERIFY(rows.size() > 40);
    for (const auto& [name, steps] : rows) QTest::newRow(qPrintable(name)) << steps;
  }

  void windowRow() {
    QFETCH(QStringList, steps);
    const QString name = QString::fromUtf8(QTest::currentDataTag());
    const QString section = name.startsWith(u"GPX")   ? QStringLiteral("GPX2KMLOpts")
                            : name.startsWith(u"KML") ? QStringLiteral("KML2GPXOpts")
                                                      : QStringLiteral("frmFoldersPos");
    MemorySettingsStore store;
    for (const QString& step : steps) {
      if (step.startsWith(u"stored "))
        store.values[section + u'/' + step.mid(7).section(u'=', 0, 0)] = step.section(u'=', 1);
    }
    std::function<void()> save;
    const auto window = OpenWindow(name, store, save);
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    for (const QString& step : steps) {
      if (step == u"save") save();
      PlayWindowStep(*window, store, step, section);
      if (QTest::currentTestFailed()) return;
    }
  }

  void aboutAndHelpTexts() {
    AboutWindow about(kTitle);
    about.showTexts(AboutTextsFor(4, 0, 21));
    QCOMPARE(about.findChild<QLabel*>(QStringLiteral("lblVersion"))->text(), QStringLiteral("4.0"));
    QVERIFY(about.isModal());
    for (const auto& [major, minor] : {std::pair{4, 0}, std::pair{5, 12}}) {
      const QString text = HelpText(major, minor);
      QVERIFY(text.startsWith(
          QStringLiteral("(English... look at the end of this text)\r\nV%1.%2\r\n\r\n").arg(major).arg(minor)));
      QVERIFY(text.endsWith(QStringLiteral("\r\n")));
      // Every line break is CR LF: no CR or LF stands alone.
      QCOMPARE(text.count(u'\n') + text.count(u'\r'), 2 * text.count(QStringLiteral("\r\n")));
      // The English part follows a line of 25 hyphens.
      QVERIFY(text.contains(QStringLiteral("\r\n-------------------------\r\nThis program")));
      QVERIFY(!text.contains(QStringLiteral("--------------------------")));
    }
    HelpWindow help(kTitle);
    help.show();
    auto* text = help.findChild<QPlainTextEdit*>(QStringLiteral("txtAbout"));
    QVERIFY(text->isReadOnly() && help.focusWidget() == text && Button(help, "cmdOK")->isDefault());
    QCOMPARE(text->toPlainText(), HelpText(kVersionMajor, kVersionMinor).remove(u'\r'));
  }

  // The two pictures of About and Help trade places when PicturesSwapped()
  // says so for the second at which the window opens.
  void picturesTradePlaces() {
    const auto places = [](const QWidget& window) {
      return std::pair{window.findChild<QLabel*>(QStringLiteral("picIconGoogleEarth"))->pos(),
                       window.findChild<QLabel*>(QStringLiteral("picIconMapSource"))->pos()};
    };
    const auto aboutAt = [](double s) { return std::make_unique<AboutWindow>(kTitle, [s] { return s; }); };
    const auto helpAt = [](double s) { return std::make_unique<HelpWindow>(kTitle, [s] { return s; }); };
    const auto about = places(*aboutAt(0)), help = places(*helpAt(0));
    QVERIFY(about.first != about.second && help.first != help.second);
    for (const double seconds : {1.0, 1.5, 4.6}) {
      const auto swap = [&](auto pair) { return PicturesSwapped(seconds) ? std::pair(pair.second, pair.first) : pair; };
      QCOMPARE(places(*aboutAt(seconds)), swap(about));
      QCOMPARE(places(*helpAt(seconds)), swap(help));
    }
  }

  // The viewer shows the list scrolled to its end; closed, it writes its
  // whole window's place in twips.
  void foldersViewer() {
    MemorySettingsStore store;
    FoldersViewer viewer(store);
    EnteredFolders folders;
    QString list;  // as the box shows them: a line each, the last one ended too
    for (int i = 0; i < 40; ++i) {
      folders.append("Carpeta " + std::to_string(i), 0, false);
      list += QStringLiteral("Carpeta %1\n").arg(i);
    }
    viewer.showList(folders);
    viewer.show();
    auto* box = viewer.findChild<QPlainTextEdit*>(QStringLiteral("txtFolders"));
    QVERIFY(viewer.focusWidget() == Button(viewer, "cmdClose") && Button(viewer, "cmdClose")->isDefault());
    QVERIFY(box->isReadOnly() && !box->textCursor().hasSelection() && box->verticalScrollBar()->maximum() > 0);
    QCOMPARE(box->toPlainText(), list);
    QCOMPARE(box->textCursor().position(), box->document()->characterCount() - 1);
    QCOMPARE(box->verticalScrollBar()->value(), box->verticalScrollBar()->maximum());
    // A line too long for the box loses its middle and shows whole as its
    // tooltip; the others keep the list's own.
    const QString longLine = QStringLiteral("  Viaje ") + QString(200, u'x') + QStringLiteral(" fin <<<");
    viewer.showList({{"Corta", 0, false}, {"Viaje " + std::string(200, 'x') + " fin", 1, true}});
    const QStringList shown = box->toPlainText().split(u'\n');
    QCOMPARE(shown.value(0), QStringLiteral("Corta"));
    QVERIFY2(shown.value(1).startsWith(QStringLiteral("  Viaje x")) &&
                 shown.value(1).endsWith(QStringLiteral("x fin <<<")) && shown.value(1).contains(u'…') &&
                 box->fontMetrics().horizontalAdvance(shown.value(1)) < box->width(),
             qPrintable(shown.value(1)));
    for (const int line : {0, 1}) {
      const QPoint at = box->cursorRect(QTextCursor(box->document()->findBlockByNumber(line))).center();
      QHelpEvent hover(QEvent::ToolTip, at, box->viewport()->mapToGlobal(at));
      QCoreApplication::sendEvent(box->viewport(), &hover);
      QCOMPARE(QToolTip::text(),
               line == 1 ? longLine : QStringLiteral("\" <<<\" indica carpeta procesada como fuente de rutas."));
      QToolTip::hideText();
    }
    viewer.setGeometry(40, 30, 500, 260);
    Button(viewer, "cmdClose")->click();
    const QRect outer = viewer.frameGeometry();
    QVERIFY(outer.width() >= 500 && outer.height() >= 260);
    const TwipsBox twips{outer.left() * 15, outer.top() * 15, outer.width() * 15, outer.height() * 15};
    QCOMPARE(StoredPlace(store).join(u' '), Describe(twips));
  }

  // Opened and closed ten times over a main window whose frame may differ
  // from the viewer's, the viewer comes back each time exactly as closed.
  void foldersViewerReopensAsClosed() {
    for (const bool framelessMainWindow : {false, true}) {
      MemorySettingsStore store;
      QWidget mainWindow(nullptr, framelessMainWindow ? Qt::FramelessWindowHint : Qt::Window);
      mainWindow.setGeometry(50, 50, 700, 200);
      mainWindow.show();
      QRect firstPlace;
      QStringList firstStored;
      for (int opening = 1; opening <= 10; ++opening) {
        FoldersViewer viewer(store, &mainWindow);
        viewer.show();
        QVERIFY(QTest::qWaitForWindowExposed(&viewer));
        if (opening == 1) viewer.setGeometry(120, 90, 480, 250);  // the user's place
        const QRect place = viewer.frameGeometry();
        Button(viewer, "cmdClose")->click();
        if (opening == 1) firstPlace = place, firstStored = StoredPlace(store);
        QCOMPARE(place, firstPlace);
        QCOMPARE(StoredPlace(store), firstStored);
      }
    }
  }

  // The rules of tests/data/window/window-rules.txt.
  void rules() {
    int rules = 0;
    for (const QString& line : QString::fromUtf8(samples::Read(samples::DataFile("window-rules.txt"))).split(u'\n')) {
      const QString rule = line.section(u' ', 0, 0), input = line.section(u' ', 1).section(" -> ", 0, 0);
      const QStringList in = input.split(rule == u"place" ? u'|' : u' ');
      const std::optional<int> coordinate = StoredCoordinate(input);
      const std::optional<FoldersLayout> layout = LayOutFolders(in.value(0).toInt(), in.value(1).toInt(), 1575, 375);
      const AboutTexts about = AboutTextsFor(in.value(0).toInt(), in.value(1).toInt(), in.value(2).toInt());
      QString actual = rule == u"written" ? CoordinateText(input.toInt())
                       : coordinate       ? QString::number(*coordinate)
                                          : "-";
      if (rule == u"place") actual = Describe(RestoredWindowPlace({in[0], in[1], in[2], in[3]}, 1024 * 15, 768 * 15));
      if (rule == u"layout") actual = layout ? Describe(layout->closeButton) + "; " + Describe(layout->list) : "-";
      if (rule == u"about") actual = about.version + u' ' + about.build;
      if (rule == u"swapped") actual = QString::number(PicturesSwapped(input.toDouble()));
      if (line.isEmpty() || line.startsWith(u'#')) continue;
      QVERIFY2(actual == line.section(" -> ", 1), qPrintable(line + " gives " + actual));
      ++rules;
    }
    QVERIFY(rules > 50);
  }

  // The store keeps values per version; options written by an earlier build
  // (tests/data/settings, a value of every form and none a default) come
  // back and are written again byte for byte.
  void settingsStore() {
    QTemporaryDir directory;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, directory.path());
    QCOMPARE(SettingsApplicationName(), QStringLiteral("Ruvela%1%2").arg(kVersionMajor).arg(kVersionMinor));
    QCOMPARE(QtSettingsStore().getSetting("File", "nada", "/prog/"), QStringLiteral("/prog/"));
    QtSettingsStore(SettingsApplicationName(4, 0)).saveSetting("GPX2KMLOpts", "txtT_ele", "99");
    QCOMPARE(QtSettingsStore(SettingsApplicationName(4, 1)).getSetting("GPX2KMLOpts", "txtT_ele", "25"), "25");
    const QString stored = QStringLiteral(RUVELA_TEST_DATA_DIR "/settings/Ruvela40.conf");
    QFile::remove(directory.filePath(QStringLiteral("Ruvela/Ruvela40.conf")));
    QVERIFY(QFile::copy(stored, directory.filePath(QStringLiteral("Ruvela/Ruvela40.conf"))));
    const QtSettingsStore earlier(SettingsApplicationName(4, 0));
    QtSettingsStore later(SettingsApplicationName(9, 9));
    // Values that did not come back would be written as their defaults.
    WriteOptions(later, GpxToKmlOptionTable(), ReadOptions(earlier, GpxToKmlOptionTable()));
    WriteOptions(later, KmlToGpxOptionTable(), ReadOptions(earlier, KmlToGpxOptionTable()));
    QCOMPARE(samples::Read(directory.filePath(QStringLiteral("Ruvela/Ruvela99.conf"))), samples::Read(stored));
  }

  // Every window opens within reach on small and large screens at the
  // usual scales, each row in a program of its own with that one screen.
  void windowsStayOnScreen_data() {
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<double>("scale");
    for (const QSize screen : {QSize(800, 600), QSize(1280, 800), QSize(1920, 1080)}) {
      for (const double scale : {1.0, 1.5, 2.0}) {
        QTest::newRow(qPrintable(QStringLiteral("%1x%2 at %3").arg(screen.width()).arg(screen.height()).arg(scale)))
            << screen << scale;
      }
    }
  }

  void windowsStayOnScreen() {
    QFETCH(QSize, screen);
    QFETCH(double, scale);
    QTemporaryDir directory;
    const QString config = samples::Write(directory, QStringLiteral("screen.json"),
                                          QStringLiteral(R"({"screens": [{"name": "s", "x": 0, "y": 0, "width": %1, )"
                                                         R"("height": %2, "logicalDpi": 96, "logicalBaseDpi": 96}]})")
                                              .arg(screen.width())
                                              .arg(screen.height())
                                              .toUtf8());
    QProcess placing;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen:configfile=") + config);
    environment.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::number(scale));
    placing.setProcessEnvironment(environment);
    placing.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--place-windows")});
    QVERIFY(placing.waitForFinished(30000));
    const QString faults = QString::fromUtf8(placing.readAllStandardOutput());
    QVERIFY2(placing.exitStatus() == QProcess::NormalExit && placing.exitCode() == 0 && faults.isEmpty(),
             qPrintable(faults + QString::fromUtf8(placing.readAllStandardError())));
  }

  void textsFit_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<double>("scale");
    for (const double scale : {1.0, 1.5}) {
      for (const QString window : {"main idle", "main after GPX", "main after KML", "frmGPX2KMLOpts", "frmKML2GPXOpts",
                                   "Question: pending before open", "Question: pending before exit",
                                   "Question: file exists", "Folders viewer", "About", "Help"}) {
        QTest::newRow(qPrintable(QStringLiteral("%1, font x%2").arg(window).arg(scale))) << window << scale;
      }
    }
  }

  void textsFit() {
    QFETCH(QString, window);
    QFETCH(double, scale);
    const QFont normal = QApplication::font();
    QFont font = normal;
    font.setPointSizeF(normal.pointSizeF() * scale);
    QApplication::setFont(font);
    QTemporaryDir directory;
    ScriptedWindow main(directory.path());
    main.window().startUp({});
    // A name the user gave is shown as written, never read as markup.
    if (window == u"main after GPX") main.window().processFile(samples::Write(directory, "<b>ruta.gpx", samples::kGpx));
    if (window == u"main after KML") main.window().processFile(samples::DataFile(QStringLiteral("doc.kml")));
    MemorySettingsStore store;
    std::function<void()> save;
    const bool ownWindow = window.startsWith(u"main") || window.startsWith(u"frm");
    const auto other = ownWindow ? nullptr : OpenWindow(window, store, save);
    QWidget* shown = other ? static_cast<QWidget*>(other.get()) : &main.window();
    if (window.startsWith(u"frm")) shown = main.window().findChild<QWidget*>(window);  // as the window made them
    shown->show();
    const QStringList problems = Problems(shown);
    QApplication::setFont(normal);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral("; "))));
  }
};

// Run by windowsStayOnScreen with a screen of its own: shows every window
// as the program opens it and prints each one that the user could not reach
// whole, or whose texts do not fit.
int PlaceWindows() {
  QTemporaryDir directory;
  ScriptedWindow main(directory.path());
  main.window().startUp({});
  main.window().processFile(samples::Write(directory, "ruta.gpx", samples::kGpx));
  // The folders viewer as a 1x screen of 1280 x 800 left it, at its bottom right.
  MemorySettingsStore store;
  for (const auto& [key, pixels] : {std::pair{"Ml", 700}, {"Mt", 460}, {"Mw", 560}, {"Mh", 320}}) {
    store.values[QStringLiteral("frmFoldersPos/") + key] = QString::number(pixels * 15);
  }
  std::vector<std::unique_ptr<QWidget>> own;
  own.push_back(std::make_unique<QuestionWindow>(QuestionTexts(texts::kPendingBeforeExit), &main.window()));
  own.push_back(std::make_unique<AboutWindow>(kTitle, SecondsSinceMidnight, &main.window()));
  own.push_back(std::make_unique<HelpWindow>(kTitle, SecondsSinceMidnight, &main.window()));
  auto viewer = std::make_unique<FoldersViewer>(store, &main.window());
  viewer->showList({{"Mis lugares", 0, false}, {"Routes", 1, true}});
  own.push_back(std::move(viewer));
  QList<QWidget*> windows{&main.window(), main.window().findChild<QWidget*>("frmGPX2KMLOpts"),
                          main.window().findChild<QWidget*>("frmKML2GPXOpts")};
  for (const auto& window : own) windows << window.get();
  int faults = 0;
  for (QWidget* window : windows) {
    window->show();
    QCoreApplication::processEvents();
    const QRect frame = window->frameGeometry(), available = window->screen()->availableGeometry();
    // Inside along each side it fits, else from the area's top or left edge.
    const bool across = frame.width() > available.width()
                            ? frame.left() == available.left()
                            : frame.left() >= available.left() && frame.right() <= available.right();
    const bool down = frame.height() > available.height()
                          ? frame.top() == available.top()
                          : frame.top() >= available.top() && frame.bottom() <= available.bottom();
    // The main window keeps its described place where it fits from there.
    const bool described = window != &main.window() || !available.contains(QRect(QPoint(194, 142), frame.size())) ||
                           frame.topLeft() == QPoint(194, 142);
    QStringList problems = Problems(window);
    if (!across || !down || !described) QDebug(&problems.emplaceBack()) << frame << "on" << available;
    if (!problems.isEmpty()) std::printf("%s: %s\n", qPrintable(window->objectName()), qPrintable(problems.join("; ")));
    faults += int(!problems.isEmpty());
    window->hide();
  }
  return faults;
}

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  if (argc == 2 && qstrcmp(argv[1], "--place-windows") == 0) return PlaceWindows();
  QApplication::setAttribute(Qt::AA_Use96Dpi, true);
  WindowsTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "windows_test.moc"
