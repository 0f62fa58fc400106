#include "app/services/nslookup_command.h"

#include <QProcess>
#include <QStandardPaths>

namespace fendrake {

namespace {

QString g_commandPath;
std::chrono::milliseconds g_timeLimit{15000};

} // namespace

QString nslookupCommandPath()
{
    if (!g_commandPath.isEmpty())
        return g_commandPath;
    const QString onPath = QStandardPaths::findExecutable(QStringLiteral("nslookup"));
    if (!onPath.isEmpty())
        return onPath;
    // A desktop launcher may start us with a thin PATH; the system folders still hold the command.
    return QStandardPaths::findExecutable(
        QStringLiteral("nslookup"),
        {QStringLiteral("/usr/bin"), QStringLiteral("/bin"), QStringLiteral("/usr/sbin"), QStringLiteral("/sbin")});
}

void setNslookupCommandPath(const QString &path)
{
    g_commandPath = path;
}

std::chrono::milliseconds nslookupTimeLimit()
{
    return g_timeLimit;
}

void setNslookupTimeLimit(std::chrono::milliseconds limit)
{
    g_timeLimit = limit;
}

NslookupCommand::NslookupCommand(QObject *parent) : QObject(parent)
{
    m_limit.setSingleShot(true);
    connect(&m_limit, &QTimer::timeout, this, [this] {
        stop();
        emit finished(Outcome::TimedOut, QString());
    });
}

NslookupCommand::~NslookupCommand()
{
    stop();
}

void NslookupCommand::start(const QString &hostName)
{
    stop();
    const quint64 run = ++m_run;
    const QString program = nslookupCommandPath();
    if (program.isEmpty()) {
        // Reported from the event loop, as every other outcome is; a newer run silences it.
        QMetaObject::invokeMethod(
            this,
            [this, run] {
                if (run == m_run)
                    emit finished(Outcome::NotStarted, QString());
            },
            Qt::QueuedConnection);
        return;
    }

    m_process = new QProcess(this);
    m_process->setProgram(program);
    m_process->setArguments({hostName});
    m_process->setStandardInputFile(QProcess::nullDevice());
    m_process->setStandardErrorFile(QProcess::nullDevice());
    QProcess *process = m_process;
    connect(process, &QProcess::finished, this, [this, process] {
        if (process == m_process)
            finish(Outcome::Ended, QString::fromLocal8Bit(process->readAllStandardOutput()));
    });
    connect(process, &QProcess::errorOccurred, this, [this, process](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart && process == m_process)
            finish(Outcome::NotStarted, QString());
    });
    m_limit.start(nslookupTimeLimit());
    m_process->start(QIODevice::ReadOnly);
}

void NslookupCommand::finish(Outcome outcome, const QString &output)
{
    m_limit.stop();
    m_process->disconnect(this);
    m_process->deleteLater();
    m_process = nullptr;
    emit finished(outcome, output);
}

void NslookupCommand::stop()
{
    m_limit.stop();
    if (!m_process)
        return;
    QProcess *process = m_process;
    m_process = nullptr;
    process->disconnect(this);
    if (process->state() != QProcess::NotRunning) {
        process->kill();
        process->waitForFinished(2000);
    }
    process->deleteLater();
}

} // namespace fendrake
