#include "app/fonts.h"
#include "app/form1.h"
#include "app/form4.h"
#include "app/program_end.h"
#include "app/single_instance.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    fendrake::installFontSubstitutions();
    // Every end of the run is explicit: neither the splash going away nor a secondary window
    // closing ends it.
    QApplication::setQuitOnLastWindowClosed(false);
    fendrake::SingleInstance instance;
    fendrake::installProcessEnd();
    {
        fendrake::Form4 splash;
        if (!splash.Form_Initialize())
            return 0;
    }
    fendrake::Form1 window;
    if (window.isSecondCopy())
        return 0;
    window.show();
    return app.exec();
}
