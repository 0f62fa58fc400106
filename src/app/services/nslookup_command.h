#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include <chrono>

class QProcess;

namespace fendrake {

// The system's name-lookup command: the path set by setNslookupCommandPath, else "nslookup" found
// on PATH; empty when the command is not there.
QString nslookupCommandPath();

// Tests put a stand-in command in its place; an empty path restores the search on PATH.
void setNslookupCommandPath(const QString &path);

// How long one run may take before it is stopped (15 seconds unless a test shortens it).
std::chrono::milliseconds nslookupTimeLimit();
void setNslookupTimeLimit(std::chrono::milliseconds limit);

// One run of the command at a time, started directly (no shell) with the host name as its only
// argument. Its standard output is read once it has ended; the run is stopped at the time limit.
class NslookupCommand : public QObject
{
    Q_OBJECT

public:
    enum class Outcome
    {
        Ended,      // the command ended by itself; output holds what it printed
        NotStarted, // missing or not executable
        TimedOut,   // stopped at the time limit
    };
    Q_ENUM(Outcome)

    explicit NslookupCommand(QObject *parent = nullptr);
    ~NslookupCommand() override;

    // Stops a run still going (its result is dropped) and starts a new one.
    void start(const QString &hostName);
    bool isRunning() const { return m_process != nullptr; }

signals:
    void finished(fendrake::NslookupCommand::Outcome outcome, const QString &output);

private:
    void stop();
    void finish(Outcome outcome, const QString &output);

    QProcess *m_process = nullptr;
    QTimer m_limit;
    quint64 m_run = 0;
};

} // namespace fendrake
