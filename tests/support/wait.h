#pragma once

#include <QElapsedTimer>
#include <QTest>

#include <functional>

namespace fendrake::test {

// Runs the event loop until done() holds or ms have passed; returns done() at the end.
inline bool waitFor(const std::function<bool()> &done, int ms = 10000)
{
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < ms)
        QTest::qWait(10);
    return done();
}

} // namespace fendrake::test
