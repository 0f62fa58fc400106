#include "app/services/nslookup_command.h"
#include "app/services/pause.h"
#include "check_query.h"
#include "scoped_fetch_limits.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>
#include <QUrlQuery>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace fendrake {
namespace {

struct QueryBox
{
    const char *panel;               // level button and feature button
    const char *boxes;               // "name=valid" pasted with hostile text built on valid; "name:valid" set as is
    const char *button;              // enabled again when the query has ended
    std::vector<const char *> sends; // each request the check may send: host/path-and-query, "|" for the value
    const char *opens = "";          // host, path and query keys of an address given to the desktop opener
    bool enter = false;              // Enter in the first box runs the query, not the button
};

// clang-format off
const QueryBox kBoxes[] = {
    {"cmdChuJi cmdYuMing", "txtYuMing=fendrake-demo.com", "cmdYuMingChaXun", {"whois.fendrake.net/whois/|"}},
    {"cmdZhongJi cmdZhuJi", "txtZhuJi=localhost", "cmdZhuJiChaXun", {"ip.fendrake.net/ips.asp?ip=|&action=2"}},
    {"cmdChuJi cmdIP", "txtIP=1.2.3.4.", "cmdIPChaXun", {"ip.fendrake.net/ips.asp?ip=|&action=2"}},
    {"cmdZhongJi Command3", "txtSLURL=www.fendrake-demo.com", "cmdGO", {}},
    {"cmdGaoji cmdICP", "txtICP=www.fendrake-demo.com", "Command6", {"icp.fendrake.net:8080/index.html?hostName=|"}},
    {"cmdZhongJi cmdPaiming", "txtRenQi=www.fendrake-demo.com", "cmdRenQiChaxun", {"rank.fendrake.net/?domain=|"}},
    {"cmdZhongJi cmdLiuXing", "txtLiuXing=www.fendrake-demo.com", "cmdShouLuChaXun",
     {"rating.fendrake.net/web?query=|", "search.fendrake.net/s?wd=site%3A|"}, "", true},
    {"cmdGaoji cmdSafe", "txtUS=www.fendrake-demo.com", "cmdUS", {"safe.fendrake.net/aspx_2/search.aspx?kw=|"}},
    {"cmdGaoji cmdSafe", "txtGM=www.fendrake-demo.com", "cmdGMCX", {"trojan.fendrake.net/urlsearch.htm?searchUrl=|"}},
    {"cmdChuJi cmdShenFenZheng", "txtShenFenZheng=11010519491231002X", "cmdShenFenZhengChaXun",
     {"id.fendrake.net/idsearch/index.asp?action=idcard&userid=|"}},
    {"cmdChuJi cmdShouJi", "txtShouJi=13800138000", "cmdShouJiChaXun",
     {"mobile.fendrake.net:8080/search.asp?action=mobile&mobile=|"}},
    {"cmdGaoji cmdEmail", "txtTel=010-12345678", "cmdTelChaXun", {"tel.fendrake.net/dh/114.aspx?w=|"}},
    {"cmdGaoji cmdEmail", "Text2=010 Text3=12345678", "Command5", {},
     "websearch.fendrake.net/search?num&hl&lr&newwindow&q"},
    {"cmdZhongJi Command8", "Text4=10000", "Command9",
     {"qqstatus.fendrake.net/pa?p=1:|:1%20alt=test", "qqpic.fendrake.net/qq_online.gif|",
      "qqpic.fendrake.net/qq_offline.gif|"}},
    {"cmdZhongJi Command12", "txtMXName=明星", "cmdMXCX", {"forum.fendrake.net/f?kw=|"}},
    {"cmdGaoji Command7", "txtTB=店主", "cmdTBCX",
     {"shopsearch.fendrake.net/browse/shop_search.htm?q=|&title=title&nick=nick&tab=3&s=0", "shop1001.fenshop.cn/|",
      "rate.fenshop.cn/user-rate-1001.htm|"}},
    {"cmdGaoji Command7", "Text7=100 Text8=1 Text9:1000", "Command13", {}},
};

// A shell that ever ran the first text would leave files behind in the working folder.
const std::pair<const char *, std::function<QString(const QString &)>> kInputs[] = {
    {"shell", [](const QString &v) { return v + QStringLiteral(";touch a|touch b$(touch c)`touch d`&touch e>f<g"); }},
    {"dash", [](const QString &v) { return u'-' + v; }},
    {"long", [](const QString &v) { return v + QStringLiteral("9中&").repeated(33334); }},
    {"controls", [](const QString &v) { return v + QString::fromUtf16(u"\0\x01\t\n\r\x1b[2J\x7f\u0085", 11); }},
    {"emoji", [](const QString &v) { return v + QStringLiteral("😀"); }},
    {"rtl", [](const QString &v) { return v + QChar(0x200F) + QStringLiteral("moc"); }},
    {"path", [](const QString &v) { return v + QStringLiteral("/../..\\x/%2e%2e/..?a#b"); }},
    {"dots", [](const QString &) { return QStringLiteral(".."); }},
};
// clang-format on

// The user's part of a requested address: printable ASCII, a percent sign only as an escape, nothing that ends a
// value; in a path, no segment of its own either.
bool fitsForm(const QString &target, const QString &form)
{
    const QString sent = target.mid(target.indexOf(QLatin1String("://")) + 3); // host, path and query as sent
    static const QRegularExpression loose(QStringLiteral("[^!-~]|[#&+?]|%(?![0-9A-F]{2})"));
    static const QRegularExpression segment(QStringLiteral("[/\\\\]|^\\.\\.?$"));
    const QString prefix = form.section(u'|', 0, 0), suffix = form.section(u'|', 1);
    const QString value = sent.mid(prefix.size(), sent.size() - prefix.size() - suffix.size());
    return sent.startsWith(prefix) && sent.endsWith(suffix) && sent.size() >= prefix.size() + suffix.size() &&
           !value.contains(loose) && (prefix.contains(u'?') || !value.contains(segment));
}

QString shapeOf(const QString &address)
{
    const QUrl url(address);
    QStringList keys;
    for (const auto &[key, value] : QUrlQuery(url).queryItems())
        keys << key;
    return url.host() + url.path() + u'?' + keys.join(u'&') + (url.hasFragment() ? QStringLiteral("#") : QString());
}

// Names of the programs this process runs now (a child between fork and exec still bears ours).
QStringList runningChildren()
{
    const auto read = [](const QString &path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll().trimmed() : QByteArray();
    };
    QStringList names;
    for (const QString &task : QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        for (const QByteArray &pid : read(QStringLiteral("/proc/self/task/%1/children").arg(task)).split(' '))
            if (const QByteArray name = read("/proc/" + QString::fromLatin1(pid) + "/comm"); !name.isEmpty())
                names << QString::fromLocal8Bit(name); // nothing for a child gone meanwhile
    return names;
}

// A proxy that keeps whole request lines (the fixture proxy refuses those over 8 KiB) and answers 404 to all.
class LineProxy
{
public:
    LineProxy() : m_socket(socket(AF_INET, SOCK_STREAM, 0))
    {
        sockaddr_in address{AF_INET, 0, {htonl(INADDR_LOOPBACK)}, {}};
        socklen_t size = sizeof address;
        bind(m_socket, reinterpret_cast<sockaddr *>(&address), size);
        listen(m_socket, 8);
        getsockname(m_socket, reinterpret_cast<sockaddr *>(&address), &size);
        m_environment.emplace(QStringLiteral("http://127.0.0.1:%1").arg(ntohs(address.sin_port)));
        m_thread = std::thread([this] {
            for (int client; (client = accept(m_socket, nullptr, nullptr)) >= 0; close(client)) {
                QByteArray head(1 << 18, '\0');
                qsizetype got = 0;
                for (ssize_t n = 1; n > 0 && !head.left(got).contains("\r\n\r\n"); got += n)
                    n = std::max<ssize_t>(0, read(client, head.data() + got, head.size() - got));
                const QString target = QString::fromLatin1(head.left(head.indexOf("\r\n"))).section(u' ', 1, 1);
                const std::lock_guard lock(m_mutex); // recorded before the answer ends the client's wait
                m_requests << target;
                const char reply[] = "HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\nConnection: close\r\n\r\n";
                (void)!write(client, reply, sizeof reply - 1);
            }
        });
    }
    ~LineProxy()
    {
        shutdown(m_socket, SHUT_RDWR);
        m_thread.join();
        close(m_socket);
    }
    QStringList requests() const
    {
        const std::lock_guard lock(m_mutex);
        return m_requests;
    }

private:
    int m_socket;
    std::optional<test::ScopedProxyEnvironment> m_environment;
    std::thread m_thread;
    mutable std::mutex m_mutex;
    QStringList m_requests;
};

using HostileInput = test::CheckQuery;

TEST_F(HostileInput, PastedTextKeepsEveryAddressAndReachesNoShellNorProgram)
{
    QTemporaryDir work, logDir;
    ASSERT_TRUE(work.isValid() && logDir.isValid());
    ASSERT_TRUE(m_server.loadRouteFile(QDir(m_server.fixturesDir()).filePath("demo-routes.txt")));
    qputenv("FENDRAKE_NSLOOKUP_LOG", logDir.filePath(QStringLiteral("starts.log")).toLocal8Bit());
    setNslookupCommandPath(QStringLiteral(FENDRAKE_FIXTURES_DIR "/commands/nslookup"));
    const PauseClock previousClock = setPauseClock([seconds = qint64(0)]() mutable { return seconds++; });
    const QString previousDir = QDir::currentPath();
    QDir::setCurrent(work.path());
    const auto restore = qScopeGuard([&] {
        QDir::setCurrent(previousDir);
        setPauseClock(previousClock);
        setNslookupCommandPath(QString());
        qunsetenv("FENDRAKE_NSLOOKUP_LOG");
    });
    const test::ShellOpenRecorder opened;
    const test::ScopedFetchLimits limits(std::chrono::milliseconds(2000), std::chrono::milliseconds(4000));
    const QString ownName = QFileInfo(QCoreApplication::applicationFilePath()).fileName().left(15); // as comm
    for (const QueryBox &row : kBoxes) {
        const QStringList panel = QString::fromUtf8(row.panel).split(u' '),
                          boxes = QString::fromUtf8(row.boxes).split(u' ');
        openPanel(panel[0].toUtf8().constData(), panel[1].toUtf8().constData());
        auto *button = control<QAbstractButton>(row.button);
        auto *first = control<QLineEdit>(boxes[0].section(u'=', 0, 0).toUtf8().constData());
        ASSERT_TRUE(button && first);
        for (const auto &[inputName, hostile] : kInputs) {
            SCOPED_TRACE(boxes[0].toStdString() + " x " + inputName);
            m_server.clearRequests();
            const qsizetype openedBefore = opened.addresses().size();
            for (const QString &box : boxes) {
                const QStringList parts = box.split(QRegularExpression(QStringLiteral("[=:]")));
                QGuiApplication::clipboard()->setText(box.contains(u'=') ? hostile(parts[1]) : parts[1]);
                control<QLineEdit>(parts[0].toUtf8().constData())->clear();
                control<QLineEdit>(parts[0].toUtf8().constData())->paste();
            }
            std::optional<LineProxy> longLines;
            if (std::string_view(inputName) == "long")
                longLines.emplace();
            row.enter ? QTest::keyClick(first, Qt::Key_Return) : QTest::mouseClick(button, Qt::LeftButton);
            QStringList children;
            EXPECT_TRUE(test::waitFor( // within the fetch limit and a margin
                [&] {
                    children << runningChildren();
                    return button->isEnabled() && first->isEnabled();
                },
                9000));
            bool answered = false;
            QTimer::singleShot(0, first, [&answered] { answered = true; });
            EXPECT_TRUE(test::waitFor([&answered] { return answered; }, 2000));

            for (const QString &child : children)
                EXPECT_TRUE(child == ownName || child == QLatin1String("nslookup")) << child.toStdString();
            for (const QString &request : longLines ? longLines->requests() : requests())
                EXPECT_TRUE(std::ranges::any_of(row.sends, [&](const char *form) { return fitsForm(request, form); }))
                    << request.left(300).toStdString();
            for (qsizetype i = openedBefore; i < opened.addresses().size(); ++i)
                EXPECT_EQ(shapeOf(opened.addresses()[i]), QLatin1String(row.opens));
            for (const QString &file : QDir::current().entryList(QDir::Files | QDir::Hidden))
                EXPECT_FALSE(QFile::remove(file)) << "left behind: " << file.toStdString();
        }
    }
    QFile log(logDir.filePath(QStringLiteral("starts.log")));
    const QString starts = log.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(log.readAll()) : QString();
    // One argument that no shell and no option parser would read as anything but a name.
    static const QRegularExpression plainHost(QStringLiteral("^1 \\[[A-Za-z0-9.][A-Za-z0-9.-]*\\]$"));
    for (const QString &start : starts.split(u'\n', Qt::SkipEmptyParts))
        EXPECT_TRUE(plainHost.match(start).hasMatch()) << start.toStdString();
}

} // namespace
} // namespace fendrake
