// The program's start-up sequence, ended as soon as the main window has painted its first
// frame, or with "calculate" as soon as the window's 计算 has then finished on the example
// expression. It writes "shown" or "calculated" to its standard output at that moment
// ("failed" when the results are not the expected ones), and closes the window.
//   startup_probe <program folder> [calculate]
#include "startup/ProgramEntry.h"
#include "startup/SharedReferences.h"

#include "calculator/untCalc.h"
#include "dialogs/DialogPresenter.h"

#include <QEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include <functional>
#include <iostream>
#include <string_view>

namespace {

// Runs the finish once, after the first paint of the watched window is done, then closes it.
class FirstFrameWatch : public QObject {
public:
    explicit FirstFrameWatch(std::function<void(QWidget&)> finish) : FFinish(std::move(finish)) {}

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !FSeen) {
            FSeen = true;
            QTimer::singleShot(0, watched, [this, window = static_cast<QWidget*>(watched)] {
                FFinish(*window);
                window->close();
            });
        }
        return false;
    }

private:
    std::function<void(QWidget&)> FFinish;
    bool FSeen = false;
};

// No dialog waits for a person: a failed start-up or calculation shows in the probe's output
// and exit status instead.
class NoWaitingPresenter : public dialogs::DialogPresenter {
public:
    int ExecModal(QDialog&) override { return 0; }
    void ShowMessageBox(QMessageBox::Icon, const QString&, const QString&) override {}
};

void ReportShown(QWidget&)
{
    std::cout << "shown" << std::endl;
}

void CalculateExample(QWidget& window)
{
    window.findChild<QPlainTextEdit*>(QStringLiteral("ExpressionEdit"))
        ->setPlainText(QStringLiteral("(1000*3)-(100-3)*3/2"));
    window.findChild<QPushButton*>(QStringLiteral("SpTBXButton3"))->click();
    const bool expected =
        window.findChild<QLineEdit*>(QStringLiteral("ResultEdit"))->text() == "2854.50"
        && window.findChild<QLineEdit*>(QStringLiteral("ResultEditUpCase"))->text()
               == "贰仟捌佰伍拾肆元伍角";
    std::cout << (expected ? "calculated" : "failed") << std::endl;
}

}  // namespace

int main(int argc, char** argv)
{
    const bool calculate = argc == 3 && std::string_view(argv[2]) == "calculate";
    if (argc != 2 && !calculate) {
        std::cerr << "usage: startup_probe <program folder> [calculate]\n";
        return 2;
    }
    NoWaitingPresenter presenter;
    const dialogs::PresenterScope noWaiting(presenter);
    FirstFrameWatch watch(calculate ? CalculateExample : ReportShown);
    return startup::RunProgram({
        .ExeName = QString::fromLocal8Bit(argv[1]) + QStringLiteral("/moneycalc"),
        .MainFormShown = [&watch] { frmCalc->installEventFilter(&watch); },
    });
}
