#include "fixture_server.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringEncoder>
#include <QStringList>

#include <httplib.h>

#include <algorithm>
#include <cstdlib>

namespace fendrake::test {

namespace {

const QByteArray kNotFoundPage = "<html><head><title>404 Not Found</title></head><body>\n<h1>Not Found</h1>\n"
                                 "<p>The requested URL was not found on this server.</p>\n</body></html>\n";

constexpr size_t kChunk = 64 * 1024;

QString normalisedHost(QString host)
{
    host = host.toLower();
    return host.endsWith(QLatin1String(":80")) ? host.chopped(3) : host;
}

// A proxied request names the whole URL; a direct one only the path, with the host in its header.
void splitTarget(const httplib::Request &request, QString *host, QString *pathAndQuery)
{
    const QString target = QString::fromStdString(request.target);
    const qsizetype hostStart = target.indexOf(QLatin1String("://")) + 3;
    if (target.startsWith(u'/') || hostStart < 4) {
        *host = normalisedHost(QString::fromStdString(request.get_header_value("Host")));
        *pathAndQuery = target;
        return;
    }
    const qsizetype hostEnd = target.indexOf(QRegularExpression(QStringLiteral("[/?]")), hostStart);
    *host = normalisedHost(target.mid(hostStart, hostEnd < 0 ? -1 : hostEnd - hostStart));
    *pathAndQuery = hostEnd < 0 ? QStringLiteral("/") : target.mid(hostEnd);
    if (!pathAndQuery->startsWith(u'/'))
        pathAndQuery->prepend(u'/');
}

} // namespace

QString RecordedRequest::header(const QString &name) const
{
    for (const auto &[key, value] : headers)
        if (key.compare(name, Qt::CaseInsensitive) == 0)
            return value;
    return QString();
}

FixtureServer::FixtureServer(const QString &fixturesDir)
    : m_fixturesDir(fixturesDir.isEmpty() ? QStringLiteral(FENDRAKE_FIXTURES_DIR) : fixturesDir)
{
}

FixtureServer::~FixtureServer()
{
    stop();
}

bool FixtureServer::start(int port)
{
    if (m_server)
        return false;
    m_server = std::make_unique<httplib::Server>();
    // One request per connection and short socket time-outs keep stop() fast whatever the clients do.
    m_server->set_keep_alive_max_count(1);
    m_server->set_keep_alive_timeout(1);
    m_server->set_read_timeout(1, 0);
    m_server->set_write_timeout(2, 0);
    m_server->set_pre_routing_handler([this](const httplib::Request &request, httplib::Response &response) {
        handle(request, response);
        return httplib::Server::HandlerResponse::Handled;
    });
    m_port = port == 0 ? m_server->bind_to_any_port("127.0.0.1") : m_server->bind_to_port("127.0.0.1", port) ? port : 0;
    if (m_port <= 0) {
        m_server.reset();
        return false;
    }
    m_stopping = false; // no server thread runs yet
    m_thread = std::thread([this] { m_server->listen_after_bind(); });
    // stop() only reaches a server that runs: wait for it, or a quick stop would hang in accept().
    while (!m_server->is_running() && m_thread.joinable())
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    return true;
}

void FixtureServer::stop()
{
    if (!m_server)
        return;
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_stopped.notify_all();
    m_server->stop();
    if (m_thread.joinable())
        m_thread.join();
    m_server.reset();
}

void FixtureServer::addRoute(const QString &host, const QString &path, bool prefix, const FixtureReply &reply)
{
    const std::lock_guard lock(m_mutex);
    m_routes.push_back({normalisedHost(host), path, prefix, reply});
}

bool FixtureServer::loadRouteFile(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(path, file.errorString());
        return false;
    }
    int lineNumber = 0;
    while (!file.atEnd()) {
        ++lineNumber;
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const QStringList fields = line.split(QRegularExpression(QStringLiteral("\\s+")));
        bool statusOk = true;
        const int status = fields.size() == 4 ? fields[3].toInt(&statusOk) : 200;
        if (fields.size() < 3 || fields.size() > 4 || !statusOk || !fields[1].startsWith(u'/')) {
            if (error)
                *error = QStringLiteral("%1:%2: expected \"host path-prefix fixture-file [status]\"")
                             .arg(path)
                             .arg(lineNumber);
            return false;
        }
        // A redirect's third field is where it sends the client.
        const bool redirect = status >= 300 && status < 400;
        addPrefixReply(fields[0], fields[1],
                       redirect ? FixtureReply{.status = status, .body = kMovedPage, .location = fields[2]}
                                : FixtureReply{.status = status, .fixtureFile = fields[2]});
    }
    return true;
}

std::vector<RecordedRequest> FixtureServer::requests() const
{
    const std::lock_guard lock(m_mutex);
    return m_requests;
}

void FixtureServer::clearRequests()
{
    const std::lock_guard lock(m_mutex);
    m_requests.clear();
}

