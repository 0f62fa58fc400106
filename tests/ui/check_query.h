#pragma once

#include "qt_printers.h"
#include "query_panel_test.h"
#include "wait.h"

#include <algorithm>

namespace fendrake::test {

using Names = std::initializer_list<const char *>;

// A check's panel as the user drives it, with short reads of what it shows, asked and said.
class CheckQuery : public QueryPanelTest
{
protected:
    // Writes "旧" into each control, as an earlier result.
    void setEarlier(Names names) const
    {
        for (const char *name : names) {
            auto *control = this->control<QWidget>(name);
            control->setProperty(qobject_cast<QPlainTextEdit *>(control) ? "plainText" : "text", QStringLiteral("旧"));
        }
    }

    // What those controls show, joined by '|'.
    QString shown(Names names) const
    {
        QStringList texts;
        for (const char *name : names)
            texts << shownText(control<QWidget>(name));
        return texts.join(u'|');
    }

    bool enabled(Names names) const
    {
        return std::ranges::all_of(names, [this](const char *name) { return control<QWidget>(name)->isEnabled(); });
    }

    bool ended(Names names) const
    {
        return waitFor([&] { return enabled(names); });
    }

    // Forgets earlier boxes and requests, then types into the box and runs the query by Enter or its button.
    void run(const char *box, const char *button, const QString &typed, bool byEnter = true)
    {
        m_messages.clear();
        m_server.clearRequests();
        control<QLineEdit>(box)->setText(typed);
        byEnter ? QTest::keyClick(control<QLineEdit>(box), Qt::Key_Return)
                : QTest::mouseClick(control<QAbstractButton>(button), Qt::LeftButton);
    }

    // Title and the first lines of each message box.
    QStringList boxes(int lines = 1) const
    {
        QStringList shown;
        for (const RecordedMessage &box : m_messages.messages())
            shown << box.title + u':' + box.text.section(u'\r', 0, lines - 1);
        return shown;
    }

    QStringList requests() const
    {
        QStringList targets;
        for (const RecordedRequest &request : m_server.requests())
            targets << request.target;
        return targets;
    }
};

inline QStringList listOf(const QString &text)
{
    return text.isEmpty() ? QStringList() : QStringList{text};
}

} // namespace fendrake::test
