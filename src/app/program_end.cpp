#include "app/program_end.h"

#include "app/single_instance.h"

#include <QCoreApplication>
#include <QThread>

#include <cstdlib>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

namespace fendrake {

namespace {

bool g_endProcess = false;

[[noreturn]] void endProcess()
{
    if (SingleInstance *instance = SingleInstance::current())
        instance->release();
#if defined(__SANITIZE_ADDRESS__)
    // Ending without the exit handlers skips the leak check they would run; the test builds ask for it here.
    __lsan_do_leak_check();
#endif
    // Quitting the event loop would wait for the running handler, and a pause or a secondary window's
    // wait would carry on; destructors and exit handlers would run handlers of the windows.
    std::_Exit(0);
}

} // namespace

void endProgram()
{
    if (g_endProcess)
        endProcess();
    // Without a running loop there is no run to end, and exit() would leave every later event loop
    // of the process ending at once.
    if (QThread::currentThread()->loopLevel() > 0)
        QCoreApplication::exit(0);
}

void installProcessEnd()
{
    g_endProcess = true;
}

} // namespace fendrake
