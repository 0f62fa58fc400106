#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>

namespace fendrake {

// The hidden browser of the browser-driven checks. Navigate returns at once; the page is fetched
// on a worker thread, and only when it has arrived is the document replaced and are the events
// sent, queued on the control's thread. A failed or timed-out load gives an empty document and
// the same events, so every check ends through its own missing-marker path or asks pageAnswered().
class BrowserControl : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool Silent READ Silent WRITE setSilent)

public:
    explicit BrowserControl(QObject *parent = nullptr);
    ~BrowserControl() override;

    // A newer navigation supersedes one still in flight: the older page is dropped. Never throws: a
    // load that cannot even start arrives as the error document too.
    void Navigate(const QString &address);

    // No dialog boxes of the control's own; there are none here, the setting is only kept.
    bool Silent() const { return m_silent; }
    void setSilent(bool silent) { m_silent = silent; }

    QString bodyText() const { return m_bodyText; }
    QStringList links() const { return m_links; }
    QString title() const { return m_title; }
    // True when the document now shown is a page the server answered with 2xx; false for the error
    // document of a failed load and for a server's error page.
    bool pageAnswered() const { return m_pageAnswered; }
    // The address of the document now shown, after any redirection.
    QString LocationURL() const { return m_locationUrl; }

signals:
    void DocumentComplete(const QString &url);
    void ProgressChange(int progress, int progressMax);
    void TitleChange(const QString &text);

private:
    struct Shared;
    struct LoadedPage;

    void pageArrived(quint64 navigation, const LoadedPage &page);

    std::shared_ptr<Shared> m_shared;
    quint64 m_navigation = 0;
    bool m_silent = false;
    QString m_bodyText;
    QStringList m_links;
    QString m_title;
    QString m_locationUrl;
    bool m_pageAnswered = false;
};

} // namespace fendrake
