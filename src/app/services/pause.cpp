#include "app/services/pause.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QThread>

namespace fendrake {

namespace {

qint64 systemSeconds()
{
    return QDateTime::currentSecsSinceEpoch();
}

PauseClock &pauseClock()
{
    static PauseClock clock = systemSeconds;
    return clock;
}

} // namespace

void Pause(double seconds)
{
    if (!(seconds > 0))
        return;
    const PauseClock clock = pauseClock();
    const double target = static_cast<double>(clock()) + seconds;
    while (target > static_cast<double>(clock())) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        // Yield between passes: the end has one-second precision anyway.
        QThread::msleep(10);
    }
}

PauseClock setPauseClock(PauseClock clock)
{
    PauseClock previous = pauseClock();
    pauseClock() = clock ? std::move(clock) : PauseClock(systemSeconds);
    return previous;
}

} // namespace fendrake
