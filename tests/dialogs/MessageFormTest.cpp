#include "dialogs/DialogEx.h"
#include "dialogs/MulDiv.h"

#include "QtValuePrinters.h"
#include "RecordingPresenter.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {

using namespace dialogs;

const QString ErrorMessage = QStringLiteral("计算错误，请仔细检查表达式输入是否正确。");
const QString ErrorDetails = QStringLiteral("Error in math expression: missing \")\"");

QSize ScreenSize() { return QGuiApplication::primaryScreen()->geometry().size(); }

QLabel* Child(const TMessageForm& form, const char* name) { return form.findChild<QLabel*>(name); }

QPushButton* Button(const QWidget& form, const char* name) { return form.findChild<QPushButton*>(name); }

QImage StockIcon(QStyle::StandardPixmap icon)
{
    return QApplication::style()->standardIcon(icon).pixmap(32, 32).toImage();
}

// Each test starts from an empty caption cache and leaves the program's cache as it was.
class MessageFormTest : public testing::Test {
protected:
    void SetUp() override { CaptionWidthCache = {}; }
    void TearDown() override { CaptionWidthCache = FSavedCache; }

private:
    CaptionWidthTable FSavedCache = CaptionWidthCache;
};

TEST_F(MessageFormTest, PartsStandWhereTheLayoutPutsThem)
{
    const auto form = BuildMessageForm(ErrorMessage, ErrorDetails, dkError, {dbOK, dbDetails});
    const QFontMetrics surface(form->font());
    const QLabel* message = Child(*form, "Message");
    ASSERT_NE(message, nullptr);
    const MessageLayout expected = LayoutMessageForm({
        .CharSize = AverageCharSize(surface),
        .TextSize = message->size(),
        .ScreenSize = ScreenSize(),
        .Kind = dkError,
        .Buttons = {dbOK, dbDetails},
        .CaptionWidths = CaptionWidthCache,
    });

    EXPECT_LT(message->height(), 2 * surface.height()) << "a short message is one line";
    EXPECT_NEAR(message->width(), surface.horizontalAdvance(ErrorMessage), 1);
    EXPECT_EQ(form->size(), expected.ClientSize);
    EXPECT_EQ(form->pos(), expected.Position);
    EXPECT_EQ(Child(*form, "Image")->geometry(), *expected.Icon);
    EXPECT_EQ(message->geometry(), expected.Message);
    EXPECT_EQ(Button(*form, "OK")->geometry(), *expected.Buttons[dbOK]);
    EXPECT_EQ(Button(*form, "Details")->geometry(), *expected.Buttons[dbDetails]);
    EXPECT_EQ(form->DetailsPanel->geometry(), expected.DetailsPanel);
    EXPECT_EQ(form->DetailsMemo->toPlainText(), ErrorDetails);
    EXPECT_EQ(message->text(), ErrorMessage);
}

TEST_F(MessageFormTest, LongMessageWrapsAtHalfTheScreenAndPushesTheButtonsDown)
{
    const QString longMessage = QStringLiteral("金额计算错误，").repeated(60);
    const auto form = BuildMessageForm(longMessage, QString(), dkError, {dbOK});
    const QFontMetrics surface(form->font());
    const QSize charSize = AverageCharSize(surface);
    const QRect message = Child(*form, "Message")->geometry();

    EXPECT_LE(message.width(), ScreenSize().width() / 2);
    EXPECT_GE(message.height(), 3 * surface.height());
    EXPECT_EQ(message.top(), MulDiv(8, charSize.height(), 8));
    EXPECT_EQ(Button(*form, "OK")->y(), message.bottom() + 1 + MulDiv(10, charSize.height(), 8));
}

TEST_F(MessageFormTest, CaptionIsMeasuredOnceForTheWholeRun)
{
    BuildMessageForm(ErrorMessage, QString(), dkError, {dbOK});
    const int measured = CaptionWidthCache[dbOK];
    EXPECT_GT(measured, 8);
    EXPECT_EQ(CaptionWidthCache[dbCancel], 0);

    const QFont messageFont = QApplication::font("QMessageBox");
    QFont large = messageFont;
    large.setPointSize(48);
    QApplication::setFont(large, "QMessageBox");
    BuildMessageForm(ErrorMessage, QString(), dkError, {dbOK, dbCancel});
    QApplication::setFont(messageFont, "QMessageBox");

    EXPECT_EQ(CaptionWidthCache[dbOK], measured);
    EXPECT_GT(CaptionWidthCache[dbCancel], measured) << "取消 was first measured in the large font";
}

