// The program's start-up sequence, ended as soon as the main window has painted its first
// frame: it writes "shown" to its standard output then, and closes the window.
//   startup_probe <program folder>
#include "startup/ProgramEntry.h"
#include "startup/SharedReferences.h"

#include "calculator/untCalc.h"

#include <QEvent>
#include <QTimer>

#include <iostream>

namespace {

// Reports the first paint of the watched window, once it is done, and closes the window.
class FirstFrameWatch : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !FSeen) {
            FSeen = true;
            QTimer::singleShot(0, watched, [window = static_cast<QWidget*>(watched)] {
                std::cout << "shown" << std::endl;
                window->close();
            });
        }
        return false;
    }

private:
    bool FSeen = false;
};

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: startup_probe <program folder>\n";
        return 2;
    }
    FirstFrameWatch watch;
    return startup::RunProgram({
        .ExeName = QString::fromLocal8Bit(argv[1]) + QStringLiteral("/moneycalc"),
        .MainFormShown = [&watch] { frmCalc->installEventFilter(&watch); },
    });
}
