#include "app/hand_over_message.h"

#include <QDir>
#include <QStringDecoder>

#include "app/command_line.h"

namespace ruvela {

namespace {

constexpr char kGreeting[] = "ruvela-files/1";
// The longest path the system takes, in bytes.
constexpr qsizetype kMaxPathBytes = 4096;

}  // namespace

QByteArray HandOverMessage(const QStringList& paths) {
  QByteArray message(kGreeting);
  message.append('\0');
  for (const QString& path : paths) message.append(path.toUtf8()).append('\0');
  message.append('\0');
  return message;
}

HandOverReader::State HandOverReader::feed(QByteArrayView bytes) {
  for (const char byte : bytes) {
    if (state_ != State::Reading) return state_ = State::Refused;
    if (byte != '\0') {
      if (field_.size() == kMaxPathBytes) return state_ = State::Refused;
      field_.append(byte);
      // Anything else than this program's greeting is refused at once.
      if (!greeted_ && !QByteArrayView(kGreeting).startsWith(field_)) return state_ = State::Refused;
      continue;
    }
    state_ = takeField(field_);
    field_.clear();
  }
  return state_;
}

HandOverReader::State HandOverReader::takeField(const QByteArray& field) {
  if (!greeted_) {
    greeted_ = field == kGreeting;
    return greeted_ ? State::Reading : State::Refused;
  }
  if (field.isEmpty()) return State::Complete;
  if (paths_.size() == kMaxCommandLineFiles) return State::Refused;
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  const QString path = utf8.decode(field);
  // Only a path, never an option or a name the program would take from its
  // own working directory.
  if (utf8.hasError() || !QDir::isAbsolutePath(path)) return State::Refused;
  paths_ << path;
  return State::Reading;
}

}  // namespace ruvela
