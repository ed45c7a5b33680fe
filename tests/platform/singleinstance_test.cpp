// SPDX-License-Identifier: GPL-3.0-or-later
// One copy per desktop: the lock, the answer of the first copy, a copy that holds the lock but does
// not answer, and two real program processes started together.
#include "platform/singleinstance.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <atomic>
#include <gtest/gtest.h>
#include <thread>

TEST(SingleInstance, ASecondCopyAsksTheFirstToComeToTheFront)
{
    QTemporaryDir folder;
    SingleInstance first(folder.path());
    ASSERT_EQ(first.Acquire(), SingleInstance::Outcome::First);
    int raised = 0;
    first.onRaiseRequest = [&] { ++raised; };

    std::atomic<int> outcome{-1};
    std::thread second([&] {
        SingleInstance other(folder.path());
        outcome = int(other.Acquire(3000));
    });
    QElapsedTimer clock;
    clock.start();
    while (outcome < 0 && clock.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    second.join();
    EXPECT_EQ(outcome, int(SingleInstance::Outcome::OtherRaised));
    EXPECT_EQ(raised, 1);

    first.Release();
    SingleInstance after(folder.path());
    EXPECT_EQ(after.Acquire(), SingleInstance::Outcome::First);
}

TEST(SingleInstance, ALockHeldByACopyThatDoesNotAnswerIsReported)
{
    QTemporaryDir folder;
    QLockFile hung(folder.filePath("Brimbola Cz.IV Demo MUTEX.lock"));
    ASSERT_TRUE(hung.tryLock(0));
    SingleInstance starting(folder.path());
    EXPECT_EQ(starting.Acquire(300), SingleInstance::Outcome::OtherSilent);
}

TEST(SingleInstance, TwoProgramsStartedTogetherLeaveExactlyOneRunning)
{
    QTemporaryDir runtime;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_RUNTIME_DIR", runtime.path());
    env.insert("QT_QPA_PLATFORM", "offscreen");
    QProcess a, b;
    for (QProcess* p : {&a, &b}) {
        p->setProcessEnvironment(env);
        p->setProgram(QStringLiteral(BRIMBOLA_EXECUTABLE));
    }
    a.start();
    b.start();
    ASSERT_TRUE(a.waitForStarted(5000));
    ASSERT_TRUE(b.waitForStarted(5000));
    QElapsedTimer clock;
    clock.start();
    while (a.state() == QProcess::Running && b.state() == QProcess::Running && clock.elapsed() < 10000)
        QThread::msleep(50), QCoreApplication::processEvents();
    QThread::msleep(500);
    QCoreApplication::processEvents();
    const int running = (a.state() == QProcess::Running) + (b.state() == QProcess::Running);
    EXPECT_EQ(running, 1);
    QProcess& ended = a.state() == QProcess::Running ? b : a;
    EXPECT_EQ(ended.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(ended.exitCode(), 0);
    for (QProcess* p : {&a, &b}) {
        p->kill();
        p->waitForFinished(5000);
    }
}
