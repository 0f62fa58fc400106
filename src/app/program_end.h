#pragma once

namespace fendrake {

// Ends the run at once, wherever it stands: inside a pause, a wait of a secondary window or a
// pending load alike, no later handler runs, no window is asked anything and nothing is written.
void endProgram();

// The program's own ending: the process ends where it stands, its single-copy lock released. Until
// it is installed (windows driven by a test) endProgram only asks the running event loop to return.
void installProcessEnd();

} // namespace fendrake
