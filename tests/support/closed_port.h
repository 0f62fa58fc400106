#pragma once

#include <QtGlobal>

namespace fendrake::test {

// A loopback port that was free a moment ago and is closed now: connecting to it is refused.
quint16 closedLocalPort();

} // namespace fendrake::test
