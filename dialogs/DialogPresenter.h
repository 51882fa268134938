#pragma once
// The window system's modal services as the dialogs use them: the modal loop, the message
// box, the save-file dialog and the printers. Tests install their own presenter, so that no
// dialog ever waits for a person and the printer list can be chosen.
#include <QMessageBox>
#include <QString>
#include <QStringList>

#include <memory>

class QDialog;
class QPrinter;

namespace dialogs {

// What a save-file dialog starts from and what the user chose in it.
struct SaveFileDialog {
    QStringList Filters;  // Qt name filters, e.g. "文本文件(*.txt)"
    int FilterIndex = 0;  // 0-based position in Filters
    QString FileName;
};

class DialogPresenter {
public:
    virtual ~DialogPresenter() = default;

    // Shows the dialog modally and returns its result code.
    virtual int ExecModal(QDialog& dialog);
    virtual void ShowMessageBox(QMessageBox::Icon icon, const QString& caption, const QString& text);
    // Lets the user choose a file; false when the user cancels. Fills in FileName and FilterIndex.
    virtual bool ExecSaveDialog(SaveFileDialog& dialog);
    virtual QStringList PrinterNames();
    virtual std::unique_ptr<QPrinter> CurrentPrinter();
};

DialogPresenter& CurrentPresenter();

// Installs a presenter for the life of the scope; the previous one returns afterwards.
class PresenterScope {
public:
    explicit PresenterScope(DialogPresenter& presenter);
    ~PresenterScope();
    PresenterScope(const PresenterScope&) = delete;
    PresenterScope& operator=(const PresenterScope&) = delete;

private:
    DialogPresenter* FPrevious;
};

}  // namespace dialogs
