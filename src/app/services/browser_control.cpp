#include "app/services/browser_control.h"

#include "app/services/http_fetch.h"
#include "app/services/link_address.h"
#include "app/services/visible_text.h"

#include <QMetaObject>
#include <QMutex>
#include <QMutexLocker>

#include <exception>
#include <system_error>
#include <thread>

namespace fendrake {

// What the workers share with the control: they outlive it when it is destroyed mid-load and
// then find no control to deliver to.
struct BrowserControl::Shared
{
    QMutex mutex;
    BrowserControl *control = nullptr;
};

struct BrowserControl::LoadedPage
{
    QString address;
    HtmlDocument document;
    bool answered = false;
};

namespace {

constexpr int kProgressMax = 100;

} // namespace

BrowserControl::BrowserControl(QObject *parent) : QObject(parent), m_shared(std::make_shared<Shared>())
{
    m_shared->control = this;
}

BrowserControl::~BrowserControl()
{
    QMutexLocker lock(&m_shared->mutex);
    m_shared->control = nullptr;
    // A delivery already posted is removed with the object's posted events.
}

void BrowserControl::Navigate(const QString &address)
{
    const quint64 navigation = ++m_navigation;

    // The loading progress, like every event, only after Navigate has returned.
    QMetaObject::invokeMethod(
        this,
        [this, navigation] {
            if (navigation == m_navigation)
                emit ProgressChange(0, kProgressMax);
        },
        Qt::QueuedConnection);

    auto load = [shared = m_shared, navigation, address] {
        LoadedPage page;
        page.address = address;
        try {
            const FetchedPage fetched = fetchPage(address);
            page.address = browserAddress(fetched.finalUrl.isEmpty() ? address : fetched.finalUrl);
            page.document = parseHtmlDocument(decodeGbk(fetched.body), page.address);
            page.answered = fetched.status >= 200 && fetched.status <= 299;
        } catch (const std::exception &) {
            page = LoadedPage{address, {}, false};
        }
        QMutexLocker lock(&shared->mutex);
        if (BrowserControl *control = shared->control) {
            QMetaObject::invokeMethod(
                control, [control, navigation, page] { control->pageArrived(navigation, page); }, Qt::QueuedConnection);
        }
    };
    try {
        std::thread(std::move(load)).detach();
    } catch (const std::system_error &) {
        // No thread to be had: the load fails like any other, still after Navigate returns.
        QMetaObject::invokeMethod(
            this,
            [this, navigation, address] {
                pageArrived(navigation, LoadedPage{address, {}, false});
            },
            Qt::QueuedConnection);
    }
}

void BrowserControl::pageArrived(quint64 navigation, const LoadedPage &page)
{
    if (navigation != m_navigation)
        return;
    m_bodyText = page.document.text;
    m_links = page.document.links;
    m_locationUrl = page.address;
    m_pageAnswered = page.answered;
    // A document without a title shows its address as the title, as a browser does.
    m_title = page.document.title.isEmpty() ? page.address : page.document.title;

    // A handler may navigate again; every later event of this load is then dropped.
    emit ProgressChange(kProgressMax, kProgressMax);
    if (navigation != m_navigation)
        return;
    emit TitleChange(m_title);
    if (navigation != m_navigation)
        return;
    emit DocumentComplete(m_locationUrl);
    if (navigation != m_navigation)
        return;
    emit ProgressChange(0, 0);
}

} // namespace fendrake
