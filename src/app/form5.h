#pragma once

#include "app/secondary_window.h"

#include <memory>

namespace Ui {
class Form5;
}

namespace fendrake {

// The update window: on request reads the update notice page, shows the newest version and its
// update text, and offers the download page when the version differs from ours.
class Form5 : public SecondaryWindow
{
    Q_OBJECT

public:
    explicit Form5(QWidget *parent = nullptr);
    ~Form5() override;

    // The page text of the last check, the newest version cut from it and the cut positions.
    QString NoticePageText;
    QString NewestVersion;
    qint64 MarkPos1 = 0;
    qint64 MarkPos2 = 0;

private slots:
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();

private:
    void Form_Load();

    std::unique_ptr<Ui::Form5> ui;
};

// The product's page on the download site.
QString downloadPageAddress();

} // namespace fendrake
