#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
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

// What a control shows as its caption or text, whatever its kind.
inline QString shownText(const QObject *control)
{
    if (auto *label = qobject_cast<const QLabel *>(control))
        return label->text();
    if (auto *button = qobject_cast<const QAbstractButton *>(control))
        return button->text();
    if (auto *line = qobject_cast<const QLineEdit *>(control))
        return line->text();
    if (auto *box = qobject_cast<const QPlainTextEdit *>(control))
        return box->toPlainText();
    if (auto *group = qobject_cast<const QGroupBox *>(control))
        return group->title();
    if (auto *widget = qobject_cast<const QWidget *>(control))
        return widget->windowTitle();
    return QString();
}

} // namespace fendrake::test
