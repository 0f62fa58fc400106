#include "app/services/pause.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QScopeGuard>
#include <QTimer>

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>
#include <vector>

using namespace fendrake;

// Sets the clock; the system clock comes back however the test ends.
auto useClock(PauseClock clock)
{
    return qScopeGuard([previous = setPauseClock(std::move(clock))] { setPauseClock(previous); });
}

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

// The clock counts whole seconds, so a pause of N seconds lasts between N - 1 and N of them.
TEST(Pause, EndsWhenTheWallClockPassesTheTargetEvenIfSetBackOrForward)
{
    // The pause, the clock's answers in order, and how many the pause takes.
    const std::tuple<double, std::vector<qint64>, int> cases[] = {
        {1, {100, 100, 100, 101}, 4},
        {5, {100, 100, 104, 105}, 4},
        {2.5, {100, 100, 102, 103}, 4},
        {1, {100, 100, 90, 95, 100, 101}, 6}, // set back: lengthens
        {1, {100, 100, 500}, 3}};             // set forward: ends at the next pass
    for (const auto &[seconds, readings, expectedReads] : cases) {
        int reads = 0;
        const auto guard = useClock([&] {
            const auto i = static_cast<size_t>(reads++);
            return i < readings.size() ? readings[i] : readings.back() + 1000;
        });
        Pause(seconds);
        EXPECT_EQ(reads, expectedReads) << seconds << " " << readings.size();
    }
}

TEST(Pause, ProcessesEventsWhileWaitingAndANestedPauseEndsFirst)
{
    int reads = 0;
    // Each reading advances a fifth of a second, so the pause makes several passes.
    const auto guard = useClock([&] { return 1000 + (reads++) / 5; });
    int innerEndedAtRead = -1;
    QTimer::singleShot(0, [&] {
        Pause(1);
        innerEndedAtRead = reads;
    });
    Pause(3);
    EXPECT_GT(innerEndedAtRead, 0);
    EXPECT_GE(reads, innerEndedAtRead);
}
