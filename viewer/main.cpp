// Zeroplot: shows the zeros in "root.bin" of the current directory in the z-plane.
#include "CZeroplotApp.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName("Zeroplot");
    CZeroplotApp app;
    if (!app.InitInstance(QApplication::arguments().mid(1)))
        return 1;
    return QApplication::exec();
}
