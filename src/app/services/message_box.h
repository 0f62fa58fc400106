#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QMessageBox;
class QWidget;

namespace fendrake {

enum class MessageIcon { None, Critical, Exclamation, Information };

// The design's boxes join their lines with a bare carriage return.
QString joinMessageLines(const QStringList &lines);

// The one way the program shows a message box: modal, OK only. An empty title shows the
// application title "Fendrake" and no icon.
void showMessage(QWidget *owner, MessageIcon icon, const QString &title, const QString &text);

// The text as the box shows it: a label breaks lines only at LF, so each CR (or CR LF) becomes LF.
QString messageDisplayText(const QString &text);

// The box showMessage executes, built but not shown; the caller owns it.
QMessageBox *createMessageBox(QWidget *owner, MessageIcon icon, const QString &title, const QString &text);

using MessageBoxHandler = std::function<void(MessageIcon icon, const QString &title, const QString &text)>;

// Tests put a recorder in place of the modal box; returns the handler that was set before.
// An empty handler restores the real box. The handler gets what the box would show: an empty
// title arrives as "Fendrake" with no icon; the text arrives unchanged, bare CRs included.
MessageBoxHandler setMessageBoxHandler(MessageBoxHandler handler);

} // namespace fendrake
