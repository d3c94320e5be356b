// Splitting a command-line text, resolving given paths, and the file
// dialog's filters.
#include <QComboBox>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include "app/command_line.h"
#include "app/file_dialogs.h"
#include "app/qt_file_dialogs.h"
#include "sample_files.h"

using namespace ruvela;

class CommandLineTest : public QObject {
  Q_OBJECT

 private slots:
  void commandLineArgs_data();
  void commandLineArgs();
  void onlyTenFilesAreTaken();
  void getLongFilename_data();
  void getLongFilename();
  void qtNameFilters_data();
  void qtNameFilters();
};

void CommandLineTest::commandLineArgs_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<QStringList>("arguments");

  // clang-format off
  QTest::newRow("empty") << "" << QStringList();
  QTest::newRow("only blanks") << " \t  " << QStringList();
  QTest::newRow("one") << "/r/a.gpx" << QStringList({"/r/a.gpx"});
  QTest::newRow("runs of blanks and tabs") << "  /r/a.gpx \t\t /r/b.kml  " << QStringList({"/r/a.gpx", "/r/b.kml"});
  QTest::newRow("quotes are ordinary") << "\"/r/mi ruta.gpx\"" << QStringList({"\"/r/mi", "ruta.gpx\""});
  QTest::newRow("eleventh and later ignored") << "1 2 3 4 5 6 7 8 9 10 11 12"
                                              << QStringList({"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"});
  QTest::newRow("tenth keeps its whole text") << "1 2 3 4 5 6 7 8 9 diez.gpx once"
                                              << QStringList({"1", "2", "3", "4", "5", "6", "7", "8", "9", "diez.gpx"});
  // clang-format on
}

void CommandLineTest::commandLineArgs() {
  QFETCH(QString, text);
  QFETCH(QStringList, arguments);
  QCOMPARE(CommandLineArgs(text), arguments);
}

void CommandLineTest::onlyTenFilesAreTaken() {
  QStringList twelve;
  for (int i = 1; i <= 12; ++i) twelve << QString::number(i);
  QCOMPARE(CommandLineFiles(twelve), twelve.mid(0, 10));
  QCOMPARE(CommandLineFiles({"a b.gpx"}), QStringList({"a b.gpx"}));  // the shell's split stands
  // An empty argument is no file and takes no place among the ten.
  QCOMPARE(CommandLineFiles(QStringList{""} + twelve), twelve.mid(0, 10));
  QCOMPARE(CommandLineFiles({"", "a.gpx", ""}), QStringList({"a.gpx"}));
}

void CommandLineTest::getLongFilename_data() {
  QTest::addColumn<QString>("given");     // relative to the working directory, or absolute with {dir}
  QTest::addColumn<QString>("expected");  // {dir} stands for the working directory

  // clang-format off
  QTest::newRow("absolute") << "{dir}/ruta.gpx" << "{dir}/ruta.gpx";
  QTest::newRow("relative") << "ruta.gpx" << "{dir}/ruta.gpx";
  QTest::newRow("dot segments") << "./sub/../ruta.gpx" << "{dir}/ruta.gpx";
  QTest::newRow("directory") << "sub" << "{dir}/sub";
  QTest::newRow("missing") << "falta.gpx" << "";
  QTest::newRow("missing directory") << "{dir}/no/ruta.gpx" << "";
  QTest::newRow("empty") << "" << "";
  // clang-format on
}

void CommandLineTest::getLongFilename() {
  QFETCH(QString, given);
  QFETCH(QString, expected);
  QTemporaryDir directory;
  samples::Write(directory, QStringLiteral("ruta.gpx"), samples::kGpx);
  QDir(directory.path()).mkdir(QStringLiteral("sub"));
  const QString previous = QDir::currentPath();
  QDir::setCurrent(directory.path());
  const QString dir = QDir::current().absolutePath();

  const QString result = GetLongFilename(QString(given).replace(QStringLiteral("{dir}"), dir));

  QDir::setCurrent(previous);
  QCOMPARE(result, expected.replace(QStringLiteral("{dir}"), dir));
}

void CommandLineTest::qtNameFilters_data() {
  QTest::addColumn<QString>("filter");
  QTest::addColumn<QStringList>("nameFilters");

  // clang-format off
  QTest::newRow("save as KML") << "Keyhole Markup Language (.kml)|*.kml|All Files (*.*)|*.*"
                               << QStringList({"Keyhole Markup Language (.kml) (*.kml)", "All Files (*.*) (*)"});
  QTest::newRow("two patterns") << "Zuvodirod ORE <-> DOV (.gpx;.kml)|*.gpx;*.kml"
                                << QStringList({"Zuvodirod ORE <-> DOV (.gpx;.kml) (*.gpx *.kml)"});
  QTest::newRow("description without pattern") << "Solo" << QStringList();
  // clang-format on
}

void CommandLineTest::qtNameFilters() {
  QFETCH(QString, filter);
  QFETCH(QStringList, nameFilters);
  QCOMPARE(QtNameFilters(filter), nameFilters);
  if (nameFilters.isEmpty()) return;

  // The dialog shows each description once, without the patterns again.
  QFileDialog dialog;
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  PrepareFileDialog(dialog, FileDialogRequest{QStringLiteral("Open file"), filter, {}, {}}, QFileDialog::AcceptOpen);
  QStringList shown;
  const QComboBox* types = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
  for (int i = 0; i < types->count(); ++i) shown << types->itemText(i);
  const QStringList parts = filter.split(u'|');
  QStringList descriptions;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) descriptions << parts[i];
  QCOMPARE(shown, descriptions);
}

QTEST_MAIN(CommandLineTest)
#include "command_line_test.moc"
