#include "app/file_hand_over.h"

#include <memory>

#include <QDeadlineTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>
#include <QTimer>

#include "app/hand_over_message.h"
#include "app/single_instance.h"

namespace ruvela {

namespace {

// Between two tries to reach a program that has taken the lock but may not
// listen yet.
constexpr int kRetryMs = 50;

}  // namespace

HandOverServer::HandOverServer(int stallTimeoutMs, QObject* parent)
    : QObject(parent), server_(new QLocalServer(this)), stallTimeoutMs_(stallTimeoutMs) {
  server_->setSocketOptions(QLocalServer::UserAccessOption);
  connect(server_, &QLocalServer::newConnection, this, &HandOverServer::takeConnection);
}

bool HandOverServer::listen(const QString& socketPath) {
  // A socket there is stale, or belongs to a program that holds the lock
  // but did not answer: this one takes its place.
  QLocalServer::removeServer(socketPath);
  return server_->listen(socketPath);
}

void HandOverServer::takeConnection() {
  while (QLocalSocket* socket = server_->nextPendingConnection()) {
    socket->setParent(this);
    auto reader = std::make_shared<HandOverReader>();
    auto* stall = new QTimer(socket);
    stall->setSingleShot(true);
    connect(stall, &QTimer::timeout, socket, [socket] { socket->abort(); });
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    connect(socket, &QLocalSocket::readyRead, socket, [this, socket, reader, stall] {
      if (reader->state() != HandOverReader::State::Reading) return;
      const HandOverReader::State state = reader->feed(socket->readAll());
      if (state == HandOverReader::State::Refused) {
        socket->abort();
        return;
      }
      if (state != HandOverReader::State::Complete) return;
      stall->stop();
      socket->write(kHandOverReceipt);
      socket->flush();  // at once: what follows may keep the event loop busy
      socket->disconnectFromServer();
      emit filesHandedOver(reader->paths());
    });
    stall->start(stallTimeoutMs_);
  }
}

bool HandFilesToRunningProgram(const QString& socketPath, const QStringList& absolutePaths, int timeoutMs) {
  const QDeadlineTimer deadline(timeoutMs);
  const QByteArray message = HandOverMessage(absolutePaths);
  while (!deadline.hasExpired()) {
    QLocalSocket socket;
    socket.connectToServer(socketPath);
    if (!socket.waitForConnected(int(deadline.remainingTime()))) {
      QThread::msleep(kRetryMs);
      continue;
    }
    socket.write(message);
    QByteArray answer;
    while (!answer.endsWith('\n') && socket.waitForReadyRead(int(deadline.remainingTime()))) {
      answer += socket.readAll();
    }
    return answer == kHandOverReceipt;
  }
  return false;
}

QString DefaultHandOverSocketPath() { return PerUserRuntimePath(QStringLiteral("ruvela.socket")); }

}  // namespace ruvela
