#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

class QLabel;

namespace fendrake {

class Form1;
class SecondaryWindow;

// One report entry of the menu and the key of its page at the reporting centre.
struct ReportEntry
{
    const char *entry;
    const char *key;
};

// The nineteen report entries in menu order.
const QList<ReportEntry> &reportEntries();

// "http://" + the reporting centre's host + "/jvbao_" + key + ".php".
QString reportPageAddress(const QString &key);

// The messenger's chat link of the support QQ number.
QString supportChatLink();

// The menu actions and the two contact labels of the main window. Keeps the one instance of each
// secondary window; a closed window is forgotten, so the next opening starts from its design.
class Menus : public QObject
{
    Q_OBJECT

public:
    explicit Menus(Form1 &form);
    ~Menus() override;

    void mnuDoctor_Click();
    void mnuUpdate_Click();
    void mnuAbout_Click();
    void mnuHelp1_Click();
    void mnuWeb_Click();
    void mnuQQ_Click();
    void Label6_Click();
    void Label21_Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    template <typename Window> void showShared(QPointer<SecondaryWindow> &slot);

    Form1 &m_form;
    QLabel *m_label6 = nullptr;
    QLabel *m_label21 = nullptr;
    QPointer<SecondaryWindow> m_form2;
    QPointer<SecondaryWindow> m_form5;
    QPointer<SecondaryWindow> m_form6;
    // Every window made, also closed ones whose handler still runs: deleted with the main window.
    QList<QPointer<SecondaryWindow>> m_made;
};

// Connects the menu entries and contact labels of the main window; the Menus object is its child.
Menus *wireMenus(Form1 &form);

} // namespace fendrake
