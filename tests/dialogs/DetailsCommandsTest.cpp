#include "dialogs/DetailsPrinting.h"
#include "dialogs/DialogEx.h"
#include "dialogs/ToolImages.h"

#include "RecordingPresenter.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTimer>
#include <QToolBar>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

namespace {

using namespace dialogs;
using testing::HasSubstr;

// The toolbar's positions, left to right.
enum ToolPosition { CopyPosition, SavePosition, PrintPosition, SeparatorPosition, HelpPosition };

const QString Details = QStringLiteral("Error in math expression: 第 7 个字符处缺少 \")\"\n\t下一行 ¥1,000.50");

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(bytes);
}

std::string Utf8(const QString& text) { return text.toStdString(); }

class DetailsCommands : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(Folder.isValid());
        ASSERT_FALSE(Folder.path().contains(u'.')) << "the .txt rule needs a dot-free folder";
    }

    void Press(int position) { Form->DetailsToolBar->actions().at(position)->trigger(); }
    QString InFolder(const QString& name) const { return Folder.filePath(name); }
    void ChooseFile(const QString& name, int filterIndex)
    {
        SaveFileDialog choice;
        choice.FilterIndex = filterIndex;
        choice.FileName = InFolder(name);
        Presenter.SaveChoice = choice;
    }
    // One printer installed, whose jobs go to the PDF file.
    void PrintToPdf(const QString& pdf)
    {
        Presenter.Printers = {QStringLiteral("Office")};
        Presenter.MakePrinter = [pdf] {
            auto printer = std::make_unique<QPrinter>();
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(pdf);
            return printer;
        };
    }
    void ExpectOneErrorBox(const QString& text)
    {
        ASSERT_EQ(Presenter.MessageBoxes.size(), 1u);
        EXPECT_EQ(Presenter.MessageBoxes[0].Icon, QMessageBox::Critical);
        EXPECT_EQ(Presenter.MessageBoxes[0].Caption, QStringLiteral("错误!"));
        EXPECT_THAT(Utf8(Presenter.MessageBoxes[0].Text), HasSubstr(Utf8(text)));
    }

    RecordingPresenter Presenter;
    QTemporaryDir Folder{QDir::tempPath() + QStringLiteral("/dialog-details-XXXXXX")};
    std::unique_ptr<TMessageForm> Form =
        BuildMessageForm(QStringLiteral("计算错误，请仔细检查表达式输入是否正确。"), Details, dkError,
                         {dbOK, dbDetails});
};

TEST_F(DetailsCommands, ToolbarReadsCopySaveSeparatorPrintHelpWithTheirImages)
{
    struct Expected {
        const char* Hint;
        const char* Image;
    };
    const Expected expected[] = {{"复制", "COPY"}, {"保存", "SAVE"}, {"打印", "PRINT"}, {nullptr, nullptr}, {"帮助", "HELP"}};
    const QList<QAction*> actions = Form->DetailsToolBar->actions();
    ASSERT_EQ(actions.size(), 5);
    for (int position = 0; position < 5; ++position) {
        QAction* action = actions[position];
        if (!expected[position].Hint) {
            EXPECT_EQ(Form->DetailsToolBar->widgetForAction(action)->width(), 8);
            continue;
        }
        EXPECT_EQ(action->toolTip(), QString::fromUtf8(expected[position].Hint)) << position;
        EXPECT_EQ(action->icon().pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32),
                  LoadToolImage(ToolImagePath(expected[position].Image)))
            << position;
    }
}

// The 16 x 16 images must not be squeezed to fit the 23-pixel strip.
TEST_F(DetailsCommands, ToolButtonsShowTheirImagesWholeInsideTheStrip)
{
    Form->show();
    QApplication::processEvents();
    EXPECT_EQ(Form->ToolStrip->height(), 23);
    const QRect strip = Form->ToolStrip->contentsRect();
    for (QAction* action : Form->DetailsToolBar->actions()) {
        QWidget* button = Form->DetailsToolBar->widgetForAction(action);
        const QRect inStrip(button->mapTo(Form->ToolStrip, QPoint(0, 0)), button->size());
        EXPECT_TRUE(strip.contains(inStrip)) << action->toolTip().toStdString();
        if (!action->icon().isNull())
            EXPECT_GE(button->height(), 16 + 2) << action->toolTip().toStdString();
    }
}

TEST_F(DetailsCommands, CopyPutsTheExactDetailsOnTheClipboardAndSelectsThemAll)
{
    QGuiApplication::clipboard()->clear();
    Press(CopyPosition);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), Details);
    const QTextCursor selection = Form->DetailsMemo->textCursor();
    EXPECT_EQ(selection.selectionStart(), 0);
    EXPECT_EQ(selection.selectionEnd(), Form->DetailsMemo->document()->characterCount() - 1);
}

