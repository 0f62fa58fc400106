#include "app/services/message_box.h"

#include <QMessageBox>

#include <memory>

namespace fendrake {

namespace {

MessageBoxHandler &currentHandler()
{
    static MessageBoxHandler handler;
    return handler;
}

QMessageBox::Icon boxIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

QString joinMessageLines(const QStringList &lines)
{
    return lines.join(u'\r');
}

QString messageDisplayText(const QString &text)
{
    QString display = text;
    display.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    display.replace(u'\r', u'\n');
    return display;
}

QMessageBox *createMessageBox(QWidget *owner, MessageIcon icon, const QString &title, const QString &text)
{
    const bool untitled = title.isEmpty();
    auto *box = new QMessageBox(owner);
    box->setIcon(untitled ? QMessageBox::NoIcon : boxIcon(icon));
    box->setWindowTitle(untitled ? QStringLiteral("Fendrake") : title);
    // A label breaks lines only at LF; page text could also look like markup.
    box->setTextFormat(Qt::PlainText);
    box->setText(messageDisplayText(text));
    box->setStandardButtons(QMessageBox::Ok);
    return box;
}

void showMessage(QWidget *owner, MessageIcon icon, const QString &title, const QString &text)
{
    // A copy: the handler may replace itself while it runs.
    if (const MessageBoxHandler handler = currentHandler()) {
        if (title.isEmpty())
            handler(MessageIcon::None, QStringLiteral("Fendrake"), text);
        else
            handler(icon, title, text);
        return;
    }
    const std::unique_ptr<QMessageBox> box(createMessageBox(owner, icon, title, text));
    box->exec();
}

MessageBoxHandler setMessageBoxHandler(MessageBoxHandler handler)
{
    MessageBoxHandler previous = std::move(currentHandler());
    currentHandler() = std::move(handler);
    return previous;
}

} // namespace fendrake
