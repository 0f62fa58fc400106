#include "fixture_server.h"

#include <QDir>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <pthread.h>

// The fixture proxy on its own, for the demo: fixture-server [port [route-file...]] (default 8118).
// Extra route files come first, so their routes win over the demo's own for the same prefix.
int main(int argc, char **argv)
{
    int port = 8118;
    if (argc >= 2 && (port = std::atoi(argv[1])) <= 0) {
        std::fprintf(stderr, "usage: fixture-server [port [route-file...]]\n");
        return 2;
    }

    // Signals are taken by sigwait below, not by whichever server thread happens to run.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    fendrake::test::FixtureServer server;
    QStringList routeFiles;
    for (int i = 2; i < argc; ++i)
        routeFiles.append(QString::fromLocal8Bit(argv[i]));
    routeFiles.append(QDir(server.fixturesDir()).filePath(QStringLiteral("demo-routes.txt")));
    for (const QString &routeFile : routeFiles) {
        QString error;
        if (!server.loadRouteFile(routeFile, &error)) {
            std::fprintf(stderr, "fixture-server: %s\n", qPrintable(error));
            return 1;
        }
    }
    if (!server.start(port)) {
        std::fprintf(stderr, "fixture-server: cannot listen on 127.0.0.1:%d\n", port);
        return 1;
    }
    std::printf("fixture-server: serving %s on %s\n", qPrintable(server.fixturesDir()),
                qPrintable(server.proxyAddress()));
    std::fflush(stdout);

    int received = 0;
    sigwait(&stopSignals, &received);
    server.stop();
    return 0;
}
