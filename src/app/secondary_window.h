#pragma once

#include <QWidget>

namespace fendrake {

// The about, update and fault-detection windows: modeless, without an owner, and unloaded when
// closed. A handler that lets window events run may outlive the close: the window is deleted only
// once no such handler is on the stack, and the handler must stop when isUnloaded() turns true.
class SecondaryWindow : public QWidget
{
    Q_OBJECT

public:
    explicit SecondaryWindow(QWidget *parent = nullptr);

    bool isUnloaded() const { return m_unloaded; }

signals:
    // The window was closed; the next opening builds a fresh one.
    void unloaded();

protected:
    void closeEvent(QCloseEvent *event) override;

    // Held by a handler for as long as it runs.
    class Busy
    {
    public:
        explicit Busy(SecondaryWindow &window);
        ~Busy();
        Busy(const Busy &) = delete;
        Busy &operator=(const Busy &) = delete;

    private:
        SecondaryWindow &m_window;
    };

private:
    void deleteWhenIdle();

    bool m_unloaded = false;
    int m_busy = 0;
};

} // namespace fendrake
