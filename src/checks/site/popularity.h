#pragma once

#include <QString>

#include <optional>

namespace fendrake {

// The site as the rating engine is asked for it: every "http://" (exact case) removed.
QString stripHttpScheme(const QString &site);

// The maker's own web log, which the check rates without asking the engine.
bool isSupportSite(const QString &site);

// Fewer than 6 characters is no address.
bool isPopularitySiteTooShort(const QString &site);

QString popularityAddress(const QString &site);

// The rating label's text read from the rating page: the whole-number rating with " 分", the bare
// caption for a rating that is not whole, or the not-found text when either marker is missing (the
// engine's answer for a site it does not know). nullopt for a rating that is no number or a "/100"
// before the rating: the check's failure path.
std::optional<QString> popularityLabelText(const QString &pageText);

} // namespace fendrake
