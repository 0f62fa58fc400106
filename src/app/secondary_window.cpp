#include "app/secondary_window.h"

#include <QCloseEvent>

namespace fendrake {

SecondaryWindow::SecondaryWindow(QWidget *parent) : QWidget(parent, Qt::Window) {}

void SecondaryWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    if (m_unloaded)
        return;
    m_unloaded = true;
    emit unloaded();
    deleteWhenIdle();
}

void SecondaryWindow::deleteWhenIdle()
{
    if (m_unloaded && m_busy == 0)
        deleteLater();
}

SecondaryWindow::Busy::Busy(SecondaryWindow &window) : m_window(window)
{
    ++m_window.m_busy;
}

SecondaryWindow::Busy::~Busy()
{
    --m_window.m_busy;
    m_window.deleteWhenIdle();
}

} // namespace fendrake
