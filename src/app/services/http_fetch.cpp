#include "app/services/http_fetch.h"

#include "app/services/visible_text.h"

#include <curl/curl.h>

#include <memory>
#include <mutex>
#include <string>

namespace fendrake {

namespace {

std::mutex limitsMutex;
FetchLimits currentLimits;

void initCurlOnce()
{
    static const CURLcode result = curl_global_init(CURL_GLOBAL_DEFAULT);
    if (result != CURLE_OK)
        throw FetchError(std::string("cannot initialise libcurl: ") + curl_easy_strerror(result));
}

struct Transfer
{
    QByteArray body;
    qint64 maxBodyBytes = 0;
    bool tooLarge = false;
};

size_t collectBody(char *data, size_t size, size_t count, void *userdata)
{
    auto *transfer = static_cast<Transfer *>(userdata);
    const size_t bytes = size * count;
    if (transfer->body.size() + qint64(bytes) > transfer->maxBodyBytes) {
        transfer->tooLarge = true;
        return 0; // any other count than bytes makes libcurl abort the transfer
    }
    transfer->body.append(data, qsizetype(bytes));
    return bytes;
}

struct CurlDeleter
{
    void operator()(CURL *handle) const { curl_easy_cleanup(handle); }
};

struct HeaderListDeleter
{
    void operator()(curl_slist *list) const { curl_slist_free_all(list); }
};

void setOption(CURL *handle, CURLoption option, auto value)
{
    const CURLcode result = curl_easy_setopt(handle, option, value);
    if (result != CURLE_OK)
        throw FetchError(std::string("cannot set up the request: ") + curl_easy_strerror(result));
}

} // namespace

FetchLimits fetchLimits()
{
    const std::lock_guard lock(limitsMutex);
    return currentLimits;
}

void setFetchLimits(const FetchLimits &limits)
{
    const std::lock_guard lock(limitsMutex);
    currentLimits = limits;
}

FetchedPage fetchPage(const QString &address)
{
    initCurlOnce();
    const FetchLimits limits = fetchLimits();

    const std::unique_ptr<CURL, CurlDeleter> handle(curl_easy_init());
    if (!handle)
        throw FetchError("cannot create a request");
    std::unique_ptr<curl_slist, HeaderListDeleter> headers(
        curl_slist_append(nullptr, "CONTENT-TYPE: application/x-www-form-urlencoded"));
    if (!headers)
        throw FetchError("cannot create the request headers");

    Transfer transfer;
    transfer.maxBodyBytes = limits.maxBodyBytes;
    char errorText[CURL_ERROR_SIZE] = {};
    const QByteArray url = address.toUtf8();

    CURL *curl = handle.get();
    setOption(curl, CURLOPT_ERRORBUFFER, errorText);
    setOption(curl, CURLOPT_URL, url.constData());
    setOption(curl, CURLOPT_PROTOCOLS_STR, "http,https");
    setOption(curl, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    setOption(curl, CURLOPT_HTTPGET, 1L);
    setOption(curl, CURLOPT_HTTPHEADER, headers.get());
    setOption(curl, CURLOPT_FOLLOWLOCATION, 1L);
    setOption(curl, CURLOPT_MAXREDIRS, limits.maxRedirects);
    setOption(curl, CURLOPT_CONNECTTIMEOUT_MS, long(limits.connectTimeout.count()));
    setOption(curl, CURLOPT_TIMEOUT_MS, long(limits.totalTimeout.count()));
    setOption(curl, CURLOPT_MAXFILESIZE_LARGE, curl_off_t(limits.maxBodyBytes));
    setOption(curl, CURLOPT_NOSIGNAL, 1L);
    setOption(curl, CURLOPT_WRITEFUNCTION, &collectBody);
    setOption(curl, CURLOPT_WRITEDATA, &transfer);

    const CURLcode result = curl_easy_perform(curl);
    if (transfer.tooLarge || result == CURLE_FILESIZE_EXCEEDED)
        throw FetchError("the page is larger than " + std::to_string(limits.maxBodyBytes) + " bytes");
    if (result != CURLE_OK) {
        std::string reason = curl_easy_strerror(result);
        if (errorText[0] != '\0')
            reason += std::string(": ") + errorText;
        throw FetchError(reason);
    }

    FetchedPage page;
    page.body = std::move(transfer.body);
    char *effectiveUrl = nullptr;
    if (curl_easy_getinfo(curl, CURLINFO_EFFECTIVE_URL, &effectiveUrl) == CURLE_OK && effectiveUrl)
        page.finalUrl = QString::fromUtf8(effectiveUrl);
    else
        page.finalUrl = address;
    curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &page.status);
    return page;
}

QString GetHttpText(const QString &address)
{
    return visibleText(decodeGbk(fetchPage(address).body));
}

QString successPageText(const QString &address)
{
    const FetchedPage page = fetchPage(address);
    if (page.status < 200 || page.status > 299)
        throw FetchError("the server answered with status " + std::to_string(page.status));
    return visibleText(decodeGbk(page.body));
}

} // namespace fendrake
