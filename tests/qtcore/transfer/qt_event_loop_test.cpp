#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTest>

#include <vector>

#include "transfer/qt_event_loop.h"

using dorvane::QtEventLoop;

class QtEventLoopTest : public QObject {
    Q_OBJECT

private slots:
    void runsCallsInOrderOfDueTime() {
        QtEventLoop loop;
        std::vector<int> order;
        loop.schedule(30, [&] { order.push_back(3); });
        loop.schedule(0, [&] { order.push_back(1); });
        loop.schedule(0, [&] { order.push_back(2); });
        const auto cancelled = loop.schedule(10, [&] { order.push_back(99); });
        loop.cancel(cancelled);
        loop.cancel(cancelled);  // twice is harmless
        QTRY_COMPARE_WITH_TIMEOUT(order.size(), std::size_t{3}, 2000);
        QCOMPARE(order, (std::vector<int>{1, 2, 3}));
    }

    void waitsAtLeastTheDelayOnAMonotonicClock() {
        QtEventLoop loop;
        const auto start = loop.now();
        dorvane::Millis ranAt = -1;
        loop.schedule(50, [&] { ranAt = loop.now(); });
        QTRY_VERIFY_WITH_TIMEOUT(ranAt >= 0, 2000);
        QVERIFY(ranAt - start >= 49);
    }

    void callsMayScheduleAndCancelFromInside() {
        QtEventLoop loop;
        int runs = 0;
        dorvane::EventLoop::TimerId later = 0;
        loop.schedule(0, [&] {
            ++runs;
            later = loop.schedule(20, [&] { runs += 100; });
            loop.schedule(5, [&] {
                ++runs;
                loop.cancel(later);
            });
        });
        QTest::qWait(100);
        QCOMPARE(runs, 2);
    }

    void pendingCallsDieWithTheLoop() {
        int runs = 0;
        {
            QtEventLoop loop;
            loop.schedule(10, [&] { ++runs; });
        }
        QTest::qWait(50);
        QCOMPARE(runs, 0);
    }
};

QTEST_GUILESS_MAIN(QtEventLoopTest)
#include "qt_event_loop_test.moc"
