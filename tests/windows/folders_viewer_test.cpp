// The folders viewer as the user meets it: its texts, the list scrolled to
// its end, the remembered place, and the layout as the window is resized.
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>

#include "support/memory_settings_store.h"
#include "windows/folders_viewer.h"

using namespace ruvela;

namespace {

const QString kSection = QStringLiteral("frmFoldersPos");

void Remember(MemorySettingsStore& store, const QString& left, const QString& top, const QString& width,
              const QString& height) {
  store.saveSetting(kSection, QStringLiteral("Ml"), left);
  store.saveSetting(kSection, QStringLiteral("Mt"), top);
  store.saveSetting(kSection, QStringLiteral("Mw"), width);
  store.saveSetting(kSection, QStringLiteral("Mh"), height);
  store.writes.clear();
}

QString Stored(const MemorySettingsStore& store, const char* key) {
  return store.getSetting(kSection, QLatin1String(key), QStringLiteral("(absent)"));
}

QPushButton* CloseButton(const FoldersViewer& viewer) {
  return viewer.findChild<QPushButton*>(QStringLiteral("cmdClose"));
}

QPlainTextEdit* List(const FoldersViewer& viewer) {
  return viewer.findChild<QPlainTextEdit*>(QStringLiteral("txtFolders"));
}

}  // namespace

class FoldersViewerTest : public QObject {
  Q_OBJECT

 private slots:
  void showsListScrolledToItsEnd();
  void firstOpeningUsesDefaultSize();
  void closingWritesPlace_data();
  void closingWritesPlace();
  void remembersPlace_data();
  void remembersPlace();
  void reopensAsClosed_data();
  void reopensAsClosed();
  void layoutFollowsSize_data();
  void layoutFollowsSize();
};

void FoldersViewerTest::showsListScrolledToItsEnd() {
  MemorySettingsStore store;
  FoldersViewer viewer(store);
  QString list;
  for (int i = 1; i <= 40; ++i) list += QStringLiteral("Carpeta %1\r\n").arg(i);
  list += QStringLiteral("  Routes <<<\r\n");
  viewer.showList(list);
  viewer.show();

  QCOMPARE(viewer.windowTitle(), QStringLiteral("Directorios Procesados"));
  QCOMPARE(CloseButton(viewer)->text(), QStringLiteral("&Cerrar"));
  QVERIFY(CloseButton(viewer)->isDefault());
  QCOMPARE(viewer.focusWidget(), CloseButton(viewer));
  QPlainTextEdit* box = List(viewer);
  QVERIFY(box->isReadOnly());
  QCOMPARE(box->toPlainText(), QString(list).remove(u'\r'));
  QCOMPARE(box->textCursor().position(), box->document()->characterCount() - 1);
  QVERIFY(!box->textCursor().hasSelection());
  QCOMPARE(box->verticalScrollBar()->value(), box->verticalScrollBar()->maximum());
  QVERIFY(box->verticalScrollBar()->maximum() > 0);
  QCOMPARE(box->toolTip(), QStringLiteral("\" <<<\" indica carpeta procesada como fuente de rutas."));
}

void FoldersViewerTest::firstOpeningUsesDefaultSize() {
  MemorySettingsStore store;
  FoldersViewer viewer(store);
  viewer.show();
  // 6645 x 3195 twips.
  QCOMPARE(viewer.size(), QSize(443, 213));
  QVERIFY(store.writes.isEmpty());
}

void FoldersViewerTest::closingWritesPlace_data() {
  QTest::addColumn<QString>("how");
  // clang-format off
  QTest::newRow("Close button") << "click";
  QTest::newRow("Enter") << "enter";
  QTest::newRow("Esc") << "escape";
  QTest::newRow("window's close command") << "close";
  // clang-format on
}

void FoldersViewerTest::closingWritesPlace() {
  QFETCH(QString, how);
  MemorySettingsStore store;
  FoldersViewer viewer(store);
  viewer.show();
  viewer.move(40, 30);
  viewer.resize(500, 260);

  if (how == u"click") CloseButton(viewer)->click();
  if (how == u"enter") QTest::keyClick(viewer.focusWidget(), Qt::Key_Return);
  if (how == u"escape") QTest::keyClick(viewer.focusWidget(), Qt::Key_Escape);
  if (how == u"close") viewer.close();

  QVERIFY(!viewer.isVisible());
  const QStringList order{kSection + "/Ml", kSection + "/Mt", kSection + "/Mw", kSection + "/Mh"};
  QCOMPARE(store.writes, order);
  const QRect outer = viewer.frameGeometry();
  QCOMPARE(Stored(store, "Ml"), QString::number(outer.left() * 15));
  QCOMPARE(Stored(store, "Mt"), QString::number(outer.top() * 15));
  QCOMPARE(Stored(store, "Mw"), QString::number(outer.width() * 15));
  QCOMPARE(Stored(store, "Mh"), QString::number(outer.height() * 15));
  QVERIFY(outer.width() >= 500 && outer.height() >= 260);
}

