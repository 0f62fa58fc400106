#pragma once

#include <QPushButton>

namespace fendrake {

// A push button in the designs' graphical style: its picture above a caption that wraps in the button's width.
class PictureButton : public QPushButton
{
    Q_OBJECT

public:
    explicit PictureButton(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace fendrake
