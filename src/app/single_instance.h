// Only one copy of the program runs per user: a lock file that the running
// copy holds until it ends. A lock left behind by a copy that crashed is
// recognised (its process is gone) and taken over.
#pragma once

#include <QLockFile>
#include <QString>

namespace ruvela {

class SingleInstance {
 public:
  explicit SingleInstance(const QString& lockPath);

  // False when another running copy holds the lock.
  bool tryAcquire();

 private:
  QLockFile lock_;
};

// The lock's place: the user's runtime directory, else the temporary one.
QString DefaultSingleInstanceLockPath();

// `name` ("ruvela.lock") in the user's runtime directory, or, where there is
// none, in the temporary directory with the user's name added
// ("ruvela-ana.lock").
QString PerUserRuntimePath(const QString& name);

}  // namespace ruvela
