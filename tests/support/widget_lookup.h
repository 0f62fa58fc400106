#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QObject>
#include <QPlainTextEdit>
#include <QString>
#include <QTest>

#include <gtest/gtest.h>

namespace fendrake::test {

// The one child of root with that object name; fails the test when there is none.
template <typename T> T *childNamed(const QObject *root, const QString &name)
{
    T *found = root->findChild<T *>(name);
    EXPECT_NE(found, nullptr) << "no " << T::staticMetaObject.className() << " named " << name.toStdString();
    return found;
}

// Shows the window and makes it the active one, as the user sees it, so focus and keys behave.
inline bool showActive(QWidget *window)
{
    window->show();
    QApplication::setActiveWindow(window);
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

// What a control shows as its caption or text (labels, buttons and boxes hold it as "text").
inline QString shownText(const QObject *control)
{
    return control->property(qobject_cast<const QPlainTextEdit *>(control) ? "plainText" : "text").toString();
}

} // namespace fendrake::test
