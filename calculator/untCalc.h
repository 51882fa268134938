#pragma once

#include <QMenu>
#include <QString>
#include <QWidget>

#include <array>
#include <memory>

class QLineEdit;
class TCStyleParser;

namespace Ui {
class TfrmCalc;
}

// The main window: the expression box with its own undo/redo history, the two result
// fields with their copy buttons, and the commands below them.
class TfrmCalc : public QWidget
{
    Q_OBJECT

public:
    // The standard calculator is looked for in programFolder, which ends with a separator.
    explicit TfrmCalc(QString programFolder = ProgramFolder());
    ~TfrmCalc() override;

    // The folder of the running program, with its trailing separator.
    static QString ProgramFolder();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static constexpr int HistorySize = 41;

    void ApplyWindowSettings();
    void ConnectEvents();
    void FormCreate();
    void FormDestroy();

    void ExpressionEditChange();
    void RecordHistory();
    void RestoreHistory();
    bool UndoAvailable() const;
    bool RedoAvailable() const;
    void Undo1Click();
    void Redo1Click();
    void PopupMenu1Popup();
    bool HandleHistoryKey(QEvent* event);

    void FormMouseDown(int X, int Y);
    void FormMouseMove(Qt::MouseButtons Shift, int X, int Y);

    void SpTBXButton1Click();
    void SpTBXButton2Click();
    void SpTBXButton3Click();
    void SpTBXButton4Click();
    void SpTBXButton5Click();
    void SpTBXButton6Click();
    static void CopyField(QLineEdit* field);

    std::unique_ptr<Ui::TfrmCalc> ui;
    QMenu PopupMenu1;
    QString FProgramFolder;
    int FDownX = 0;
    int FDownY = 0;
    std::array<QString, HistorySize> FHistory;
    int FHistoryIndex;
    int FRedoIndex;
    // Keeps every text calculated so far compiled, and the variables assigned in them.
    std::unique_ptr<TCStyleParser> FParser;
};
