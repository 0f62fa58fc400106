#pragma once

#include <QStringList>

namespace fendrake {

// The rows of the business-registry panel's two region lists, in the order they are appended.
QStringList provinceRows();
QStringList cityRows();

} // namespace fendrake
