#pragma once

#include <functional>

namespace fendrake::test {

// Runs the event loop until done() holds or ms have passed; returns done() at the end.
bool waitFor(const std::function<bool()> &done, int ms = 10000);

} // namespace fendrake::test
