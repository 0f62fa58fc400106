#pragma once

#include "app/secondary_window.h"

#include <memory>

namespace Ui {
class Form2;
}

namespace fendrake {

// The about window: product, version, notice and the installed components.
class Form2 : public SecondaryWindow
{
    Q_OBJECT

public:
    explicit Form2(QWidget *parent = nullptr);
    ~Form2() override;

private slots:
    void Command1_Click();

private:
    void Form_Load();

    std::unique_ptr<Ui::Form2> ui;
};

} // namespace fendrake
