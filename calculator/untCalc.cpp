#include "calculator/untCalc.h"

#include "ui_untCalc.h"

#include "calculator/Calculate.h"
#include "dialogs/DialogEx.h"
#include "engine/CStyleParser.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QProcess>
#include <QScreen>
#include <QSignalBlocker>
#include <QStyle>
#include <QWindow>

#include <utility>

namespace {

// 宋体 at a 12-pixel character height; where it is not installed, fontconfig picks the
// substitute that covers the Chinese glyphs.
QFont WindowFont()
{
    QFont font(QStringLiteral("宋体"));
    font.setPixelSize(12);
    return font;
}

// Button-face background and black text; disabled controls keep their greyed look.
QPalette WindowPalette(QPalette palette)
{
    palette.setColor(QPalette::Window, palette.color(QPalette::Button));
    for (const auto group : {QPalette::Active, QPalette::Inactive})
        for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            palette.setColor(group, role, Qt::black);
    return palette;
}

void ShowOnTooltipBackground(QLineEdit* field)
{
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::ToolTipBase));
    field->setPalette(palette);
}

void ShowReport(const calculator::TCalculation& calculation)
{
    const QString message = QString::fromStdString(calculation.Message);
    switch (calculation.Report) {
    case calculator::TReportKind::None:
        break;
    case calculator::TReportKind::Warning:
        dialogs::ShowWarning(message);
        break;
    case calculator::TReportKind::Error:
        dialogs::ShowErrorDetails(message, QString::fromStdString(calculation.Details));
        break;
    }
}

}  // namespace

TfrmCalc::TfrmCalc(QString programFolder)
    : ui(std::make_unique<Ui::TfrmCalc>()), PopupMenu1(this),
      FProgramFolder(std::move(programFolder))
{
    ui->setupUi(this);
    ApplyWindowSettings();
    FormCreate();
    ConnectEvents();
}

TfrmCalc::~TfrmCalc()
{
    FormDestroy();
}

QString TfrmCalc::ProgramFolder()
{
    return QCoreApplication::applicationDirPath() + QLatin1Char('/');
}

void TfrmCalc::ApplyWindowSettings()
{
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint);
    setFont(WindowFont());
    setPalette(WindowPalette(palette()));
    ShowOnTooltipBackground(ui->ResultEdit);
    ShowOnTooltipBackground(ui->ResultEditUpCase);
    // A press on the caption must not start dragging the window.
    ui->Label1->setAttribute(Qt::WA_NoMousePropagation);
    setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(),
                                    screen()->geometry()));
}

void TfrmCalc::ConnectEvents()
{
    connect(ui->ExpressionEdit, &QPlainTextEdit::textChanged, this,
            &TfrmCalc::ExpressionEditChange);
    ui->ExpressionEdit->installEventFilter(this);
    // The pane's own menu would offer its built-in undo; ours offers the history instead.
    connect(ui->ExpressionEdit, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) {
                PopupMenu1.popup(ui->ExpressionEdit->viewport()->mapToGlobal(at));
            });

    PopupMenu1.setObjectName(QStringLiteral("PopupMenu1"));
    PopupMenu1.addActions({ui->Undo1, ui->Redo1});
    connect(&PopupMenu1, &QMenu::aboutToShow, this, &TfrmCalc::PopupMenu1Popup);
    connect(ui->Undo1, &QAction::triggered, this, &TfrmCalc::Undo1Click);
    connect(ui->Redo1, &QAction::triggered, this, &TfrmCalc::Redo1Click);

    connect(ui->SpTBXButton1, &QPushButton::clicked, this, &TfrmCalc::SpTBXButton1Click);
    connect(ui->SpTBXButton2, &QPushButton::clicked, this, &TfrmCalc::SpTBXButton2Click);
    connect(ui->SpTBXButton3, &QPushButton::clicked, this, &TfrmCalc::SpTBXButton3Click);
    connect(ui->SpTBXButton4, &QPushButton::clicked, this, &TfrmCalc::SpTBXButton4Click);
    connect(ui->SpTBXButton5, &QPushButton::clicked, this, &TfrmCalc::SpTBXButton5Click);
    connect(ui->SpTBXButton6, &QPushButton::clicked, this, &TfrmCalc::SpTBXButton6Click);
}

// The parser starts in the C-like dialect; the window calculates in the standard one.
void TfrmCalc::FormCreate()
{
    FHistoryIndex = -1;
    FRedoIndex = -1;
    FParser = TCustomExpressionParser::Create<TCStyleParser>();
    FParser->SetCStyle(false);
}

void TfrmCalc::FormDestroy()
{
    FParser.reset();
}

void TfrmCalc::ExpressionEditChange()
{
    RecordHistory();
}

