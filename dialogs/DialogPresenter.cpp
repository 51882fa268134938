#include "DialogPresenter.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace dialogs {
namespace {

DialogPresenter*& Installed()
{
    static DialogPresenter platform;
    static DialogPresenter* current = &platform;
    return current;
}

}  // namespace

int DialogPresenter::ExecModal(QDialog& dialog) { return dialog.exec(); }

void DialogPresenter::ShowMessageBox(QMessageBox::Icon icon, const QString& caption,
                                     const QString& text)
{
    QMessageBox box(icon, caption, text, QMessageBox::Ok, QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

bool DialogPresenter::ExecSaveDialog(SaveFileDialog& dialog)
{
    QFileDialog fileDialog(QApplication::activeWindow());
    fileDialog.setAcceptMode(QFileDialog::AcceptSave);
    fileDialog.setOption(QFileDialog::DontConfirmOverwrite);
    fileDialog.setNameFilters(dialog.Filters);
    fileDialog.selectNameFilter(dialog.Filters.value(dialog.FilterIndex));
    if (!dialog.FileName.isEmpty())
        fileDialog.selectFile(dialog.FileName);
    if (fileDialog.exec() != QDialog::Accepted || fileDialog.selectedFiles().isEmpty())
        return false;
    dialog.FileName = fileDialog.selectedFiles().constFirst();
    dialog.FilterIndex = static_cast<int>(dialog.Filters.indexOf(fileDialog.selectedNameFilter()));
    return true;
}

QStringList DialogPresenter::PrinterNames() { return QPrinterInfo::availablePrinterNames(); }

std::unique_ptr<QPrinter> DialogPresenter::CurrentPrinter() { return std::make_unique<QPrinter>(); }

DialogPresenter& CurrentPresenter() { return *Installed(); }

PresenterScope::PresenterScope(DialogPresenter& presenter)
    : FPrevious(Installed())
{
    Installed() = &presenter;
}

PresenterScope::~PresenterScope() { Installed() = FPrevious; }

}  // namespace dialogs