TEST_F(DetailsCommands, SaveOffersBothFiltersTextFirst)
{
    Press(SavePosition);
    ASSERT_EQ(Presenter.SaveDialogsOffered.size(), 1u);
    const SaveFileDialog& offered = Presenter.SaveDialogsOffered[0];
    EXPECT_EQ(offered.Filters, QStringList({QStringLiteral("文本文件(*.txt)"), QStringLiteral("所有文件(*.*)")}));
    EXPECT_EQ(offered.FilterIndex, 0);
    EXPECT_TRUE(offered.FileName.isEmpty());
    EXPECT_TRUE(QDir(Folder.path()).isEmpty()) << "a cancelled save writes nothing";
    EXPECT_TRUE(Presenter.MessageBoxes.empty());
}

struct SaveCase {
    const char* Chosen;
    int FilterIndex;
    const char* Written;
};

void PrintTo(const SaveCase& c, std::ostream* out)
{
    *out << c.Chosen << " with filter " << c.FilterIndex << " as " << c.Written;
}

class DetailsSave : public DetailsCommands, public testing::WithParamInterface<SaveCase> {};

TEST_P(DetailsSave, WritesTheExactTextUnderTheRuleOfTheTextFilter)
{
    ASSERT_TRUE(QDir(Folder.path()).mkdir(QStringLiteral("my.folder")));
    ChooseFile(QString::fromUtf8(GetParam().Chosen), GetParam().FilterIndex);
    Press(SavePosition);

    const QString written = InFolder(QString::fromUtf8(GetParam().Written));
    EXPECT_EQ(ReadFile(written), Details.toUtf8()) << "UTF-8, no byte-order mark, nothing added";
    EXPECT_TRUE(Presenter.MessageBoxes.empty());
    QStringList files;
    for (const QString& dir : {QString(), QStringLiteral("my.folder")})
        for (const QString& name : QDir(InFolder(dir)).entryList(QDir::Files))
            files << (dir.isEmpty() ? name : dir + u'/' + name);
    EXPECT_EQ(files, QStringList{QString::fromUtf8(GetParam().Written)});

    Presenter.SaveChoice.reset();
    Press(SavePosition);
    EXPECT_EQ(Presenter.SaveDialogsOffered.back().FileName, written) << "the dialog keeps the name";
}

INSTANTIATE_TEST_SUITE_P(Names, DetailsSave,
                         testing::Values(SaveCase{"report", 0, "report.txt"},
                                         SaveCase{"report.log", 0, "report.log"},
                                         SaveCase{"my.folder/report", 0, "my.folder/report"},
                                         SaveCase{"report", 1, "report"}));

