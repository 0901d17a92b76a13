#include "platform/SingleInstance.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEvent>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>
#include <algorithm>

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
    // The lock decides; the socket only carries "raise", so it opens once the first frame of the
    // program's first window is drawn (the start-up then has less to do before it shows), or after
    // ListenDelayMs should no window be drawn.
    if (QCoreApplication* app = QCoreApplication::instance()) {
        app->installEventFilter(this);
        QTimer::singleShot(ListenDelayMs, this, &LocalSingleInstance::Listen);
    } else {
        Listen();
    }
    return true;
}

bool LocalSingleInstance::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint) {
        QCoreApplication::instance()->removeEventFilter(this);
        QTimer::singleShot(0, this, &LocalSingleInstance::Listen); // after the whole frame
    }
    return SingleInstance::eventFilter(watched, event);
}

void LocalSingleInstance::Listen() {
    if (m_server)
        return;
    if (QCoreApplication* app = QCoreApplication::instance())
        app->removeEventFilter(this);
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
}

// The running copy may hold the lock a moment before it listens, so connecting is tried until the time
// is up.
bool LocalSingleInstance::SendRaise(int timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    QLocalSocket socket;
    for (;;) {
        socket.connectToServer(m_socketPath);
        if (socket.waitForConnected(static_cast<int>(std::max<qint64>(0, timeoutMs - clock.elapsed()))))
            break;
        if (clock.elapsed() >= timeoutMs)
            return false;
        QThread::msleep(20);
    }
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