// Compares with the entry before the current one, so that deleting what was just typed
// returns to that entry without recording it again.
void TfrmCalc::RecordHistory()
{
    FRedoIndex = -1;
    const QString text = ui->ExpressionEdit->toPlainText();
    if (FHistoryIndex > 0 && text == FHistory[FHistoryIndex - 1])
        return;
    FHistoryIndex = (FHistoryIndex + 1) % HistorySize;
    FHistory[FHistoryIndex] = text;
}

void TfrmCalc::RestoreHistory()
{
    const QSignalBlocker unrecorded(ui->ExpressionEdit);
    ui->ExpressionEdit->setPlainText(FHistory[FHistoryIndex]);
    ui->ExpressionEdit->moveCursor(QTextCursor::End);
}

bool TfrmCalc::UndoAvailable() const
{
    return FHistoryIndex != -1;
}

bool TfrmCalc::RedoAvailable() const
{
    return FRedoIndex != -1 && FRedoIndex != FHistoryIndex;
}

// Undo has no lower bound: it walks on backwards around the ring.
void TfrmCalc::Undo1Click()
{
    if (!UndoAvailable())
        return;
    if (FRedoIndex == -1)
        FRedoIndex = FHistoryIndex;
    FHistoryIndex = (FHistoryIndex + HistorySize - 1) % HistorySize;
    RestoreHistory();
}

void TfrmCalc::Redo1Click()
{
    if (!RedoAvailable())
        return;
    FHistoryIndex = (FHistoryIndex + 1) % HistorySize;
    RestoreHistory();
}

void TfrmCalc::PopupMenu1Popup()
{
    ui->Undo1->setEnabled(UndoAvailable());
    ui->Redo1->setEnabled(RedoAvailable());
}

bool TfrmCalc::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ui->ExpressionEdit && HandleHistoryKey(event))
        return true;
    return QWidget::eventFilter(watched, event);
}

// The box's undo and redo keys belong to the history, and are consumed even when there is
// nothing to undo or redo, so that no other shortcut answers them.
bool TfrmCalc::HandleHistoryKey(QEvent* event)
{
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride)
        return false;
    const QKeySequence key(static_cast<QKeyEvent*>(event)->keyCombination());
    const bool undo = key == ui->Undo1->shortcut();
    if (!undo && key != ui->Redo1->shortcut())
        return false;
    if (event->type() == QEvent::KeyPress)
        undo ? Undo1Click() : Redo1Click();
    event->accept();
    return true;
}

void TfrmCalc::mousePressEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    FormMouseDown(at.x(), at.y());
}

void TfrmCalc::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    FormMouseMove(event->buttons(), at.x(), at.y());
}

// The window system moves the window with the pointer where it can; FormMouseMove
// follows the pointer where it cannot.
void TfrmCalc::FormMouseDown(int X, int Y)
{
    FDownX = X;
    FDownY = Y;
    if (QWindow* window = windowHandle())
        window->startSystemMove();
}

void TfrmCalc::FormMouseMove(Qt::MouseButtons Shift, int X, int Y)
{
    if (Shift.testFlag(Qt::LeftButton))
        move(x() + X - FDownX, y() + Y - FDownY);
}

void TfrmCalc::SpTBXButton1Click()
{
    CopyField(ui->ResultEdit);
}

void TfrmCalc::SpTBXButton2Click()
{
    CopyField(ui->ResultEditUpCase);
}

void TfrmCalc::CopyField(QLineEdit* field)
{
    field->selectAll();
    field->copy();
}

// A field changes only once its text was formed, so a failed step leaves the earlier result.
void TfrmCalc::SpTBXButton3Click()
{
    const calculator::TCalculation calculation =
        calculator::Calculate(*FParser, ui->ExpressionEdit->toPlainText().toStdString());
    if (calculation.ResultText)
        ui->ResultEdit->setText(QString::fromStdString(*calculation.ResultText));
    if (calculation.UpCaseText)
        ui->ResultEditUpCase->setText(QString::fromStdString(*calculation.UpCaseText));
    ShowReport(calculation);
}

void TfrmCalc::SpTBXButton4Click()
{
    // Emptying an empty box is no change, and must not reset the redo mark.
    if (!ui->ExpressionEdit->toPlainText().isEmpty())
        ui->ExpressionEdit->clear();
    ui->ResultEdit->clear();
    ui->ResultEditUpCase->clear();
    ui->ExpressionEdit->setFocus(Qt::OtherFocusReason);
}

// Whatever lies at calc.exe in the program folder is started; a missing or failing one
// shows nothing.
void TfrmCalc::SpTBXButton5Click()
{
    QProcess::startDetached(FProgramFolder + QStringLiteral("calc.exe"));
}

void TfrmCalc::SpTBXButton6Click()
{
    close();
}
