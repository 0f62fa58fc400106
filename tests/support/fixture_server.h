#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace httplib {
class Server;
struct Request;
struct Response;
} // namespace httplib

namespace fendrake::test {

struct RecordedRequest
{
    QString method;
    QString target;       // the request target as received: a full URL when sent through a proxy
    QString host;         // lower case, without ":80"
    QString pathAndQuery; // as sent, still percent-encoded
    QList<QPair<QString, QString>> headers;

    // First value of the header (name compared without case); a null string when absent.
    QString header(const QString &name) const;
};

// How the server answers one route.
struct FixtureReply
{
    enum class Behaviour
    {
        Answer, // status, headers and the whole body
        Stall,  // never answers; the connection is closed when the server stops
        CutOff, // headers with the full Content-Length, half of the body, then the connection closes
        Drop,   // the connection closes before a body is sent
    };

    Behaviour behaviour = Behaviour::Answer;
    int status = 200;
    QString fixtureFile{}; // read at request time, relative to the fixtures folder; overrides body
    QByteArray body{};
    QString location{}; // Location header, for redirects
    std::chrono::milliseconds delay{0};
    qint64 fillerBytes = -1; // when not negative, that many bytes of filler are sent instead of body
    bool chunked = false;    // no Content-Length, chunked transfer instead
};

// A loopback HTTP forward proxy that answers with canned pages. Tests point libcurl at it through
// http_proxy (ScopedProxyEnvironment), so the program keeps its real addresses.
//
// Lookup for a request to host H and path-and-query P (as sent):
//   1. a route added for exactly (H, P);
//   2. the longest prefix route of H (or of the host "*") that P starts with;
//   3. the file <fixtures>/H/<path of P without query> ("index.html" for a path ending in "/");
//   4. a host that has routes or a folder under the fixtures gets a 404 error page;
//   5. any other host: the connection is dropped, as for a host that cannot be resolved.
class FixtureServer
{
public:
    explicit FixtureServer(const QString &fixturesDir = QString());
    ~FixtureServer();
    FixtureServer(const FixtureServer &) = delete;
    FixtureServer &operator=(const FixtureServer &) = delete;

    // Listens on 127.0.0.1 in a thread of its own; port 0 takes a free port. False when it cannot bind.
    bool start(int port = 0);
    // Stops fast, also with stalled or delayed answers pending. The destructor calls it.
    void stop();

    QString proxyAddress() const { return QStringLiteral("http://127.0.0.1:%1").arg(m_port); }
    QString fixturesDir() const { return m_fixturesDir; }

    void addPrefix(const QString &host, const QString &pathPrefix, const QString &fixtureFile, int status = 200)
    {
        addPrefixReply(host, pathPrefix, {.status = status, .fixtureFile = fixtureFile});
    }
    void addRedirect(const QString &host, const QString &pathAndQuery, const QString &location, int status = 302)
    {
        addReply(host, pathAndQuery, {.status = status, .body = kMovedPage, .location = location});
    }
    void addReply(const QString &host, const QString &pathAndQuery, const FixtureReply &reply)
    {
        addRoute(host, pathAndQuery, false, reply);
    }
    void addPrefixReply(const QString &host, const QString &pathPrefix, const FixtureReply &reply)
    {
        addRoute(host, pathPrefix, true, reply);
    }

    // Prefix routes from a file: one "host path-prefix fixture-file [status]" per line, blank
    // lines and lines starting with '#' skipped; with a 3xx status the third field is the
    // redirect's Location. Returns false with the reason on a bad line.
    bool loadRouteFile(const QString &path, QString *error = nullptr);

    std::vector<RecordedRequest> requests() const;
    void clearRequests();

private:
    struct Route
    {
        QString host, path;
        bool prefix;
        FixtureReply reply;
    };

    static constexpr const char *kMovedPage = "<html><body>Moved</body></html>";

    void addRoute(const QString &host, const QString &path, bool prefix, const FixtureReply &reply);
    void handle(const httplib::Request &request, httplib::Response &response);
    FixtureReply replyFor(const QString &host, const QString &pathAndQuery) const;
    bool waitUnlessStopping(std::chrono::milliseconds delay);
    void answer(const FixtureReply &reply, httplib::Response &response);

    QString m_fixturesDir;
    std::unique_ptr<httplib::Server> m_server;
    std::thread m_thread;
    int m_port = 0;

    mutable std::mutex m_mutex;
    std::condition_variable m_stopped;
    bool m_stopping = false;
    std::vector<Route> m_routes;
    std::vector<RecordedRequest> m_requests;
};

// The bytes a service of GBK pages sends for this text.
QByteArray gbkEncoded(const QString &text);

// Points libcurl at a proxy while alive (http_proxy and https_proxy, no_proxy unset), or at no
// proxy at all when given an empty address; restores the variables as they were.
class ScopedProxyEnvironment
{
public:
    explicit ScopedProxyEnvironment(const QString &proxyAddress);
    ~ScopedProxyEnvironment();
    ScopedProxyEnvironment(const ScopedProxyEnvironment &) = delete;
    ScopedProxyEnvironment &operator=(const ScopedProxyEnvironment &) = delete;

private:
    std::vector<std::pair<QByteArray, std::optional<QByteArray>>> m_saved;
};

// A fixture server that libcurl reaches through http_proxy from start() until it is destroyed.
class ProxiedFixtureServer : public FixtureServer
{
public:
    using FixtureServer::FixtureServer;

    // Takes a free port; false when it cannot bind.
    bool startProxied();

private:
    std::optional<ScopedProxyEnvironment> m_proxy;
};

} // namespace fendrake::test
