#pragma once

#include <QMainWindow>

namespace fendrake {

// The main window: levels, check buttons and the fifteen query panels.
class Form1 : public QMainWindow
{
    Q_OBJECT

public:
    explicit Form1(QWidget *parent = nullptr);
};

} // namespace fendrake
