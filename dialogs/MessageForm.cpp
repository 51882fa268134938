#include "MessageForm.h"

#include "DetailsFile.h"
#include "DetailsPrinting.h"
#include "DialogEx.h"
#include "ToolImages.h"

#include <QAction>
#include <QApplication>
#include <QBoxLayout>
#include <QDir>
#include <QFrame>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QStyleOption>
#include <QToolBar>

namespace dialogs {
namespace {

constexpr int DetailsPaneHeight = 150;

// An 8-pixel gap between tool buttons, drawn as the style's toolbar separator.
class ToolSeparator : public QWidget {
public:
    ToolSeparator()
    {
        setFixedWidth(8);
        setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    }
    QSize sizeHint() const override { return {8, 16}; }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        QStyleOption option;
        option.initFrom(this);
        option.state |= QStyle::State_Horizontal;
        style()->drawPrimitive(QStyle::PE_IndicatorToolBarSeparator, &option, &painter, this);
    }
};

// The image slots in tool button order; the separator's slot repeats HELP. A bitmap that
// fails to load leaves its slot empty, so every other button keeps its own image.
std::vector<QIcon> LoadToolImages()
{
    std::vector<QIcon> images;
    for (const char* name : {"HELP", "HELP", "PRINT", "SAVE", "COPY"}) {
        const QImage image = LoadToolImage(ToolImagePath(name));
        images.push_back(image.isNull() ? QIcon() : QIcon(QPixmap::fromImage(image)));
    }
    return images;
}

void FillWithoutMargins(QWidget* parent, QBoxLayout* layout, std::initializer_list<QWidget*> children)
{
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (QWidget* child : children)
        layout->addWidget(child);
    parent->setLayout(layout);
}

}  // namespace

TMessageForm::TMessageForm(QWidget* owner)
    : QDialog(owner)
    , DetailsPanel(new QFrame(this))
    , ToolStrip(new QFrame(DetailsPanel))
    , DetailsMemo(new QPlainTextEdit(DetailsPanel))
    , ToolImages(LoadToolImages())
    , DetailsToolBar(new QToolBar(ToolStrip))
{
    setFont(QApplication::font("QMessageBox"));

    DetailsPanel->setFrameShape(QFrame::NoFrame);
    DetailsPanel->setGeometry(0, 0, 0, 0);
    ToolStrip->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    ToolStrip->setFixedHeight(23);
    DetailsMemo->setReadOnly(true);
    DetailsMemo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    DetailsMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    DetailsMemo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    FillWithoutMargins(DetailsPanel, new QVBoxLayout, {ToolStrip, DetailsMemo});

    DetailsToolBar->setMovable(false);
    DetailsToolBar->setIconSize(QSize(16, 16));
    DetailsToolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    // The style's own toolbar margins need 31 pixels and would squeeze the images into the
    // 23-pixel strip: flat buttons with a pixel around each image fit it.
    DetailsToolBar->setStyleSheet(QStringLiteral(
        "QToolBar { border: none; padding: 0px; spacing: 0px; }"
        "QToolButton { border: none; padding: 1px; margin: 0px; }"
        "QToolButton:hover { background: palette(midlight); }"
        "QToolButton:pressed { background: palette(mid); }"));
    FillWithoutMargins(ToolStrip, new QHBoxLayout, {DetailsToolBar});

    SaveDialog.Filters = {QStringLiteral("文本文件(*.txt)"), QStringLiteral("所有文件(*.*)")};
    AddToolButtons(DetailsToolBar, {QStringLiteral("帮助"), QStringLiteral("|"), QStringLiteral("打印"),
                                    QStringLiteral("保存"), QStringLiteral("复制")});
}

void TMessageForm::AddToolButtons(QToolBar* toolBar, const QStringList& captions)
{
    for (qsizetype i = 0; i < captions.size(); ++i) {
        QAction* leftmost = toolBar->actions().value(0);
        QAction* button = nullptr;
        if (captions[i] == u"|") {
            button = toolBar->insertWidget(leftmost, new ToolSeparator);
        } else {
            const QIcon image = i < qsizetype(ToolImages.size()) ? ToolImages[i] : QIcon();
            button = new QAction(image, captions[i], toolBar);
            button->setToolTip(captions[i]);
            toolBar->insertAction(leftmost, button);
        }
        connect(button, &QAction::triggered, this, [this, button] { ToolBarButtonClick(button); });
    }
}

void TMessageForm::ToolBarButtonClick(QAction* button)
{
    switch (DetailsToolBar->actions().indexOf(button)) {
    case 0:
        CopyDetails();
        break;
    case 1:
        SaveDetails();
        break;
    case 2:
        PrintDetails();
        break;
    case 4:
        HintBox(QStringLiteral("点击工具栏上相应的按钮就可以将详细的错误信息\r\n"
                               "复制到剪贴板、保存到文件或者直接打印输出。"));
        break;
    default:
        break;
    }
}

// No help file or topic is ever set, so there is nothing to show.
void TMessageForm::HelpClick() {}

void TMessageForm::DetailsClick(QPushButton* button)
{
    FDetailsExpanded = !FDetailsExpanded;
    button->setText(DetailsCaption(FDetailsExpanded));
    setFixedHeight(height() + (FDetailsExpanded ? DetailsPaneHeight : -DetailsPaneHeight));
}

void TMessageForm::SetCancelButton(QPushButton* button) { FCancelButton = button; }

void TMessageForm::reject()
{
    if (FCancelButton)
        FCancelButton->click();
    else
        done(DialogButtonResult(dbCancel));
}

void TMessageForm::CopyDetails()
{
    DetailsMemo->selectAll();
    DetailsMemo->copy();
}

void TMessageForm::SaveDetails()
{
    if (!CurrentPresenter().ExecSaveDialog(SaveDialog))
        return;
    // The text filter supplies its extension only to a path with no dot anywhere in it.
    if (SaveDialog.FilterIndex == 0 && !SaveDialog.FileName.contains(u'.'))
        SaveDialog.FileName += QStringLiteral(".txt");
    if (const auto reason = WriteTextFile(SaveDialog.FileName, DetailsMemo->toPlainText()))
        ErrorBox(QStringLiteral("无法保存文件“%1”：%2")
                     .arg(QDir::toNativeSeparators(SaveDialog.FileName), *reason));
}

void TMessageForm::PrintDetails()
{
    if (CurrentPresenter().PrinterNames().isEmpty()) {
        ErrorBox(QStringLiteral("检测不到打印机，请先安装打印机再打印。"));
        return;
    }
    const auto printer = CurrentPresenter().CurrentPrinter();
    if (!PrintLines(*printer, DetailsMemo->font(), DisplayedLines(*DetailsMemo)))
        ErrorBox(QStringLiteral("打印失败，详细信息没有打印出来。"));
}

}  // namespace dialogs
