#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTest>

#include <vector>

#include "qtcore/transfer/qt_event_loop.h"
#include "support/event_loop_contract.h"

using dorvane::QtEventLoop;

namespace {

// Qt's loop with real time passing: runFor() runs the loop until the time
// has passed, then once more for what fell due at its end.
class QtDriver : public dorvane::test::LoopDriver {
public:
    dorvane::EventLoop& loop() override { return loop_; }
    void runFor(dorvane::Millis ms) override {
        const dorvane::Millis until = loop_.now() + ms;
        while (loop_.now() < until) QTest::qWait(1);
        QCoreApplication::processEvents();
    }
    dorvane::Millis slack() const override { return 100; }

private:
    QtEventLoop loop_;
};

}  // namespace

class QtEventLoopTest : public QObject {
    Q_OBJECT

private slots:
    // The same contract the tests' virtual clock keeps.
    void keepsTheEventLoopContract_data() {
        QTest::addColumn<int>("index");
        const auto& cases = dorvane::test::eventLoopContract();
        for (int i = 0; i < static_cast<int>(cases.size()); ++i) QTest::newRow(cases[i].name) << i;
    }
    void keepsTheEventLoopContract() {
        QFETCH(int, index);
        QtDriver driver;
        const std::string broken = dorvane::test::eventLoopContract()[static_cast<std::size_t>(index)].check(driver);
        QVERIFY2(broken.empty(), broken.c_str());
    }

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
