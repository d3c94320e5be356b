// What a second start of the program sends the running one: the files named
// on its command line, as absolute paths. A message is a fixed greeting,
// then each path, then an empty field, every field ending in a NUL byte (the
// one byte no path holds). The running program reads it from a local socket
// that anyone of the same user may write to, so the reader takes only what
// is exactly that: at most ten absolute paths of bounded length in UTF-8.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

namespace ruvela {

// The message for `paths` (absolute paths, at most kMaxCommandLineFiles).
QByteArray HandOverMessage(const QStringList& paths);

// What the running program answers once it has taken the paths.
inline constexpr char kHandOverReceipt[] = "ok\n";

class HandOverReader {
 public:
  enum class State { Reading, Complete, Refused };

  // Takes the next bytes of the connection. Once Complete or Refused, the
  // state stays; anything after the end of a message refuses it.
  State feed(QByteArrayView bytes);
  State state() const { return state_; }
  // The paths of a Complete message (none: the second start named no file).
  const QStringList& paths() const { return paths_; }

 private:
  State takeField(const QByteArray& field);

  State state_ = State::Reading;
  bool greeted_ = false;
  QByteArray field_;  // the field being read
  QStringList paths_;
};

}  // namespace ruvela
