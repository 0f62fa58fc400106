#pragma once

#include <QString>

#include <optional>

class QWidget;

namespace fendrake {

// The URL check of a page or address, sent as typed (an empty one too).
QString pageTrojanAddress(const QString &page);

// "当前状态：" and the service's status words up to the first blank after them, or to the end of
// the text when no blank follows; nullopt when the page holds no "当前状态：".
std::optional<QString> pageTrojanStatus(const QString &pageText);

QString fileScannerAddress();
QString postcodeAddress();

// The two outside check pages of the basic level, opened in the user's browser.
void mnuFileSafe_Click(QWidget *owner);
void Command11_Click(QWidget *owner);

} // namespace fendrake