TEST_F(MessageFormTest, WideCachedCaptionWidensEveryLaterDialogWithThatButton)
{
    CaptionWidthCache[dbDetails] = 300;
    for (int dialog = 0; dialog < 2; ++dialog) {
        const auto form = BuildMessageForm(ErrorMessage, ErrorDetails, dkError, {dbOK, dbDetails});
        EXPECT_EQ(Button(*form, "OK")->width(), 300);
        EXPECT_EQ(Button(*form, "Details")->width(), 300);
    }
    const auto withoutDetails = BuildMessageForm(ErrorMessage, QString(), dkError, {dbOK});
    EXPECT_LT(Button(*withoutDetails, "OK")->width(), 300);
}

struct KindCase {
    TDialogKind Kind;
    const char* Caption;
    QStyle::StandardPixmap Icon;
};

void PrintTo(const KindCase& c, std::ostream* out) { *out << c.Caption; }

class DialogKinds : public MessageFormTest, public testing::WithParamInterface<KindCase> {};

TEST_P(DialogKinds, ShowTheirCaptionAndStockIcon)
{
    const auto form = BuildMessageForm(ErrorMessage, QString(), GetParam().Kind, {dbOK});
    EXPECT_EQ(form->windowTitle(), QString::fromUtf8(GetParam().Caption));
    const QLabel* image = Child(*form, "Image");
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->pixmap().toImage(), StockIcon(GetParam().Icon));
}

INSTANTIATE_TEST_SUITE_P(Kinds, DialogKinds,
                         testing::Values(KindCase{dkWarning, "警告!", QStyle::SP_MessageBoxWarning},
                                         KindCase{dkError, "错误!", QStyle::SP_MessageBoxCritical},
                                         KindCase{dkInformation, "提示!", QStyle::SP_MessageBoxInformation},
                                         KindCase{dkConfirmation, "确认?", QStyle::SP_MessageBoxQuestion}));

TEST_F(MessageFormTest, CustomKindWithoutButtonsShowsTheApplicationTitleAndTheTextAlone)
{
    const QString savedTitle = QGuiApplication::applicationDisplayName();
    QGuiApplication::setApplicationDisplayName(QStringLiteral("大写金额计算器"));
    const auto form = BuildMessageForm(ErrorMessage, QString(), dkCustom, {});
    QGuiApplication::setApplicationDisplayName(savedTitle);

    EXPECT_EQ(form->windowTitle(), QStringLiteral("大写金额计算器"));
    EXPECT_EQ(Child(*form, "Image"), nullptr);
    EXPECT_TRUE(form->findChildren<QPushButton*>(Qt::FindDirectChildrenOnly).isEmpty());
    const QSize charSize = AverageCharSize(QFontMetrics(form->font()));
    const QRect message = Child(*form, "Message")->geometry();
    EXPECT_EQ(message.topLeft(), QPoint(MulDiv(8, charSize.width(), 4), MulDiv(8, charSize.height(), 8)));
    EXPECT_EQ(form->width(), message.width() + 2 * message.left() + 50);
}

struct ButtonCase {
    TDialogButton Button;
    const char* Name;
    const char* Caption;
    int Result;  // 0: the dialog stays open
};

TEST_F(MessageFormTest, EveryButtonHasItsNameCaptionAndResult)
{
    const ButtonCase cases[] = {
        {dbYes, "Yes", "是(&Y)", 6},          {dbNo, "No", "否(&N)", 7},
        {dbOK, "OK", "确定", 1},              {dbCancel, "Cancel", "取消", 2},
        {dbAbort, "Abort", "终止(&A)", 3},    {dbRetry, "Retry", "重试(&R)", 4},
        {dbIgnore, "Ignore", "忽略(&I)", 5},  {dbAll, "All", "全部(&A)", 8},
        {dbNoToAll, "NoToAll", "全否(&o)", 9}, {dbYesToAll, "YesToAll", "全是(&A)", 10},
        {dbHelp, "Help", "帮助(&H)", 0},      {dbDetails, "Details", "详细信息>>", 0},
    };
    const TDialogButtons all{dbYes,   dbNo,  dbOK,      dbCancel,   dbAbort, dbRetry,
                             dbIgnore, dbAll, dbNoToAll, dbYesToAll, dbHelp,  dbDetails};
    const auto form = BuildMessageForm(ErrorMessage, ErrorDetails, dkConfirmation, all);
    form->show();

    int previousRight = 0;
    for (const ButtonCase& c : cases) {
        QPushButton* button = Button(*form, c.Name);
        ASSERT_NE(button, nullptr) << c.Name;
        EXPECT_EQ(button->text(), QString::fromUtf8(c.Caption)) << c.Name;
        EXPECT_GT(button->x(), previousRight) << c.Name << " follows the buttons before it";
        previousRight = button->geometry().right();

        form->setResult(0);
        form->show();
        button->click();
        EXPECT_EQ(form->result(), c.Result) << c.Name;
        EXPECT_EQ(form->isVisible(), c.Result == 0) << c.Name;
    }
}

