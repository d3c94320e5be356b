// The commands that only open a window: the folders viewer from View >
// Carpetas and from a double click on the track line, only while there are
// folders to show; Help and About from the Help menu. Each window is closed
// as soon as it shows, and what it showed is kept for the checks.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "ruvela/version.h"
#include "sample_files.h"
#include "scripted_services.h"
#include "windows/about_window.h"

using namespace ruvela;

namespace {

// What the modal window that opens next shows: its object name, title and
// main text; empty when none opens.
struct OpenedWindow {
  QString name;
  QString title;
  QString text;
};

OpenedWindow CloseNextModalWindow() {
  OpenedWindow opened;
  QWidget* modal = QApplication::activeModalWidget();
  if (modal == nullptr) return opened;
  opened.name = modal->objectName();
  opened.title = modal->windowTitle();
  if (auto* list = modal->findChild<QPlainTextEdit*>(QStringLiteral("txtFolders"))) opened.text = list->toPlainText();
  if (auto* build = modal->findChild<QLabel*>(QStringLiteral("lblBuild"))) opened.text = build->text();
  modal->close();
  return opened;
}

// Runs `command` and returns the window it opened, if any.
template <typename Command>
OpenedWindow WindowOpenedBy(Command command) {
  OpenedWindow opened;
  QTimer::singleShot(0, [&opened] { opened = CloseNextModalWindow(); });
  command();
  QCoreApplication::processEvents();  // the timer, when no window ran its own loop
  return opened;
}

}  // namespace

class WindowCommandsTest : public QObject {
  Q_OBJECT

 private slots:
  void foldersViewerFollowsItsItem_data();
  void foldersViewerFollowsItsItem();
  void helpMenuOpensItsWindows_data();
  void helpMenuOpensItsWindows();
};

void WindowCommandsTest::foldersViewerFollowsItsItem_data() {
  QTest::addColumn<QStringList>("files");  // converted in this order first
  QTest::addColumn<QString>("how");
  QTest::addColumn<bool>("opens");

  const QStringList none;
  const QStringList kml{"doc.kml"};
  // clang-format off
  QTest::newRow("before any file: menu") << none << "menu" << false;
  QTest::newRow("before any file: double click") << none << "double click" << false;
  QTest::newRow("after a GPX file: double click") << QStringList{"ruta.gpx"} << "double click" << false;
  QTest::newRow("after a KML file with folders: menu") << kml << "menu" << true;
  QTest::newRow("after a KML file with folders: double click") << kml << "double click" << true;
  QTest::newRow("then a GPX file: double click") << QStringList{"doc.kml", "ruta.gpx"} << "double click" << false;
  QTest::newRow("then a KML file without folders: menu")
      << QStringList{"doc.kml", "camino.kml"} << "menu" << false;
  // clang-format on
}

void WindowCommandsTest::foldersViewerFollowsItsItem() {
  QFETCH(QStringList, files);
  QFETCH(QString, how);
  QFETCH(bool, opens);

  QTemporaryDir directory;
  ScriptedWindow w(directory.path());
  w.window().startUp({});
  for (const QString& name : files) {
    const char* content = name == u"doc.kml"      ? samples::kDocumentKml
                          : name == u"camino.kml" ? samples::kPathsOnlyKml
                                                  : samples::kGpx;
    w.window().processFile(samples::Write(directory, name, content));
  }
  QCOMPARE(w.Action("mnuFolders")->isEnabled(), opens);

  auto* trackLine = w.window().findChild<QLabel*>(QStringLiteral("lblTRK"));
  const OpenedWindow opened = WindowOpenedBy([&] {
    if (how == u"menu") w.Action("mnuFolders")->trigger();
    if (how == u"double click") QTest::mouseDClick(trackLine, Qt::LeftButton);
  });

  QCOMPARE(opened.name, opens ? QStringLiteral("frmFolders") : QString());
  if (opens) {
    QCOMPARE(opened.title, QStringLiteral("Directorios Procesados"));
    QCOMPARE(opened.text, QString::fromStdString(w.window().runner().counts().folderList).remove(u'\r'));
    QVERIFY(opened.text.contains(QStringLiteral("Otros")));
    // Closing the viewer remembered its place.
    QVERIFY(!w.settings->getSetting(QStringLiteral("frmFoldersPos"), QStringLiteral("Mh")).isEmpty());
  }
}

void WindowCommandsTest::helpMenuOpensItsWindows_data() {
  QTest::addColumn<QString>("item");
  QTest::addColumn<QString>("window");
  QTest::addColumn<QString>("title");
  QTest::addColumn<QString>("text");

  // clang-format off
  QTest::newRow("Ayuda") << "mnuHelpH" << "frmHelp" << "Ayuda (?) del --- Zuvodirod ORE <-> DOV" << "";
  QTest::newRow("Acerca de") << "mnuAbout" << "frmAbout" << "Acerca de --- Zuvodirod ORE <-> DOV"
                             << AboutTextsFor(ruvela::kVersionMajor, ruvela::kVersionMinor,
                                              ruvela::kVersionRevision)
                                    .build;
  // clang-format on
}

void WindowCommandsTest::helpMenuOpensItsWindows() {
  QFETCH(QString, item);
  QFETCH(QString, window);
  QFETCH(QString, title);
  QFETCH(QString, text);

  QTemporaryDir directory;
  ScriptedWindow w(directory.path());
  w.window().startUp({});
  QVERIFY(w.Action(item.toLatin1().constData())->isEnabled());
  const OpenedWindow opened = WindowOpenedBy([&] { w.Action(item.toLatin1().constData())->trigger(); });
  QCOMPARE(opened.name, window);
  QCOMPARE(opened.title, title);
  QCOMPARE(opened.text, text);
}

QTEST_MAIN(WindowCommandsTest)
#include "window_commands_test.moc"
