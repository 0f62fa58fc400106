#pragma once

#include <QByteArray>
#include <QString>

#include <chrono>
#include <stdexcept>

namespace fendrake {

// A fetch that could not complete: no partial text ever reaches the caller.
class FetchError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

struct FetchLimits
{
    std::chrono::milliseconds connectTimeout{10000};
    std::chrono::milliseconds totalTimeout{30000};
    qint64 maxBodyBytes = 8 * 1024 * 1024;
    long maxRedirects = 10;
};

// Process-wide limits; tests shorten them.
FetchLimits fetchLimits();
void setFetchLimits(const FetchLimits &limits);

struct FetchedPage
{
    QByteArray body;  // raw bytes, whatever the HTTP status was
    QString finalUrl; // the address after redirects
    long status = 0;  // the HTTP status of the last answer
};

// Blocking GET on the calling thread (safe on any thread). Throws FetchError on any failure
// or passed limit. Honours http_proxy as libcurl does.
FetchedPage fetchPage(const QString &address);

// The page's body decoded as GBK whatever it declares; invalid bytes never crash.
QString decodeGbk(const QByteArray &bytes);

// The synchronous fetch of the checks: GET with the form content-type header, body decoded
// as GBK, returned as visible text. Throws FetchError.
QString GetHttpText(const QString &address);

// As GetHttpText, for a check that shows the page itself: an answer other than 2xx throws
// FetchError, so that no error page is shown as the result.
QString successPageText(const QString &address);

} // namespace fendrake
