#pragma once
// One running copy of the program per user: the first copy holds a lock file and listens on a local
// socket in the runtime folder; a later copy sends it "raise" and ends. A lock or socket left behind
// by a copy that crashed is taken over.
#include <QLockFile>
#include <QObject>
#include <QString>
#include <memory>

class QLocalServer;

class SingleInstance : public QObject {
    Q_OBJECT
public:
    // `folder` holds the lock and the socket; empty = the user's runtime folder.
    explicit SingleInstance(const QString& folder = {}, QObject* parent = nullptr);
    ~SingleInstance() override;

    // True when this is the first copy (it then listens for "raise"); false when another copy runs.
    bool TryBecomeFirst();
    // Asks the running copy to bring its window back; true when it took the message.
    bool SendRaise(int timeoutMs = 2000);

signals:
    void raiseRequested();

private:
    QString m_lockPath;
    QString m_socketPath;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer* m_server = nullptr;
};