void FoldersViewerTest::remembersPlace_data() {
  QTest::addColumn<QString>("left");
  QTest::addColumn<QString>("top");
  QTest::addColumn<QString>("width");
  QTest::addColumn<QString>("height");
  QTest::addColumn<QRect>("expected");  // the whole window in pixels; the default inner size when not restored

  // clang-format off
  QTest::newRow("remembered") << "1500" << "1200" << "6900" << "3600" << QRect(100, 80, 460, 240);
  QTest::newRow("left against the screen edge") << "0" << "1200" << "6900" << "3600"
                                                << QRect(QPoint(), QSize(443, 213));
  QTest::newRow("one key missing") << "1500" << "1200" << "6900" << "" << QRect(QPoint(), QSize(443, 213));
  // clang-format on
}

void FoldersViewerTest::remembersPlace() {
  QFETCH(QString, left);
  QFETCH(QString, top);
  QFETCH(QString, width);
  QFETCH(QString, height);
  QFETCH(QRect, expected);

  MemorySettingsStore store;
  Remember(store, left, top, width, height);
  FoldersViewer viewer(store);
  viewer.show();
  QVERIFY(QTest::qWaitForWindowExposed(&viewer));
  // The stored size is the whole window's, frame included.
  const QSize frame = viewer.frameGeometry().size() - viewer.size();
  if (expected.topLeft().isNull()) {
    QCOMPARE(viewer.size(), expected.size());
  } else {
    QCOMPARE(viewer.frameGeometry(), expected);
    QCOMPARE(viewer.size(), expected.size() - frame);
  }

  // What was restored is written back unchanged.
  CloseButton(viewer)->click();
  if (!expected.topLeft().isNull()) {
    QCOMPARE(Stored(store, "Ml"), left);
    QCOMPARE(Stored(store, "Mt"), top);
    QCOMPARE(Stored(store, "Mw"), width);
    QCOMPARE(Stored(store, "Mh"), height);
  }
}

// Opened and closed ten times over a main window whose frame differs from
// the viewer's, the viewer comes back each time exactly as it was closed.
void FoldersViewerTest::reopensAsClosed_data() {
  QTest::addColumn<bool>("framelessMainWindow");
  // clang-format off
  QTest::newRow("main window framed like the viewer") << false;
  QTest::newRow("main window without a frame") << true;
  // clang-format on
}

void FoldersViewerTest::reopensAsClosed() {
  QFETCH(bool, framelessMainWindow);
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
    CloseButton(viewer)->click();
    const QStringList stored{Stored(store, "Ml"), Stored(store, "Mt"), Stored(store, "Mw"), Stored(store, "Mh")};
    if (opening == 1) {
      firstPlace = place;
      firstStored = stored;
    }
    QCOMPARE(place, firstPlace);
    QCOMPARE(stored, firstStored);
  }
}

void FoldersViewerTest::layoutFollowsSize_data() {
  QTest::addColumn<QSize>("size");
  QTest::addColumn<QRect>("button");
  QTest::addColumn<QRect>("list");

  // clang-format off
  QTest::newRow("default size") << QSize(443, 213) << QRect(169, 185, 105, 25) << QRect(0, 0, 443, 180);
  QTest::newRow("larger") << QSize(600, 400) << QRect(247, 372, 105, 25) << QRect(0, 0, 600, 367);
  QTest::newRow("too narrow") << QSize(80, 213) << QRect(1, 185, 105, 25) << QRect(0, 0, 107, 180);
  QTest::newRow("too short") << QSize(443, 30) << QRect(169, 22, 105, 25) << QRect(0, 0, 443, 17);
  // Both: the controls keep the places of the size before.
  QTest::newRow("too narrow and too short") << QSize(80, 30) << QRect(169, 185, 105, 25)
                                            << QRect(0, 0, 443, 180);
  // clang-format on
}

void FoldersViewerTest::layoutFollowsSize() {
  QFETCH(QSize, size);
  QFETCH(QRect, button);
  QFETCH(QRect, list);

  MemorySettingsStore store;
  FoldersViewer viewer(store);
  viewer.show();
  viewer.resize(size);
  QCOMPARE(viewer.size(), size);
  QCOMPARE(CloseButton(viewer)->geometry(), button);
  QCOMPARE(List(viewer)->geometry(), list);
}

QTEST_MAIN(FoldersViewerTest)
#include "folders_viewer_test.moc"
