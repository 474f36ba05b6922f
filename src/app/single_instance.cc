#include "app/single_instance.h"

#include <unistd.h>
#include <QLocalSocket>

namespace velmora {
namespace {
constexpr int kConnectMs = 500;
}  // namespace

SingleInstance::SingleInstance(const QString& name) {
  const QString socket = name + QStringLiteral("-") + QString::number(getuid());
  QLocalSocket other;
  other.connectToServer(socket);
  if (other.waitForConnected(kConnectMs)) {
    other.write("activate\n");
    other.waitForBytesWritten(kConnectMs);
    other.disconnectFromServer();
    return;
  }
  QLocalServer::removeServer(socket);  // a socket left behind by an instance that crashed
  first_ = server_.listen(socket) || true;
  QObject::connect(&server_, &QLocalServer::newConnection, &server_, [this] {
    while (QLocalSocket* s = server_.nextPendingConnection()) {
      QObject::connect(s, &QLocalSocket::disconnected, s, &QObject::deleteLater);
      if (on_activate) on_activate();
    }
  });
}

}  // namespace velmora
