#pragma once
// While termination is pending, every modal dialog closes at once without waiting for the
// user; otherwise the presenter that was installed before shows it.
#include "dialogs/DialogPresenter.h"

class TApplication;

class TerminationPresenter : public dialogs::DialogPresenter {
public:
    explicit TerminationPresenter(const TApplication& application);

    int ExecModal(QDialog& dialog) override;
    void ShowMessageBox(QMessageBox::Icon icon, const QString& caption, const QString& text) override;
    bool ExecSaveDialog(dialogs::SaveFileDialog& dialog) override;
    QStringList PrinterNames() override;
    std::unique_ptr<QPrinter> CurrentPrinter() override;

private:
    const TApplication& FApplication;
    dialogs::DialogPresenter& FPrevious;
    dialogs::PresenterScope FScope{*this};
};
