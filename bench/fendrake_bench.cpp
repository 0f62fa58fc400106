#include "app/form1.h"
#include "app/services/visible_text.h"
#include "fixture_server.h"
#include "recorders.h"
#include "wait.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <curl/curl.h>
#include <gumbo.h>

#include <cstdio>
#include <map>
#include <memory>
#include <string>

using namespace fendrake;

namespace {

// A page of about 1 MiB shaped like the services' answers: tables, paragraphs, links, entities,
// Chinese text and scripts that contribute nothing.
const QByteArray &samplePage()
{
    static const QByteArray page = [] {
        QByteArray html = "<html><head><title>查询结果</title><style>td{color:red}</style></head><body>";
        for (int i = 0; html.size() < 1024 * 1024; ++i) {
            html += "<div class=\"row\"><p>第" + QByteArray::number(i) +
                    "条记录：&nbsp;网站名称&amp;地址 <b>www.example" + QByteArray::number(i) +
                    ".com</b> 已备案。</p><table><tr><td>注册日期</td><td>2008-01-0" + QByteArray::number(i % 9) +
                    "</td></tr><tr><td>所在地</td><td>浙江省 杭州市</td></tr></table>"
                    "<ul><li><a href=\"/shop/" + QByteArray::number(i) + "\">店铺</a></li><li>信用 &lt;好&gt;</li></ul>"
                    "<script>var x = " + QByteArray::number(i) + ";</script></div>\n";
        }
        return html + "</body></html>";
    }();
    return page;
}

void BM_VisibleText(benchmark::State &state)
{
    const QString html = QString::fromUtf8(samplePage());
    for (auto _ : state)
        benchmark::DoNotOptimize(visibleText(html));
}

void BM_GumboParse(benchmark::State &state)
{
    const QByteArray &bytes = samplePage();
    for (auto _ : state) {
        GumboOutput *output = gumbo_parse_with_options(&kGumboDefaultOptions, bytes.constData(), size_t(bytes.size()));
        benchmark::DoNotOptimize(output);
        gumbo_destroy_output(&kGumboDefaultOptions, output);
    }
}

// The domain check's whole round trip through the real window and the fixture proxy.
struct QueryBench
{
    QueryBench()
    {
        server.startProxied();
        server.addPrefix(QStringLiteral("whois.fendrake.net"), QStringLiteral("/whois/"),
                         QStringLiteral("whois.fendrake.net/record.html"));
        form = std::make_unique<Form1>();
    }

    test::MessageRecorder messages;
    test::ProxiedFixtureServer server;
    std::unique_ptr<Form1> form;
};

QueryBench &queryBench()
{
    static QueryBench bench;
    return bench;
}

void BM_DomainQueryRoundTrip(benchmark::State &state)
{
    QueryBench &bench = queryBench();
    auto *box = bench.form->findChild<QLineEdit *>(QStringLiteral("txtYuMing"));
    auto *button = bench.form->findChild<QAbstractButton *>(QStringLiteral("cmdYuMingChaXun"));
    box->setText(QStringLiteral("example.com"));
    for (auto _ : state)
        button->click();
    if (!bench.messages.messages().empty())
        state.SkipWithError("the query failed");
}

size_t discard(char *, size_t size, size_t count, void *)
{
    return size * count;
}

void BM_BareCurlGet(benchmark::State &state)
{
    queryBench(); // the same proxy, through http_proxy
    CURL *curl = curl_easy_init();
    curl_easy_setopt(curl, CURLOPT_URL, "http://whois.fendrake.net/whois/example.com");
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, &discard);
    for (auto _ : state) {
        if (curl_easy_perform(curl) != CURLE_OK)
            state.SkipWithError("the fetch failed");
    }
    curl_easy_cleanup(curl);
}

BENCHMARK(BM_VisibleText)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GumboParse)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DomainQueryRoundTrip)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BareCurlGet)->Unit(benchmark::kMillisecond);

// Keeps each benchmark's mean real time per iteration, in milliseconds.
class Recorder : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &run : runs)
            if (run.iterations > 0)
                ms[run.benchmark_name()] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }

    std::map<std::string, double> ms;
};

long residentKiB(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

QStringList visibleWindows(qint64 pid)
{
    QProcess search;
    search.start(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                             QStringLiteral("--pid"), QString::number(pid), QStringLiteral("--name"),
                                             QStringLiteral(".")});
    search.waitForFinished(5000);
    return QString::fromLatin1(search.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
}

// The real program against the proxy, on the X server of xvfb-run: its start-up time less the splash's
// pause, and its resident memory once idle. The pause lasts until the next whole second of the wall
// clock after the splash appears, so it is known from the moment the splash is seen.
bool measureStart(const test::FixtureServer &server, double *startMs, double *idleMiB)
{
    QTemporaryDir runtime;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("http_proxy"), server.proxyAddress());
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    QProcess program;
    program.setProcessEnvironment(environment);
    const qint64 started = QDateTime::currentMSecsSinceEpoch();
    program.start(QStringLiteral(FENDRAKE_BINARY), {});
    const qint64 pid = program.processId();

    // The first window is the splash; the main window is the next one.
    QStringList windows;
    bool shown = test::waitFor([&] { return !(windows = visibleWindows(pid)).isEmpty(); }, 20000);
    const qint64 splashSeen = QDateTime::currentMSecsSinceEpoch();
    const QString splash = windows.value(0);
    shown = shown && test::waitFor(
                         [&] {
                             const QStringList now = visibleWindows(pid);
                             return !now.isEmpty() && !now.contains(splash);
                         },
                         20000);
    const qint64 mainSeen = QDateTime::currentMSecsSinceEpoch();
    const qint64 pauseMs = 1000 - splashSeen % 1000;
    *startMs = double(mainSeen - started - pauseMs);
    if (shown) {
        test::waitFor([] { return false; }, 2000);
        *idleMiB = double(residentKiB(pid)) / 1024.0;
    }
    program.terminate();
    if (!program.waitForFinished(5000))
        program.kill();
    return shown;
}

} // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    curl_global_init(CURL_GLOBAL_DEFAULT);

    Recorder recorder;
    benchmark::RunSpecifiedBenchmarks(&recorder);

    const auto measured = [&](const char *a, const char *b) { return recorder.ms.count(a) && recorder.ms.count(b); };
    std::printf("\nFigures (aims in brackets):\n");
    if (measured("BM_VisibleText", "BM_GumboParse"))
        std::printf("  visible text / gumbo parse of a 1 MiB page: %.2f  [1.5 or less]\n",
                    recorder.ms["BM_VisibleText"] / recorder.ms["BM_GumboParse"]);
    if (measured("BM_DomainQueryRoundTrip", "BM_BareCurlGet"))
        std::printf("  domain check round trip less a bare GET: %.2f ms  [5 ms or less]\n",
                    recorder.ms["BM_DomainQueryRoundTrip"] - recorder.ms["BM_BareCurlGet"]);

    double startMs = 0;
    double idleMiB = 0;
    if (measureStart(queryBench().server, &startMs, &idleMiB)) {
        std::printf("  start to main window beyond the splash's pause: %.0f ms  [150 ms]\n", startMs);
        std::printf("  resident memory when idle: %.1f MB  [60 MB]\n", idleMiB * 1.048576);
    } else {
        std::printf("  start to main window: no main window within 20 s (is an X server running?)\n");
    }
    benchmark::Shutdown();
    return 0;
}
