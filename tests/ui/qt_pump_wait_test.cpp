// The program's wait keeps the Qt event loop running, and the input waker brings the driver
// thread's notice onto the user-interface thread.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <QTimer>
#include <atomic>
#include <thread>

#include "app/qt_pump_wait.h"

namespace veka {
namespace {

TEST(QtPumpWait, HandlesEventsWhileWaitingAndWaitsItsTime) {
    TQtPumpWait wait;
    bool fired = false;
    QTimer::singleShot(5, [&] { fired = true; });
    QElapsedTimer clock;
    clock.start();
    wait.Wait(30);
    EXPECT_TRUE(fired);
    EXPECT_GE(clock.elapsed(), 29);
    const int64_t before = wait.NowMs();
    wait.Wait(0);
    EXPECT_LE(wait.NowMs() - before, 5);
}

TEST(QtPumpWait, WaitForEndsWhenDoneOrAtTheLimit) {
    TQtPumpWait wait;
    bool done = false;
    QTimer::singleShot(10, [&] { done = true; });
    QElapsedTimer clock;
    clock.start();
    EXPECT_TRUE(wait.WaitFor(2000, [&] { return done; }));
    EXPECT_LT(clock.elapsed(), 1000);
    clock.restart();
    EXPECT_FALSE(wait.WaitFor(40, [] { return false; }));
    EXPECT_GE(clock.elapsed(), 39);
}

TEST(InputWaker, WakeFromAnotherThreadRunsTheHandlerOnTheQtThread) {
    TInputWaker waker;
    std::atomic<int> calls{0};
    QThread* handlerThread = nullptr;
    waker.Handler = [&] {
        handlerThread = QThread::currentThread();
        ++calls;
    };
    std::thread driver([&] {
        for (int i = 0; i < 100; ++i) waker.Wake();  // many wakes fold into few handler runs
    });
    driver.join();
    TQtPumpWait wait;
    EXPECT_TRUE(wait.WaitFor(2000, [&] { return calls.load() > 0; }));
    EXPECT_EQ(handlerThread, QThread::currentThread());
    EXPECT_LE(calls.load(), 100);
}

}  // namespace
}  // namespace veka
