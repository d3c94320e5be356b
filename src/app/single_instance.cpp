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

QString PerUserRuntimePath(const QString& name) {
  const QString directory = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (!directory.isEmpty()) return directory + u'/' + name;
  // The temporary directory is shared between users: name the user.
  const QString dot = name.section(u'.', 0, 0) + u'-' + QDir::home().dirName() + u'.' + name.section(u'.', 1);
  return QStandardPaths::writableLocation(QStandardPaths::TempLocation) + u'/' + dot;
}

QString DefaultSingleInstanceLockPath() { return PerUserRuntimePath(QStringLiteral("ruvela.lock")); }

}  // namespace ruvela
