#include "app/single_instance.h"

#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

namespace fendrake {

namespace {

SingleInstance *g_current = nullptr;

QString defaultLockPath()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return folder + QStringLiteral("/fendrake.lock");
}

} // namespace

SingleInstance::SingleInstance(const QString &lockPath)
    : m_lock(std::make_unique<QLockFile>(lockPath.isEmpty() ? defaultLockPath() : lockPath))
{
    // Only a dead holder makes the lock stale, never its age.
    m_lock->setStaleLockTime(0);
    if (!g_current)
        g_current = this;
}

SingleInstance::~SingleInstance()
{
    if (g_current == this)
        g_current = nullptr;
}

bool SingleInstance::anotherCopyRunning()
{
    if (!m_tried) {
        m_tried = true;
        // tryLock takes over the lock of a holder that no longer runs.
        m_held = m_lock->tryLock(0);
    }
    if (m_held)
        return false;
    // A lock that cannot be written at all (no runtime folder) does not stop the program.
    return m_lock->error() == QLockFile::LockFailedError;
}

void SingleInstance::release()
{
    if (m_held)
        m_lock->unlock();
    m_held = false;
}

SingleInstance *SingleInstance::current()
{
    return g_current;
}

bool anotherCopyRunning()
{
    SingleInstance *instance = SingleInstance::current();
    return instance && instance->anotherCopyRunning();
}

} // namespace fendrake