TEST_F(MessageFormTest, DetailsOpensAndClosesThePaneBelowTheButtons)
{
    const auto form = BuildMessageForm(ErrorMessage, ErrorDetails, dkError, {dbOK, dbDetails});
    const QRect collapsed = form->geometry();
    QPushButton* details = Button(*form, "Details");
    EXPECT_EQ(form->DetailsPanel->y(), collapsed.height()) << "the pane starts below the client area";

    details->click();
    EXPECT_EQ(form->geometry(), collapsed.adjusted(0, 0, 0, 150));
    EXPECT_EQ(details->text(), QStringLiteral("<<详细信息"));
    EXPECT_LE(form->DetailsPanel->geometry().bottom(), form->height());

    details->click();
    EXPECT_EQ(form->geometry(), collapsed);
    EXPECT_EQ(details->text(), QStringLiteral("详细信息>>"));
}

// Closes the dialog by the action once its modal loop runs, and ends a dialog that the
// action left open with -1, so that the test fails rather than waits.
int RunAndClose(QDialog& dialog, const std::function<void(QDialog&)>& close)
{
    QTimer::singleShot(0, &dialog, [&dialog, close] { close(dialog); });
    QTimer::singleShot(0, &dialog, [&dialog] {
        if (dialog.isVisible())
            dialog.done(-1);
    });
    return dialog.exec();
}

struct Closing {
    const char* Name;
    std::function<void(QDialog&)> Close;
};

void PrintTo(const Closing& c, std::ostream* out) { *out << c.Name; }

class ShowErrorDetailsTest : public MessageFormTest, public testing::WithParamInterface<Closing> {};

TEST_P(ShowErrorDetailsTest, IsAnErrorWithOkAndDetailsThatOkEndsWithResultOne)
{
    RecordingPresenter presenter;
    int result = 0;
    presenter.OnModal = [&](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("错误!"));
        EXPECT_EQ(dialog.findChild<QLabel*>("Image")->pixmap().toImage(),
                  StockIcon(QStyle::SP_MessageBoxCritical));
        EXPECT_EQ(dialog.findChild<QLabel*>("Message")->text(), ErrorMessage);
        EXPECT_EQ(dialog.findChildren<QPushButton*>(Qt::FindDirectChildrenOnly).size(), 2);
        EXPECT_TRUE(Button(dialog, "OK")->isDefault());
        EXPECT_FALSE(Button(dialog, "Details")->isDefault());
        result = RunAndClose(dialog, GetParam().Close);
        return result;
    };
    ShowErrorDetails(ErrorMessage, ErrorDetails);
    EXPECT_EQ(result, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Closings, ShowErrorDetailsTest,
    testing::Values(Closing{"ClickOK", [](QDialog& d) { Button(d, "OK")->click(); }},
                    Closing{"Enter", [](QDialog& d) { QTest::keyClick(&d, Qt::Key_Return); }},
                    Closing{"Escape", [](QDialog& d) { QTest::keyClick(&d, Qt::Key_Escape); }},
                    Closing{"CloseBox", [](QDialog& d) { d.close(); }},
                    Closing{"DetailsThenOK",
                            [](QDialog& d) {
                                Button(d, "Details")->click();
                                EXPECT_TRUE(d.isVisible()) << "Details never ends the dialog";
                                Button(d, "OK")->click();
                            }}),
    [](const testing::TestParamInfo<Closing>& info) { return info.param.Name; });

TEST_F(MessageFormTest, ShowWarningIsAWarningWithOneOkThatIsDefaultAndCancel)
{
    RecordingPresenter presenter;
    int result = 0;
    presenter.OnModal = [&](QDialog& dialog) {
        auto& form = static_cast<TMessageForm&>(dialog);
        EXPECT_EQ(form.windowTitle(), QStringLiteral("警告!"));
        EXPECT_EQ(Child(form, "Image")->pixmap().toImage(), StockIcon(QStyle::SP_MessageBoxWarning));
        const auto buttons = form.findChildren<QPushButton*>(Qt::FindDirectChildrenOnly);
        EXPECT_EQ(buttons.size(), 1);
        EXPECT_TRUE(Button(form, "OK")->isDefault());
        EXPECT_TRUE(form.DetailsMemo->toPlainText().isEmpty());
        EXPECT_EQ(form.DetailsPanel->y(), form.height()) << "the pane is never shown";
        result = RunAndClose(dialog, [](QDialog& d) { QTest::keyClick(&d, Qt::Key_Escape); });
        return result;
    };
    ShowWarning(QStringLiteral("请输入表达式。"));
    EXPECT_EQ(result, 1);
}

}  // namespace
