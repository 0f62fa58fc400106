#pragma once

#include "qt_printers.h"
#include "query_panel_test.h"
#include "wait.h"

#include <QCheckBox>
#include <QPushButton>

#include <algorithm>

namespace fendrake::test {

using Names = QStringList;

// A check's panel as the user drives it, with short reads of what it shows, asked and said.
class CheckQuery : public QueryPanelTest
{
protected:
    // An earlier result: checks each box, shows each button or picture, writes "旧" into each other control.
    void setEarlier(const Names &names) const
    {
        for (const QString &name : names) {
            auto *control = this->control<QWidget>(qPrintable(name));
            if (auto *box = qobject_cast<QCheckBox *>(control))
                box->setChecked(true);
            else if (hideable(control))
                control->setHidden(false);
            else
                control->setProperty(qobject_cast<QPlainTextEdit *>(control) ? "plainText" : "text",
                                     QStringLiteral("旧"));
        }
    }

    // What those controls show, joined by '|': a box 1 when checked, a button or picture 1 when on view, else 0;
    // the text of any other control.
    QString shown(const Names &names) const
    {
        QStringList texts;
        for (const QString &name : names) {
            auto *control = this->control<QWidget>(qPrintable(name));
            auto *box = qobject_cast<QCheckBox *>(control);
            const bool on = box ? box->isChecked() : !control->isHidden();
            texts << (box || hideable(control) ? QString::number(int(on)) : shownText(control));
        }
        return texts.join(u'|');
    }

    static bool hideable(const QWidget *control)
    {
        return qobject_cast<const QPushButton *>(control) || control->objectName().startsWith(u"img");
    }

    bool enabled(const Names &names) const
    {
        return std::ranges::all_of(
            names, [this](const QString &name) { return control<QWidget>(qPrintable(name))->isEnabled(); });
    }

    bool ended(const Names &names) const
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
