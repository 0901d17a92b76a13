#include "platform/SingleInstance.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>

namespace {
const QByteArray RaiseMessage = "raise\n";
SingleInstanceFactory g_factory;
} // namespace

LocalSingleInstance::LocalSingleInstance(const QString& folder, QObject* parent) : SingleInstance(parent) {
    QString dir =
        folder.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) : folder;
    if (dir.isEmpty())
        dir = QDir::tempPath();
    m_lockPath = QDir(dir).filePath(QStringLiteral("tarvos.lock"));
    m_socketPath = QDir(dir).filePath(QStringLiteral("tarvos.socket"));
}

LocalSingleInstance::~LocalSingleInstance() {
    if (m_server)
        m_server->close();
}

bool LocalSingleInstance::TryBecomeFirst() {
    m_lock = std::make_unique<QLockFile>(m_lockPath);
    m_lock->setStaleLockTime(0); // a lock is stale only when its process is gone
    if (!m_lock->tryLock(200)) {
        // A lock file of a crashed copy is removed by tryLock; anything else means a live copy,
        // unless the lock cannot be taken at all (then run rather than refuse to start).
        return m_lock->error() != QLockFile::LockFailedError;
    }
    QLocalServer::removeServer(m_socketPath); // a socket left by a crashed copy
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* s = m_server->nextPendingConnection()) {
            connect(s, &QLocalSocket::disconnected, s, &QObject::deleteLater);
            connect(s, &QLocalSocket::readyRead, this, [this, s] {
                if (s->canReadLine() && s->readLine() == RaiseMessage)
                    emit raiseRequested();
            });
        }
    });
    m_server->listen(m_socketPath);
    return true;
}

bool LocalSingleInstance::SendRaise(int timeoutMs) {
    QLocalSocket socket;
    socket.connectToServer(m_socketPath);
    if (!socket.waitForConnected(timeoutMs))
        return false;
    socket.write(RaiseMessage);
    const bool ok = socket.waitForBytesWritten(timeoutMs);
    socket.disconnectFromServer();
    return ok;
}

SingleInstance* NewSingleInstance(const QString& folder, QObject* parent) {
    return g_factory ? g_factory(folder, parent) : new LocalSingleInstance(folder, parent);
}
void SetSingleInstanceFactory(SingleInstanceFactory factory) {
    g_factory = std::move(factory);
}
