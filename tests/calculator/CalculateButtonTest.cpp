// The 计算 button end to end: text typed into the box, the click, the result fields and the
// dialog that reports a failure.
#include "WindowFixture.h"

#include "../dialogs/RecordingPresenter.h"
#include "dialogs/MessageForm.h"

#include <QLabel>
#include <QTimer>

#include <vector>

namespace {

struct Report {
    QString Caption;
    QString Message;
    QString Details;
};

// Every dialog is shown modally for real, recorded, and closed with its OK button.
class CalculateButtonTest : public WindowFixture {
protected:
    CalculateButtonTest()
    {
        presenter.OnModal = [this](QDialog& dialog) {
            const auto& form = dynamic_cast<dialogs::TMessageForm&>(dialog);
            reports.push_back({form.windowTitle(),
                               form.findChild<QLabel*>(QStringLiteral("Message"))->text(),
                               form.DetailsMemo->toPlainText()});
            QTimer::singleShot(0, &dialog, [&dialog] {
                dialog.findChild<QPushButton*>(QStringLiteral("OK"))->click();
            });
            return dialog.exec();
        };
    }

    // Types the text over whatever the box holds, a line break for each "\n".
    void Type(const QString& text)
    {
        QTest::keyClick(expression, Qt::Key_A, Qt::ControlModifier);
        const QStringList lines = text.split(QLatin1Char('\n'));
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (i > 0)
                QTest::keyClick(expression, Qt::Key_Return);
            QTest::keyClicks(expression, lines[i]);
        }
    }

    void Calculate(const QString& text)
    {
        Type(text);
        QTest::mouseClick(Button(3), Qt::LeftButton);
    }

    void ExpectResults(const char* lowercase, const char* uppercase) const
    {
        EXPECT_EQ(result->text(), QString::fromUtf8(lowercase));
        EXPECT_EQ(resultUpCase->text(), QString::fromUtf8(uppercase));
    }

    RecordingPresenter presenter;
    std::vector<Report> reports;
};

TEST_F(CalculateButtonTest, ShowsTheTwoDecimalsAndTheUppercaseAmount)
{
    Calculate(QStringLiteral("(1000*3)-(100-3)*3/2"));
    ExpectResults("2854.50", "贰仟捌佰伍拾肆元伍角");
    EXPECT_TRUE(reports.empty());
    EXPECT_EQ(expression->toPlainText(), "(1000*3)-(100-3)*3/2");
}

TEST_F(CalculateButtonTest, ABlankTextWarnsAndChangesNothing)
{
    Calculate(QStringLiteral("1+1"));
    const QString blank = QStringLiteral("  \n ");
    Calculate(blank);
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0].Caption, "警告!");
    EXPECT_EQ(reports[0].Message, "请输入表达式。");
    EXPECT_EQ(reports[0].Details, "");
    ExpectResults("2.00", "贰元整");
    EXPECT_EQ(expression->toPlainText(), blank);
}

TEST_F(CalculateButtonTest, AnErrorIsReportedWithItsMessageAndLeavesBothFields)
{
    struct Failure {
        const char* expression;
        const char* details;
    };
    Calculate(QStringLiteral("1+1"));
    for (const Failure failure : {Failure{"1/0", "Floating point division by zero"},
                                  Failure{"1>2", "'False' is not a valid floating point value"},
                                  Failure{"foo(1)", "Error in math expression: foo is an unknown function"}}) {
        SCOPED_TRACE(failure.expression);
        reports.clear();
        Calculate(QString::fromUtf8(failure.expression));
        ASSERT_EQ(reports.size(), 1u);
        EXPECT_EQ(reports[0].Caption, "错误!");
        EXPECT_EQ(reports[0].Message, "计算错误，请仔细检查表达式输入是否正确。");
        EXPECT_EQ(reports[0].Details, failure.details);
        ExpectResults("2.00", "贰元整");
        EXPECT_EQ(expression->toPlainText(), failure.expression);
    }
    reports.clear();
    Calculate(QStringLiteral("2*3"));
    ExpectResults("6.00", "陆元整");
    EXPECT_TRUE(reports.empty()) << "the window stays usable";
}

TEST_F(CalculateButtonTest, AnAmountTooLargeForUppercaseStillShowsItsTwoDecimals)
{
    Calculate(QStringLiteral("1+1"));
    Calculate(QStringLiteral("10^13"));
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0].Caption, "错误!");
    EXPECT_TRUE(reports[0].Details.contains("9999999999999.99")) << reports[0].Details.toStdString();
    ExpectResults("10000000000000.00", "贰元整");
}

TEST_F(CalculateButtonTest, VariablesKeepTheirValuesFromOneCalculationToTheNext)
{
    Calculate(QStringLiteral("x:=5"));
    ExpectResults("5.00", "伍元整");
    Calculate(QStringLiteral("x*2"));
    ExpectResults("10.00", "壹拾元整");
    EXPECT_TRUE(reports.empty());
}

}  // namespace
