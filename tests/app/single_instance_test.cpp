// One copy of the program per user, and a lock left by a crash is no
// obstacle.
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "app/single_instance.h"

using namespace ruvela;

class SingleInstanceTest : public QObject {
  Q_OBJECT

 private slots:
  void secondCopyIsRefused();
  void lockOfVanishedProcessIsTakenOver();
};

void SingleInstanceTest::secondCopyIsRefused() {
  QTemporaryDir directory;
  const QString lockPath = directory.filePath(QStringLiteral("ruvela.lock"));
  {
    SingleInstance first(lockPath);
    QVERIFY(first.tryAcquire());
    SingleInstance second(lockPath);
    QVERIFY(!second.tryAcquire());
  }
  SingleInstance afterFirstEnded(lockPath);
  QVERIFY(afterFirstEnded.tryAcquire());
}

// A copy that crashed leaves its lock file behind, naming a process that
// no longer exists.
void SingleInstanceTest::lockOfVanishedProcessIsTakenOver() {
  QTemporaryDir directory;
  const QString lockPath = directory.filePath(QStringLiteral("ruvela.lock"));
  QFile stale(lockPath);
  QVERIFY(stale.open(QIODevice::WriteOnly));
  stale.write("2147483000\nruvela\n\n");
  stale.close();

  SingleInstance next(lockPath);
  QVERIFY(next.tryAcquire());
}

QTEST_MAIN(SingleInstanceTest)
#include "single_instance_test.moc"
