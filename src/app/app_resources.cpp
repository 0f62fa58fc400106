#include "app/app_resources.h"

#include <QtGlobal>

#include <mutex>

// Q_INIT_RESOURCE must be used outside any namespace.
static void registerFendrakeResources()
{
    Q_INIT_RESOURCE(fendrake);
}

namespace fendrake {

void initResources()
{
    static std::once_flag once;
    std::call_once(once, registerFendrakeResources);
}

} // namespace fendrake
