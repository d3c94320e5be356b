// One program per user that takes every file: a second start hands the
// files on its command line to the running program over a local socket
// beside the single-instance lock, and the running program takes them as
// if they had been dropped on its window.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class QLocalServer;

namespace ruvela {

// How long a second start waits for the running program's receipt, and how
// long the running program waits for a message to arrive whole.
inline constexpr int kHandOverTimeoutMs = 2000;

// The running program's side.
class HandOverServer final : public QObject {
  Q_OBJECT

 public:
  explicit HandOverServer(int stallTimeoutMs = kHandOverTimeoutMs, QObject* parent = nullptr);

  // Listens at `socketPath`, open to the same user only; a socket left
  // there by a program that ended without closing it, or that did not
  // answer, is replaced.
  bool listen(const QString& socketPath);

 signals:
  // A second start's files, answered with a receipt; none when it named
  // none. A connection that sends anything but a whole message in time is
  // dropped without a word.
  void filesHandedOver(const QStringList& paths);

 private:
  void takeConnection();

  QLocalServer* server_;
  int stallTimeoutMs_;
};

// The second start's side: sends `absolutePaths` to the program running at
// `socketPath` and waits for its receipt. False when no program answers in
// time (the lock it holds is stale, or it hangs).
bool HandFilesToRunningProgram(const QString& socketPath, const QStringList& absolutePaths,
                               int timeoutMs = kHandOverTimeoutMs);

// Beside the single-instance lock: the user's runtime directory, else the
// temporary one under the user's name.
QString DefaultHandOverSocketPath();

}  // namespace ruvela
