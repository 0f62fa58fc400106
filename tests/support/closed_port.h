#pragma once

#include <QString>

namespace fendrake::test {

// "http://127.0.0.1:<port>" for a loopback port that was free a moment ago and is closed now:
// connecting to it is refused. Empty when no port could be had.
QString closedLocalAddress();

} // namespace fendrake::test
