#pragma once

#include <QString>

#include <optional>

namespace fendrake {

inline constexpr QStringView kNewestVersionOpen = u"The Newest Vision\uFF1A";
inline constexpr QStringView kNewestVersionClose = u"########";
inline constexpr QStringView kUpdateTextOpen = u"###Update Text###";
inline constexpr QStringView kUpdateTextClose = u"#End#";

// The one address of the maker's update notice post.
QString updateNoticeAddress();

// Where the newest version's text lies in the page text: 1-based start and the end (the closing
// marker's position). A missing opening marker counts as position 0.
struct VersionCut
{
    qint64 start = 0;
    qint64 end = 0;
};

VersionCut newestVersionCut(const QString &pageText);

// The newest version's text as it stands between its markers; nullopt when the cut's length is
// negative (no closing marker, or one before the start).
std::optional<QString> newestVersionText(const QString &pageText);

// The free update text, less the two characters after its opening marker and the two before
// its closing one; nullopt when the cut's length is negative.
std::optional<QString> updateText(const QString &pageText);

// Exact, case-sensitive comparison with CurrentVersion: no trimming, no numeric reading.
bool isCurrentVersion(const QString &newestVersion);

// The splash window's message when the newest version differs.
QString versionNoticeMessage(const QString &newestVersion);

} // namespace fendrake
