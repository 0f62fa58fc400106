#pragma once

#include "app/secondary_window.h"

#include <memory>

namespace Ui {
class Form6;
}

namespace fendrake {

// The fault-detection window: one run per opening through a fixed list of checks of the program's
// surroundings, one result line each. It only reports; nothing is repaired.
class Form6 : public SecondaryWindow
{
    Q_OBJECT

public:
    explicit Form6(QWidget *parent = nullptr);
    ~Form6() override;

    // The update notice page's text of the version step and the cut positions in it.
    QString NoticePageText;
    qint64 MarkPos1 = 0;
    qint64 MarkPos2 = 0;

private slots:
    void Command1_Click();
    void Command2_Click();

private:
    QString checkNewestVersion();

    std::unique_ptr<Ui::Form6> ui;
};

} // namespace fendrake
