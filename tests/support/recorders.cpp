#include "recorders.h"

namespace fendrake::test {

MessageRecorder::MessageRecorder()
{
    m_previous = setMessageBoxHandler([this](MessageIcon icon, const QString &title, const QString &text) {
        m_messages.push_back({icon, title, text});
    });
}

MessageRecorder::~MessageRecorder()
{
    setMessageBoxHandler(m_previous);
}

ShellOpenRecorder::ShellOpenRecorder()
{
    m_previous = setShellOpenHandler([this](const QString &address) { m_addresses.append(address); });
}

ShellOpenRecorder::~ShellOpenRecorder()
{
    setShellOpenHandler(m_previous);
}

} // namespace fendrake::test