FixtureReply FixtureServer::replyFor(const QString &host, const QString &pathAndQuery) const
{
    const std::lock_guard lock(m_mutex);
    const Route *best = nullptr;
    bool knownHost = false;
    for (const Route &route : m_routes) {
        const bool hostMatches = route.host == host || route.host == QLatin1String("*");
        knownHost = knownHost || hostMatches;
        if (!route.prefix && route.host == host && route.path == pathAndQuery)
            return route.reply;
        if (route.prefix && hostMatches && pathAndQuery.startsWith(route.path) &&
            (!best || route.path.size() > best->path.size()))
            best = &route;
    }
    if (best)
        return best->reply;

    // Names from the request never leave the fixtures folder.
    QString path = pathAndQuery.section(u'?', 0, 0);
    if (path.endsWith(u'/'))
        path += QLatin1String("index.html");
    const QDir fixtures(m_fixturesDir);
    const bool plainHost = !host.isEmpty() && !host.contains(u'/') && !host.startsWith(u'.');
    if (plainHost && !path.split(u'/').contains(QLatin1String("..")) &&
        QFileInfo(fixtures.filePath(host + path)).isFile())
        return {.fixtureFile = host + path};
    if (knownHost || (plainHost && QFileInfo(fixtures.filePath(host)).isDir()))
        return {.status = 404, .body = kNotFoundPage};
    // As for a host that cannot be resolved.
    return {.behaviour = FixtureReply::Behaviour::Drop, .status = 502};
}

bool FixtureServer::waitUnlessStopping(std::chrono::milliseconds delay)
{
    std::unique_lock lock(m_mutex);
    return !m_stopped.wait_for(lock, delay, [this] { return m_stopping; });
}

void FixtureServer::handle(const httplib::Request &request, httplib::Response &response)
{
    RecordedRequest record;
    record.method = QString::fromStdString(request.method);
    record.target = QString::fromStdString(request.target);
    splitTarget(request, &record.host, &record.pathAndQuery);
    for (const auto &[name, value] : request.headers)
        record.headers.append({QString::fromStdString(name), QString::fromStdString(value)});
    {
        const std::lock_guard lock(m_mutex);
        m_requests.push_back(record);
    }

    FixtureReply reply = replyFor(record.host, record.pathAndQuery);
    // A stall lasts until the server stops; a delay cut short by the stop drops the answer too.
    const bool stall = reply.behaviour == FixtureReply::Behaviour::Stall;
    const std::chrono::milliseconds wait = stall ? std::chrono::hours(24) : reply.delay;
    if (wait.count() > 0 && !waitUnlessStopping(wait))
        reply.behaviour = FixtureReply::Behaviour::Drop;
    answer(reply, response);
}

void FixtureServer::answer(const FixtureReply &reply, httplib::Response &response)
{
    response.status = reply.status;
    if (!reply.location.isEmpty())
        response.set_header("Location", reply.location.toStdString());
    const std::string type = "text/html";

    if (reply.behaviour == FixtureReply::Behaviour::Drop) {
        // Nothing after the headers: the client sees the connection closed mid-answer.
        response.set_chunked_content_provider(type, [](size_t, httplib::DataSink &) { return false; });
        return;
    }

    QByteArray body = reply.fillerBytes >= 0 ? QByteArray(reply.fillerBytes, 'x') : reply.body;
    if (!reply.fixtureFile.isEmpty() && reply.fillerBytes < 0) {
        QFile file(QDir(m_fixturesDir).filePath(reply.fixtureFile));
        if (!file.open(QIODevice::ReadOnly)) {
            response.status = 500;
            response.set_content("missing fixture file " + reply.fixtureFile.toStdString(), "text/plain");
            return;
        }
        body = file.readAll();
    }

    auto content = std::make_shared<std::string>(body.toStdString());
    if (reply.behaviour == FixtureReply::Behaviour::CutOff) {
        response.set_content_provider(content->size(), type, [content](size_t offset, size_t, httplib::DataSink &sink) {
            if (offset == 0)
                sink.write(content->data(), content->size() / 2);
            return false;
        });
    } else if (reply.chunked) {
        response.set_chunked_content_provider(type, [content](size_t offset, httplib::DataSink &sink) {
            if (offset >= content->size()) {
                sink.done();
                return true;
            }
            return sink.write(content->data() + offset, std::min(kChunk, content->size() - offset));
        });
    } else {
        response.set_content(*content, type);
    }
}

ScopedProxyEnvironment::ScopedProxyEnvironment(const QString &proxyAddress)
{
    const QByteArray address = proxyAddress.toUtf8();
    const char *const names[] = {"http_proxy", "https_proxy", "HTTPS_PROXY", "HTTP_PROXY",
                                 "all_proxy",  "ALL_PROXY",   "no_proxy",    "NO_PROXY"};
    for (const char *name : names) {
        const char *value = std::getenv(name);
        m_saved.emplace_back(name, value ? std::optional<QByteArray>(value) : std::nullopt);
        ::unsetenv(name);
    }
    if (!address.isEmpty()) {
        ::setenv("http_proxy", address.constData(), 1);
        ::setenv("https_proxy", address.constData(), 1);
    }
}

ScopedProxyEnvironment::~ScopedProxyEnvironment()
{
    for (const auto &[name, value] : m_saved) {
        if (value)
            ::setenv(name.constData(), value->constData(), 1);
        else
            ::unsetenv(name.constData());
    }
}

bool ProxiedFixtureServer::startProxied()
{
    if (!start())
        return false;
    m_proxy.emplace(proxyAddress());
    return true;
}

QByteArray gbkEncoded(const QString &text)
{
    return QStringEncoder("GBK").encode(text);
}

} // namespace fendrake::test
