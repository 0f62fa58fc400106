#include "checks/people/business_registry.h"

namespace fendrake {

bool isLinkCaption(QStringView caption)
{
    return caption.startsWith(u"http://", Qt::CaseSensitive);
}

} // namespace fendrake
