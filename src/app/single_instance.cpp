#include "app/single_instance.h"

#include <QDir>
#include <QStandardPaths>

namespace ruvela {

SingleInstance::SingleInstance(const QString& lockPath) : lock_(lockPath) {
  // Held for the whole run: never judge the lock stale by its age, only by
  // whether the process that wrote it is still there.
  lock_.setStaleLockTime(0);
}

bool SingleInstance::tryAcquire() { return lock_.isLocked() || lock_.tryLock(0); }

QString DefaultSingleInstanceLockPath() {
  QString directory = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  QString name = QStringLiteral("ruvela.lock");
  if (directory.isEmpty()) {
    // The temporary directory is shared between users: name the user.
    directory = QStandardPaths::writableLocation(QStandardPaths::TempLocation);
    name = QStringLiteral("ruvela-%1.lock").arg(QDir::home().dirName());
  }
  return directory + u'/' + name;
}

}  // namespace ruvela
