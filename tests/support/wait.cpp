#include "wait.h"

#include <QElapsedTimer>
#include <QTest>

namespace fendrake::test {

bool waitFor(const std::function<bool()> &done, int ms)
{
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < ms)
        QTest::qWait(10);
    return done();
}

} // namespace fendrake::test
