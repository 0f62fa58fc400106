#include "app/services/pause.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QObject>
#include <QTimer>

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using fendrake::Pause;
using fendrake::PauseClock;
using fendrake::setPauseClock;

namespace {

class EventCounter : public QObject
{
public:
    int count = 0;

protected:
    bool event(QEvent *e) override
    {
        if (e->type() == QEvent::User) {
            ++count;
            return true;
        }
        return QObject::event(e);
    }
};

// Restores the system clock however the test ends.
class ClockGuard
{
public:
    explicit ClockGuard(PauseClock clock) : m_previous(setPauseClock(std::move(clock))) {}
    ~ClockGuard() { setPauseClock(m_previous); }

private:
    PauseClock m_previous;
};

} // namespace

TEST(Pause, ZeroNegativeAndNanReturnAtOnceWithoutProcessingEvents)
{
    for (double seconds : {0.0, -1.0, -5.0, std::nan("")}) {
        EventCounter counter;
        QCoreApplication::postEvent(&counter, new QEvent(QEvent::User));
        QElapsedTimer timer;
        timer.start();
        Pause(seconds);
        EXPECT_LT(timer.elapsed(), 50) << seconds;
        EXPECT_EQ(counter.count, 0) << seconds;
        QCoreApplication::sendPostedEvents(&counter);
        EXPECT_EQ(counter.count, 1) << seconds;
    }
}

TEST(Pause, OneSecondOnTheSystemClockEndsWithinOneSecond)
{
    QElapsedTimer timer;
    timer.start();
    Pause(1);
    EXPECT_LE(timer.elapsed(), 1100);
}

TEST(Pause, FiveSecondsLastBetweenFourAndFiveClockSeconds)
{
    // A clock ten times faster than real time, started at various points inside a second.
    constexpr qint64 kSpeed = 10;
    for (qint64 startMs : {0, 1, 500, 999}) {
        QElapsedTimer real;
        real.start();
        auto fakeMs = [&] { return startMs + real.elapsed() * kSpeed; };
        ClockGuard guard([&] { return fakeMs() / 1000; });
        const qint64 begin = fakeMs();
        Pause(5);
        const qint64 lasted = fakeMs() - begin;
        EXPECT_GE(lasted, 4000 - 1) << startMs;
        // One pass (event processing plus the yield) may run past the target.
        EXPECT_LE(lasted, 5000 + 40 * kSpeed) << startMs;
    }
}

TEST(Pause, FollowsTheWallClockSetBackOrForward)
{
    struct Case
    {
        const char *name;
        std::vector<qint64> readings; // the clock's answers, in order
        int expectedReads;
    };
    const std::vector<Case> cases = {
        {"steady", {100, 100, 100, 101}, 4},
        {"set back lengthens", {100, 100, 90, 95, 100, 101}, 6},
        {"set forward ends at next pass", {100, 100, 500}, 3},
    };
    for (const Case &c : cases) {
        int reads = 0;
        ClockGuard guard([&] {
            const auto i = static_cast<size_t>(reads++);
            return i < c.readings.size() ? c.readings[i] : c.readings.back() + 1000;
        });
        Pause(1);
        EXPECT_EQ(reads, c.expectedReads) << c.name;
    }
}

TEST(Pause, ProcessesEventsWhileWaiting)
{
    int reads = 0;
    // Each reading advances a tenth of a second, so the pause makes several passes.
    ClockGuard guard([&] { return 1000 + (reads++) / 10; });
    bool fired = false;
    QTimer::singleShot(0, [&] { fired = true; });
    EventCounter counter;
    QCoreApplication::postEvent(&counter, new QEvent(QEvent::User));
    Pause(1);
    EXPECT_TRUE(fired);
    EXPECT_EQ(counter.count, 1);
}

TEST(Pause, NestedPauseInsideAnEventEndsBeforeTheOuterOne)
{
    int reads = 0;
    ClockGuard guard([&] { return 1000 + (reads++) / 5; });
    int innerEndedAtRead = -1;
    QTimer::singleShot(0, [&] {
        Pause(1);
        innerEndedAtRead = reads;
    });
    Pause(3);
    EXPECT_GT(innerEndedAtRead, 0);
    EXPECT_GE(reads, innerEndedAtRead);
}
