#pragma once

#include "app/services/message_box.h"
#include "app/services/shell_open.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace fendrake::test {

struct RecordedMessage
{
    MessageIcon icon;
    QString title;
    QString text;
};

// While alive, message boxes are recorded instead of shown (nothing modal appears in a test).
class MessageRecorder
{
public:
    MessageRecorder()
        : m_previous(setMessageBoxHandler([this](MessageIcon icon, const QString &title, const QString &text) {
              m_messages.push_back({icon, title, text});
          }))
    {
    }
    ~MessageRecorder() { setMessageBoxHandler(m_previous); }
    MessageRecorder(const MessageRecorder &) = delete;
    MessageRecorder &operator=(const MessageRecorder &) = delete;

    const std::vector<RecordedMessage> &messages() const { return m_messages; }
    void clear() { m_messages.clear(); }

private:
    std::vector<RecordedMessage> m_messages;
    MessageBoxHandler m_previous;
};

// While alive, shell opens are recorded instead of starting programs.
class ShellOpenRecorder
{
public:
    ShellOpenRecorder()
        : m_previous(setShellOpenHandler([this](const QString &address) { m_addresses.append(address); }))
    {
    }
    ~ShellOpenRecorder() { setShellOpenHandler(m_previous); }
    ShellOpenRecorder(const ShellOpenRecorder &) = delete;
    ShellOpenRecorder &operator=(const ShellOpenRecorder &) = delete;

    const QStringList &addresses() const { return m_addresses; }

private:
    QStringList m_addresses;
    ShellOpenHandler m_previous;
};

} // namespace fendrake::test
