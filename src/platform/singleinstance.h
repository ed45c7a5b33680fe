// SPDX-License-Identifier: GPL-3.0-or-later
// One copy of the program per desktop session: a lock held while the program runs, and a local
// socket through which a second copy asks the first one to come to the front.
#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <functional>
#include <memory>

class SingleInstance : public QObject {
    Q_OBJECT
public:
    enum class Outcome {
        First,        // no other copy runs: this one holds the lock and answers later copies
        OtherRaised,  // another copy runs and has come to the front
        OtherSilent,  // another copy holds the lock but does not answer
    };

    // `folder`: where the lock and the socket live (the user's runtime folder by default). `key`
    // tells apart the copies that may run side by side: one per user folder (KeyOf).
    explicit SingleInstance(QString folder = DefaultFolder(), const QString& key = QString());
    ~SingleInstance() override;

    // Takes the lock, or asks the copy that holds it to come to the front, waiting up to
    // `answerMs` for it to answer (it may still be starting up).
    Outcome Acquire(int answerMs = 5000);
    void Release();

    // Run in the first copy when a later copy asks it to come to the front.
    std::function<void()> onRaiseRequest;

    static QString DefaultFolder();
    // The key of the copies that write into `userFolder`: two paths to one folder give one key.
    static QString KeyOf(const QString& userFolder);
    // The lock file's name for `key`.
    static QString LockName(const QString& key = QString());

private:
    void Answer();

    QString lockPath_;
    QString socketPath_;
    std::unique_ptr<QLockFile> lock_;
    QLocalServer server_;
};
