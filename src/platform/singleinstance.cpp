// SPDX-License-Identifier: GPL-3.0-or-later
// One copy of the program per desktop session (see singleinstance.h).
#include "singleinstance.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

namespace {
constexpr char kLockName[] = "Brimbola Cz.IV Demo MUTEX";
constexpr char kSocketName[] = "Brimbola Cz.IV Demo";
constexpr int kKeyLength = 16;

QString Keyed(const char* name, const QString& key)
{
    return QString::fromLatin1(name) + (key.isEmpty() ? QString() : QLatin1Char(' ') + key);
}
constexpr char kRaise[] = "raise\n";
constexpr char kRaised[] = "raised\n";
}  // namespace

QString SingleInstance::DefaultFolder()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return folder;
}

QString SingleInstance::KeyOf(const QString& userFolder)
{
    const QString canonical = QDir(userFolder).canonicalPath();
    const QString path = canonical.isEmpty() ? QDir::cleanPath(QDir(userFolder).absolutePath()) : canonical;
    return QString::fromLatin1(
        QCryptographicHash::hash(path.toUtf8(), QCryptographicHash::Sha256).toHex().left(kKeyLength));
}

QString SingleInstance::LockName(const QString& key)
{
    return Keyed(kLockName, key) + QStringLiteral(".lock");
}

SingleInstance::SingleInstance(QString folder, const QString& key)
    : lockPath_(folder + "/" + LockName(key)), socketPath_(folder + "/" + Keyed(kSocketName, key) + ".socket")
{
    QDir().mkpath(folder);
    connect(&server_, &QLocalServer::newConnection, this, &SingleInstance::Answer);
}

SingleInstance::~SingleInstance()
{
    Release();
}

SingleInstance::Outcome SingleInstance::Acquire(int answerMs)
{
    lock_ = std::make_unique<QLockFile>(lockPath_);
    lock_->setStaleLockTime(0);  // a lock is stale only when its process is gone
    if (lock_->tryLock(0) || lock_->error() != QLockFile::LockFailedError) {
        // Also when the lock cannot be made at all (no runtime folder): better to run than refuse.
        QLocalServer::removeServer(socketPath_);
        server_.listen(socketPath_);
        return Outcome::First;
    }
    lock_.reset();
    // The other copy may have taken the lock a moment ago and not be listening yet.
    QDeadlineTimer deadline(answerMs);
    while (!deadline.hasExpired()) {
        QLocalSocket socket;
        socket.connectToServer(socketPath_);
        if (socket.waitForConnected(int(std::max<qint64>(1, deadline.remainingTime())))) {
            socket.write(kRaise);
            socket.flush();
            while (!socket.canReadLine() && !deadline.hasExpired() &&
                   socket.state() == QLocalSocket::ConnectedState)
                socket.waitForReadyRead(int(std::max<qint64>(1, deadline.remainingTime())));
            return socket.readLine() == kRaised ? Outcome::OtherRaised : Outcome::OtherSilent;
        }
        QThread::msleep(50);
    }
    return Outcome::OtherSilent;
}

void SingleInstance::Release()
{
    server_.close();
    if (lock_) {
        lock_->unlock();
        lock_.reset();
    }
}

void SingleInstance::Answer()
{
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine())
                return;
            if (socket->readLine() == kRaise) {
                if (onRaiseRequest)
                    onRaiseRequest();
                socket->write(kRaised);
                socket->flush();
            }
            socket->disconnectFromServer();
        });
        if (socket->canReadLine())
            emit socket->readyRead();
    }
}
