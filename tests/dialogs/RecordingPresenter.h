#pragma once
// A presenter that answers every modal request at once and records what was asked, so no
// test waits for a person. It is installed for its own lifetime.
#include "dialogs/DialogPresenter.h"

#include <QDialog>
#include <QPrinter>

#include <functional>
#include <optional>
#include <vector>

class RecordingPresenter : public dialogs::DialogPresenter {
public:
    struct MessageBoxCall {
        QMessageBox::Icon Icon;
        QString Caption;
        QString Text;
    };

    // Runs the modal dialog; by default it is closed at once with result 0.
    std::function<int(QDialog&)> OnModal = [](QDialog&) { return 0; };
    // The user's choice in the save dialog; none means the user cancels.
    std::optional<dialogs::SaveFileDialog> SaveChoice;
    QStringList Printers;
    std::function<std::unique_ptr<QPrinter>()> MakePrinter = [] { return std::make_unique<QPrinter>(); };

    std::vector<MessageBoxCall> MessageBoxes;
    std::vector<dialogs::SaveFileDialog> SaveDialogsOffered;
    int PrintersRequested = 0;

    int ExecModal(QDialog& dialog) override { return OnModal(dialog); }

    void ShowMessageBox(QMessageBox::Icon icon, const QString& caption, const QString& text) override
    {
        MessageBoxes.push_back({icon, caption, text});
    }

    bool ExecSaveDialog(dialogs::SaveFileDialog& dialog) override
    {
        SaveDialogsOffered.push_back(dialog);
        if (!SaveChoice)
            return false;
        dialog.FileName = SaveChoice->FileName;
        dialog.FilterIndex = SaveChoice->FilterIndex;
        return true;
    }

    QStringList PrinterNames() override { return Printers; }

    std::unique_ptr<QPrinter> CurrentPrinter() override
    {
        ++PrintersRequested;
        return MakePrinter();
    }

private:
    dialogs::PresenterScope FScope{*this};
};
