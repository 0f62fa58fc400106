#include "app/fonts.h"
#include "app/form1.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    fendrake::installFontSubstitutions();
    fendrake::Form1 window;
    window.show();
    return app.exec();
}
