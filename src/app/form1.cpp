#include "app/form1.h"

namespace fendrake {

Form1::Form1(QWidget *parent) : QMainWindow(parent)
{
    setWindowTitle(QStringLiteral("Fendrake 4.02"));
}

} // namespace fendrake
