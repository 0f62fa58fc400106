#pragma once

#include <QStringView>

namespace fendrake {

// A link label holds an address, and can be opened, when its caption's first seven characters are
// exactly "http://" (case-sensitive); the messages of the region tables never do.
bool isLinkCaption(QStringView caption);

} // namespace fendrake
