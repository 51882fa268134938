// Shows the calculation error dialog for a look at it; "warning" shows the empty-input
// warning instead. Not installed: it is a tool for looking at the dialog on a display.
#include "dialogs/DialogEx.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (app.arguments().contains(QStringLiteral("warning"))) {
        dialogs::ShowWarning(QStringLiteral("请输入表达式。"));
        return 0;
    }
    dialogs::ShowErrorDetails(QStringLiteral("计算错误，请仔细检查表达式输入是否正确。"),
                              QStringLiteral("Error in math expression: unknown identifier \"x\" "
                                             "at position 7\n表达式：(1000*3)-(100-3)*x/2"));
    return 0;
}
