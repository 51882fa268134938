// Shows the main window on its own, to look at it.
#include "calculator/untCalc.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    TfrmCalc window;
    window.show();
    return QApplication::exec();
}
