#pragma once

#include <QString>

#include <optional>

namespace fendrake {

// The length test applies to the text as typed, before cleaning.
bool isIcpInputLongEnough(const QString &text);

// Removes every "www.", then "http://", "WWW." and "HTTP:", each step working on the result of
// the one before (case-sensitive), so "HTTP://" keeps its two slashes.
QString cleanIcpDomain(QString text);

// The filing search of the cleaned domain; an empty domain asks for an empty hostName.
QString icpFilingAddress(const QString &domain);

// The official filing-search site, searched by hand in the user's browser.
QString icpOfficialAddress();

// The text for Label25 decided by the verdict phrase that occurs first in the page text;
// nullopt when the page holds none of them.
std::optional<QString> icpVerdictText(const QString &pageText);

} // namespace fendrake
