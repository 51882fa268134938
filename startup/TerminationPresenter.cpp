#include "startup/TerminationPresenter.h"

#include "startup/Application.h"

#include <QDialog>
#include <QPrinter>

TerminationPresenter::TerminationPresenter(const TApplication& application)
    : FApplication(application), FPrevious(dialogs::CurrentPresenter())
{
}

int TerminationPresenter::ExecModal(QDialog& dialog)
{
    if (FApplication.Terminated())
        return QDialog::Rejected;
    return FPrevious.ExecModal(dialog);
}

void TerminationPresenter::ShowMessageBox(QMessageBox::Icon icon, const QString& caption,
                                          const QString& text)
{
    if (!FApplication.Terminated())
        FPrevious.ShowMessageBox(icon, caption, text);
}

bool TerminationPresenter::ExecSaveDialog(dialogs::SaveFileDialog& dialog)
{
    return !FApplication.Terminated() && FPrevious.ExecSaveDialog(dialog);
}

QStringList TerminationPresenter::PrinterNames() { return FPrevious.PrinterNames(); }

std::unique_ptr<QPrinter> TerminationPresenter::CurrentPrinter() { return FPrevious.CurrentPrinter(); }
