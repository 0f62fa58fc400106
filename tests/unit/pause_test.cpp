#include "app/services/pause.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using namespace fendrake;

namespace {

// Restores the system clock however the test ends.
class ClockGuard
{
public:
    explicit ClockGuard(PauseClock clock) : m_previous(setPauseClock(std::move(clock))) {}
    ~ClockGuard() { setPauseClock(m_previous); }

private:
    PauseClock m_previous;
};

TEST(Pause, ZeroNegativeAndNanReturnAtOnceWithoutProcessingEvents)
{
    for (double seconds : {0.0, -1.0, -5.0, std::nan("")}) {
        bool fired = false;
        QTimer::singleShot(0, [&] { fired = true; });
        QElapsedTimer timer;
        timer.start();
        Pause(seconds);
        EXPECT_LT(timer.elapsed(), 50) << seconds;
        EXPECT_FALSE(fired) << seconds;
        QCoreApplication::processEvents();
        EXPECT_TRUE(fired) << seconds;
    }
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
    // The clock's answers in order, and how many a one-second pause reads: steady, set back, set forward.
    const std::pair<std::vector<qint64>, int> cases[] = {
        {{100, 100, 100, 101}, 4}, {{100, 100, 90, 95, 100, 101}, 6}, {{100, 100, 500}, 3}};
    for (const auto &[readings, expectedReads] : cases) {
        int reads = 0;
        ClockGuard guard([&] {
            const auto i = static_cast<size_t>(reads++);
            return i < readings.size() ? readings[i] : readings.back() + 1000;
        });
        Pause(1);
        EXPECT_EQ(reads, expectedReads) << readings.size();
    }
}

TEST(Pause, ProcessesEventsWhileWaitingAndANestedPauseEndsFirst)
{
    int reads = 0;
    // Each reading advances a fifth of a second, so the pause makes several passes.
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

} // namespace
