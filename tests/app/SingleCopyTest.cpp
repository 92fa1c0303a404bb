// One copy per data folder: a later start raises the running window and ends,
// or, where the running copy does not answer, plays without keeping.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <atomic>
#include <thread>

#include <sys/wait.h>
#include <unistd.h>

#include "app/SingleCopy.h"

namespace {

// A later start, from a thread of its own while this one serves the first copy.
TSingleCopy::TStart StartAnother(const QString& folder, int wait, bool serve) {
    std::atomic<bool> done = false;
    TSingleCopy::TStart start = TSingleCopy::TStart::First;
    std::thread later([&] {
        TSingleCopy second(folder);
        start = second.Claim(wait);
        done = true;
    });
    while (!done) {
        if (serve) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        }
    }
    later.join();
    return start;
}

TEST(SingleCopyTest, ALaterStartRaisesTheRunningCopyOrPlaysUnkept) {
    QTemporaryDir dir;
    const QString folder = dir.path() + "/brisko";
    TSingleCopy first(folder);
    int raised = 0;
    first.OnRaise = [&raised] { ++raised; };
    ASSERT_EQ(first.Claim(), TSingleCopy::TStart::First);
    EXPECT_EQ(StartAnother(folder, 5000, true), TSingleCopy::TStart::Raised);
    EXPECT_EQ(raised, 1);
    // A copy that does not answer.
    EXPECT_EQ(StartAnother(folder, 200, false), TSingleCopy::TStart::Unkept);
    // Another folder is another game.
    QTemporaryDir elsewhere;
    EXPECT_EQ(StartAnother(elsewhere.path() + "/brisko", 200, false), TSingleCopy::TStart::First);
}

// A copy killed while it ran leaves its lock: the next start takes it over.
TEST(SingleCopyTest, TheLockOfACopyThatDiedIsTakenOver) {
    QTemporaryDir dir;
    const QString folder = dir.path() + "/brisko";
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        TSingleCopy killed(folder);
        _exit(killed.Claim() == TSingleCopy::TStart::First ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    ASSERT_TRUE(QFile::exists(folder + "/running.lock"));
    TSingleCopy next(folder);
    EXPECT_EQ(next.Claim(), TSingleCopy::TStart::First);
}

}  // namespace
