#pragma once

#include <QString>

namespace fendrake {

// Every outside service the program reads or opens. Hosts are ours to choose; paths and
// query keys are each check's own.
enum class Service {
    UpdateNotice, // the maker's web log, which carries the update notice post
    DownloadSite, // the product's page on a download site, opened in the browser
    Whois,
    IdCard,
    ReportCentre,
    IpLocation,
    IcpFiling,   // the filing search, on port 8080
    IcpOfficial, // the official filing-search site, opened in the browser
    TrafficRank,
    Rating,       // the search engine that rates a site's popularity
    IndexedPages, // the search engine of the "site:" search
    SiteCheck,    // URL safety
    UrlCheck,     // page-trojan check
    FileScanner,
    Postcode,
    MobileLookup, // on port 8080
    TelephoneLookup,
    WebSearch,
    QqStatus,  // the messenger's status-picture service
    QqPicture, // the host of the on-line and off-line pictures
    ShopSearch,
    ShopSite, // the shop site's domain: shops are shop<digits>.<domain>, ratings rate.<domain>
    Forum,
};

QString serviceHost(Service service);

// "http://" + host; the caller appends its own path. A host may carry its port.
QString serviceBase(Service service);

// The front page of the maker's web log.
QString supportSiteAddress();

// The same front page without its scheme: host and path.
QString supportSiteHostAndPath();

// The user's text as typed, percent-encoding only what cannot stand in an address: controls,
// blank, non-ASCII (as GBK bytes), and # % & + ? (so pasted text never changes the structure).
QString encodeUserText(const QString &text);

// encodeUserText for text that stands as one path segment: a slash or backslash of the user's, or a
// whole "." or "..", would move the request to another path of the host.
QString encodeUserPathSegment(const QString &text);

// serviceBase(service) + pathAndQuery + encodeUserText(userText).
QString serviceAddress(Service service, const QString &pathAndQuery, const QString &userText = QString());

} // namespace fendrake
