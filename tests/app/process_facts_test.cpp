// Where the pending result is written: beside the program when its
// directory takes files, as in a build or a per-user copy; in the per-user
// data directory when it does not, as in an installed program.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include "app/process_facts.h"

using namespace ruvela;

class ProcessFactsTest : public QObject {
  Q_OBJECT

 private slots:
  void temporaryResultPath_data();
  void temporaryResultPath();
  void pendingResultBesideProgramIsKept();
};

void ProcessFactsTest::temporaryResultPath_data() {
  QTest::addColumn<QString>("programDirectory");  // what stands at "program" in the scratch directory
  QTest::addColumn<QString>("expected");          // "program" or "data"

  // clang-format off
  QTest::newRow("writable program directory") << "writable" << "program";
  QTest::newRow("read-only program directory") << "read-only" << "data";
  QTest::newRow("a file where the directory should be") << "file" << "data";
  QTest::newRow("program directory gone") << "missing" << "data";
  // clang-format on
}

void ProcessFactsTest::temporaryResultPath() {
  QFETCH(QString, programDirectory);
  QFETCH(QString, expected);

  QTemporaryDir scratch;
  const QString program = scratch.filePath(QStringLiteral("program"));
  if (programDirectory == u"writable" || programDirectory == u"read-only") QVERIFY(QDir().mkdir(program));
  if (programDirectory == u"file") {
    QFile file(program);
    QVERIFY(file.open(QIODevice::WriteOnly));
  }
  if (programDirectory == u"read-only") {
    QVERIFY(QFile::setPermissions(program, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadUser | QFile::ExeUser));
    QFile probe(program + QStringLiteral("/probe"));
    if (probe.open(QIODevice::WriteOnly)) QSKIP("file permissions do not apply to this user (root)");
  }

  ProcessFacts facts;
  facts.programDirectory = program + u'/';
  facts.dataDirectory = scratch.filePath(QStringLiteral("data/ruvela/"));
  const QString path = TemporaryResultPath(facts);

  const QString expectedPath =
      (expected == u"program" ? facts.programDirectory : facts.dataDirectory) + QStringLiteral("ruvela.tmp");
  QCOMPARE(path, expectedPath);
  // The directory is there and takes the file; the choice itself leaves none behind.
  QVERIFY(QFileInfo(QFileInfo(path).path()).isDir());
  QVERIFY(!QFile::exists(path));
  QFile result(path);
  QVERIFY(result.open(QIODevice::WriteOnly));
  if (programDirectory == u"read-only")
    QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

void ProcessFactsTest::pendingResultBesideProgramIsKept() {
  QTemporaryDir program;
  const QString pending = program.filePath(QStringLiteral("ruvela.tmp"));
  {
    QFile file(pending);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("<kml/>");
  }
  ProcessFacts facts;
  facts.programDirectory = program.path() + u'/';
  facts.dataDirectory = program.filePath(QStringLiteral("data/"));
  QCOMPARE(TemporaryResultPath(facts), pending);
  QFile file(pending);
  QVERIFY(file.open(QIODevice::ReadOnly));
  QCOMPARE(file.readAll(), QByteArray("<kml/>"));
}

QTEST_APPLESS_MAIN(ProcessFactsTest)
#include "process_facts_test.moc"