TEST_F(DetailsCommands, UnwritablePathIsReportedAndTheDialogStaysOpen)
{
    WriteFile(InFolder("plain"), "a file, not a folder");
    ASSERT_TRUE(QDir(Folder.path()).mkpath(QStringLiteral("report.txt/inside")));
    Form->show();

    for (const char* chosen : {"plain/report.txt", "report.txt"}) {
        Presenter.MessageBoxes.clear();
        ChooseFile(QString::fromUtf8(chosen), 0);
        Press(SavePosition);
        ExpectOneErrorBox(QDir::toNativeSeparators(InFolder(chosen)));
        EXPECT_THAT(Utf8(Presenter.MessageBoxes[0].Text), testing::MatchesRegex(".*：.+"))
            << "the system's reason follows the name";
        EXPECT_TRUE(Form->isVisible());
    }
    EXPECT_EQ(ReadFile(InFolder("plain")), "a file, not a folder");
    EXPECT_TRUE(QFileInfo(InFolder("report.txt/inside")).isDir());
    EXPECT_EQ(QDir(Folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList({"plain", "report.txt"}));
}

// Caps the size of files this process writes, as a full disk would; root is bound by it too.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &FSaved);
        FSavedHandler = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{bytes, FSaved.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &FSaved);
        std::signal(SIGXFSZ, FSavedHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit FSaved{};
    void (*FSavedHandler)(int) = nullptr;
};

TEST_F(DetailsCommands, FailedWriteLeavesTheExistingFileWhole)
{
    WriteFile(InFolder("report.txt"), "old contents");
    ChooseFile(QStringLiteral("report.txt"), 0);
    {
        const FileSizeLimit limit(4);
        Press(SavePosition);
    }
    ExpectOneErrorBox(QDir::toNativeSeparators(InFolder("report.txt")));
    EXPECT_EQ(ReadFile(InFolder("report.txt")), "old contents");
    EXPECT_EQ(QDir(Folder.path()).entryList(QDir::Files), QStringList{"report.txt"}) << "no partial file remains";
}

TEST_F(DetailsCommands, PrintWithoutPrintersReportsItAndStartsNoJob)
{
    Press(PrintPosition);
    ExpectOneErrorBox(QStringLiteral("检测不到打印机，请先安装打印机再打印。"));
    EXPECT_EQ(Presenter.MessageBoxes[0].Text, QStringLiteral("检测不到打印机，请先安装打印机再打印。"));
    EXPECT_EQ(Presenter.PrintersRequested, 0);
}

int PdfPageCount(const QByteArray& pdf) { return int(pdf.count("/Type /Page\n")); }

TEST_F(DetailsCommands, PrintWritesTheLinesThroughTheCurrentPrinter)
{
    const QString pdf = InFolder("details.pdf");
    PrintToPdf(pdf);
    Press(PrintPosition);
    EXPECT_TRUE(Presenter.MessageBoxes.empty());
    EXPECT_EQ(Presenter.PrintersRequested, 1);
    EXPECT_TRUE(ReadFile(pdf).startsWith("%PDF-"));
    EXPECT_EQ(PdfPageCount(ReadFile(pdf)), 1);

    Form->DetailsMemo->setPlainText(QStringLiteral("一行\n").repeated(300));
    Press(PrintPosition);
    EXPECT_GE(PdfPageCount(ReadFile(pdf)), 2) << "a full page continues on the next";
}

TEST_F(DetailsCommands, PrintJobThatCannotStartIsReported)
{
    WriteFile(InFolder("plain"), "a file, not a folder");
    const QString pdf = InFolder("plain/details.pdf");
    PrintToPdf(pdf);
    Press(PrintPosition);
    ExpectOneErrorBox(QStringLiteral("打印失败，详细信息没有打印出来。"));
}

TEST_F(DetailsCommands, PrintedLinesAreTheLinesTheMemoShows)
{
    const QString paragraph = QStringLiteral("Error in math expression: ").repeated(12);
    Form->DetailsMemo->setPlainText(QStringLiteral("short\n\n") + paragraph);
    Form->findChild<QPushButton*>("Details")->click();
    Form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Form.get()));

    const QStringList lines = DisplayedLines(*Form->DetailsMemo);
    ASSERT_GE(lines.size(), 4) << "the long paragraph wraps";
    EXPECT_EQ(lines[0], QStringLiteral("short"));
    EXPECT_EQ(lines[1], QString());
    EXPECT_EQ(lines.mid(2).join(QString()), paragraph);
}

TEST_F(DetailsCommands, HelpExplainsTheToolbarAndTheSeparatorDoesNothing)
{
    Press(SeparatorPosition);
    EXPECT_TRUE(Presenter.MessageBoxes.empty());

    Press(HelpPosition);
    ASSERT_EQ(Presenter.MessageBoxes.size(), 1u);
    EXPECT_EQ(Presenter.MessageBoxes[0].Icon, QMessageBox::Information);
    EXPECT_EQ(Presenter.MessageBoxes[0].Caption, QStringLiteral("提示!"));
    EXPECT_EQ(Presenter.MessageBoxes[0].Text,
              QStringLiteral("点击工具栏上相应的按钮就可以将详细的错误信息\r\n复制到剪贴板、保存到文件或者直接打印输出。"));
}

TEST(PlatformPresenter, SaveDialogOffersTheFiltersAndReturnsTheChoice)
{
    DialogPresenter platform;
    QTemporaryDir folder;
    SaveFileDialog dialog;
    dialog.Filters = {QStringLiteral("文本文件(*.txt)"), QStringLiteral("所有文件(*.*)")};
    QStringList offeredFilters;
    QString offeredFilter;
    QTimer::singleShot(0, [&] {
        auto* fileDialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!fileDialog) {
            ADD_FAILURE() << "no file dialog is shown";
            if (auto* other = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                other->reject();
            return;
        }
        offeredFilters = fileDialog->nameFilters();
        offeredFilter = fileDialog->selectedNameFilter();
        fileDialog->selectNameFilter(offeredFilters.value(1));
        fileDialog->selectFile(folder.filePath(QStringLiteral("notes")));
        static_cast<QDialog*>(fileDialog)->accept();
    });

    ASSERT_TRUE(platform.ExecSaveDialog(dialog));
    EXPECT_EQ(offeredFilters, dialog.Filters);
    EXPECT_EQ(offeredFilter, QStringLiteral("文本文件(*.txt)"));
    EXPECT_EQ(dialog.FileName, folder.filePath(QStringLiteral("notes")));
    EXPECT_EQ(dialog.FilterIndex, 1);
}

}  // namespace
