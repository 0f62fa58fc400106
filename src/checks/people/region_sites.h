#pragma once

#include <QStringView>

#include <array>
#include <span>

namespace fendrake {

enum class RegionMode
{
    Province,
    City,
};

// Where a region's business registry and enterprise credit can be looked up. Each entry is an
// address beginning with "http://" or one of the two messages below.
struct RegionSites
{
    QStringView name;
    QStringView registry;
    QStringView credit;
};

inline constexpr QStringView kNoRelatedAddress = u"没有相关网址";
inline constexpr QStringView kNoWebsite = u"无网站"; // a registry entry only

extern const std::array<RegionSites, 34> ProvinceSiteTable;
extern const std::array<RegionSites, 53> CitySiteTable;

std::span<const RegionSites> RegionSiteTable(RegionMode mode);

// The row whose name is exactly text (case-sensitive, nothing trimmed), or nullptr.
const RegionSites *findRegionSites(RegionMode mode, QStringView text);

} // namespace fendrake
