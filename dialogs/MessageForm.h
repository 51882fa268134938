#pragma once
// The extended message dialog: message, buttons and a details pane with a memo and a
// toolbar that copies, saves and prints the details text.
#include "DialogPresenter.h"

#include <QDialog>
#include <QIcon>
#include <QStringList>

#include <vector>

class QAction;
class QFrame;
class QPlainTextEdit;
class QPushButton;
class QToolBar;

namespace dialogs {

class TMessageForm : public QDialog {
    Q_OBJECT

public:
    explicit TMessageForm(QWidget* owner = nullptr);

    // Created in this order and owned by the form.
    QFrame* const DetailsPanel;
    QFrame* const ToolStrip;
    QPlainTextEdit* const DetailsMemo;
    const std::vector<QIcon> ToolImages;  // slot i belongs to the i-th tool button added
    SaveFileDialog SaveDialog;
    QToolBar* const DetailsToolBar;

    // Puts each caption's button at the left end of the toolbar, so the last comes first.
    void AddToolButtons(QToolBar* toolBar, const QStringList& captions);
    void ToolBarButtonClick(QAction* button);
    void HelpClick();
    void DetailsClick(QPushButton* button);

    // The button that Escape and the window's close box press.
    void SetCancelButton(QPushButton* button);
    void reject() override;

private:
    void CopyDetails();
    void SaveDetails();
    void PrintDetails();

    bool FDetailsExpanded = false;
    QPushButton* FCancelButton = nullptr;
};

}  // namespace dialogs
