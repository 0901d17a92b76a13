#pragma once
// One running copy of the program per user: a platform layer (see shell/LayerSlot.h). The main menu
// creates its SingleInstance through NewSingleInstance, so tests install a factory instead of an
// object. The real one: the first copy holds a lock file and, from its first drawn frame on, listens on
// a local socket in the runtime folder; a later copy sends it "raise" and ends. A lock or socket left
// behind by a copy that crashed is taken over.
#include <QLockFile>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>

class QLocalServer;

class SingleInstance : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // True when this is the first copy (it then listens for "raise"); false when another copy runs.
    virtual bool TryBecomeFirst() = 0;
    // Asks the running copy to bring its window back; true when it took the message.
    virtual bool SendRaise(int timeoutMs = 2000) = 0;

signals:
    // Another copy asked this one to come to the front.
    void raiseRequested();
};

// The lock file and local socket in `folder`; empty = the user's runtime folder.
class LocalSingleInstance : public SingleInstance {
    Q_OBJECT
public:
    explicit LocalSingleInstance(const QString& folder = {}, QObject* parent = nullptr);
    ~LocalSingleInstance() override;

    bool TryBecomeFirst() override;
    bool SendRaise(int timeoutMs = 2000) override;

    // The latest the socket opens after the lock is taken, should no window be drawn before.
    static constexpr int ListenDelayMs = 500;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Listen();

    QString m_lockPath;
    QString m_socketPath;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer* m_server = nullptr;
};

// Makes the SingleInstance of lock folder `folder` (empty = the user's runtime folder), owned by `parent`.
using SingleInstanceFactory = std::function<SingleInstance*(const QString& folder, QObject* parent)>;
// A new SingleInstance from the installed factory; a LocalSingleInstance unless another was installed.
SingleInstance* NewSingleInstance(const QString& folder, QObject* parent);
// An empty factory reinstalls the real one.
void SetSingleInstanceFactory(SingleInstanceFactory factory);
