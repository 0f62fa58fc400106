#pragma once

#include <QString>

#include <memory>

class QLockFile;

namespace fendrake {

// One running copy per user: a lock file in the user's runtime folder, held while the program
// runs. The lock of a copy that was killed is taken over.
class SingleInstance
{
public:
    // An empty path uses fendrake.lock in the user's runtime folder.
    explicit SingleInstance(const QString &lockPath = QString());
    ~SingleInstance();
    SingleInstance(const SingleInstance &) = delete;
    SingleInstance &operator=(const SingleInstance &) = delete;

    // Takes the lock on first use; true while another live copy holds it.
    bool anotherCopyRunning();

    // Gives the lock up before the run ends, so that a start right after is the first copy.
    void release();

    // The program's own guard while it exists, for the windows' load-time tests; none in tests
    // that build windows on their own.
    static SingleInstance *current();

private:
    std::unique_ptr<QLockFile> m_lock;
    bool m_tried = false;
    bool m_held = false;
};

// The windows' load-time test: true when this run is a second copy and must end.
bool anotherCopyRunning();

} // namespace fendrake
