// The main window: its layout and settings, and the commands other than Calculate.
#include "WindowFixture.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QTemporaryDir>

namespace {

using WindowTest = WindowFixture;

struct Placement {
    const char* name;
    QRect geometry;
    const char* caption;
};

TEST_F(WindowTest, EveryControlStandsWhereTheLayoutPutsIt)
{
    const Placement layout[] = {
        {"Label1", {8, 8, 270, 12}, "请输入表达式，例如：(1000*3)-(100-3)*3/2"},
        {"ExpressionEdit", {8, 24, 489, 89}, ""},
        {"SpTBXButton1", {8, 121, 74, 22}, "复制小写"},
        {"SpTBXButton2", {8, 153, 74, 22}, "复制大写"},
        {"ResultEdit", {88, 123, 409, 20}, ""},
        {"ResultEditUpCase", {88, 155, 409, 20}, ""},
        {"SpTBXButton3", {8, 187, 74, 22}, "计算"},
        {"SpTBXButton4", {88, 187, 74, 22}, "清除表达式"},
        {"SpTBXButton5", {168, 187, 74, 22}, "标准计算器"},
        {"SpTBXButton6", {424, 187, 74, 22}, "关闭"},
    };
    for (const Placement& control : layout) {
        SCOPED_TRACE(control.name);
        const auto* widget = Find<QWidget>(QString::fromLatin1(control.name));
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->geometry(), control.geometry);
        const QVariant text = widget->property("text");
        const QVariant caption = text.isValid() ? text : widget->property("plainText");
        EXPECT_EQ(caption.toString(), QString::fromUtf8(control.caption));
    }
}

TEST_F(WindowTest, FixedCentredWindowWithMinimizeButNoMaximize)
{
    EXPECT_EQ(window.windowTitle(), "大写金额计算器");
    EXPECT_EQ(window.size(), QSize(506, 222));
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
    const Qt::WindowFlags flags = window.windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowSystemMenuHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    const QPoint offCentre = window.geometry().center() - window.screen()->geometry().center();
    EXPECT_LE(offCentre.manhattanLength(), 2);
}

TEST_F(WindowTest, FontAndColours)
{
    EXPECT_EQ(window.font().family(), "宋体");
    EXPECT_EQ(window.font().pixelSize(), 12);
    const QPalette palette = window.palette();
    EXPECT_EQ(palette.color(QPalette::Window), palette.color(QPalette::Button));
    EXPECT_EQ(palette.color(QPalette::WindowText), QColor(Qt::black));

    const auto* label = Find<QLabel>(QStringLiteral("Label1"));
    EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(0, 0, 128));
    EXPECT_TRUE(label->font().bold());
    EXPECT_EQ(label->font().pixelSize(), 12);

    for (const QLineEdit* field : {result, resultUpCase}) {
        SCOPED_TRACE(field->objectName().toStdString());
        EXPECT_TRUE(field->isReadOnly());
        EXPECT_TRUE(field->alignment().testFlag(Qt::AlignRight));
        EXPECT_EQ(field->palette().color(QPalette::Base),
                  field->palette().color(QPalette::ToolTipBase));
    }
}

TEST_F(WindowTest, GlyphsOnCalculateClearAndClose)
{
    struct Glyph {
        int button;
        int hue;  // of the square, in degrees; -1 for no glyph
    };
    for (const Glyph glyph : {Glyph{3, 120}, Glyph{4, 120}, Glyph{5, -1}, Glyph{6, 0}}) {
        SCOPED_TRACE(glyph.button);
        const QIcon icon = Button(glyph.button)->icon();
        ASSERT_EQ(icon.isNull(), glyph.hue < 0);
        if (glyph.hue < 0)
            continue;
        EXPECT_EQ(Button(glyph.button)->iconSize(), QSize(16, 16));
        const QImage image = icon.pixmap(16, 16).toImage();
        EXPECT_NEAR(image.pixelColor(2, 2).hue(), glyph.hue, 10);
    }
    EXPECT_NE(Button(3)->icon().pixmap(16, 16).toImage(),
              Button(4)->icon().pixmap(16, 16).toImage());
}

TEST_F(WindowTest, NoDefaultButtonAndEnterBreaksTheLine)
{
    for (const QPushButton* button : window.findChildren<QPushButton*>()) {
        EXPECT_FALSE(button->isDefault());
        EXPECT_FALSE(button->autoDefault());
    }
    expression->setFocus();
    QTest::keyClicks(expression, QStringLiteral("1"));
    QTest::keyClick(expression, Qt::Key_Return);
    QTest::keyClicks(expression, QStringLiteral("2"));
    EXPECT_EQ(expression->toPlainText(), "1\n2");
}

TEST_F(WindowTest, TabWalksTheControlsInOrder)
{
    expression->setFocus();
    QStringList visited{QApplication::focusWidget()->objectName()};
    for (int i = 0; i < 9; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(visited.join(' '),
              "ExpressionEdit SpTBXButton1 SpTBXButton2 ResultEdit ResultEditUpCase "
              "SpTBXButton3 SpTBXButton4 SpTBXButton5 SpTBXButton6 ExpressionEdit");
}

TEST_F(WindowTest, CopyButtonsSelectTheirWholeFieldAndCopyIt)
{
    struct Copy {
        int button;
        QLineEdit* field;
        QString text;
    };
    for (const Copy& copy : {Copy{1, result, QStringLiteral("2854.50")},
                             Copy{2, resultUpCase, QStringLiteral("贰仟捌佰伍拾肆元伍角")}}) {
        SCOPED_TRACE(copy.button);
        copy.field->setText(copy.text);
        copy.field->deselect();
        Button(copy.button)->click();
        EXPECT_EQ(copy.field->selectedText(), copy.text);
        EXPECT_EQ(QGuiApplication::clipboard()->text(), copy.text);
    }
}

TEST_F(WindowTest, ClearEmptiesAllThreeFieldsAndFocusesTheBox)
{
    QTest::keyClicks(expression, QStringLiteral("1+2"));
    result->setText(QStringLiteral("3.00"));
    resultUpCase->setText(QStringLiteral("叁元整"));
    Button(5)->setFocus();
    Button(4)->click();
    EXPECT_EQ(expression->toPlainText(), "");
    EXPECT_EQ(result->text(), "");
    EXPECT_EQ(resultUpCase->text(), "");
    EXPECT_TRUE(expression->hasFocus());
}

TEST_F(WindowTest, CloseButtonClosesTheWindow)
{
    Button(6)->click();
    EXPECT_FALSE(window.isVisible());
}

// A press on a free spot of the client area drags the window; where the window system
// cannot move it, the window follows the pointer while the left button is held.
TEST_F(WindowTest, DraggingByAFreeSpotFollowsThePointer)
{
    const QPoint start = window.pos();
    const QPoint freeSpot(300, 10);
    QTest::mousePress(&window, Qt::LeftButton, {}, freeSpot);
    QMouseEvent drag(QEvent::MouseMove, freeSpot + QPoint(30, 20),
                     window.mapToGlobal(freeSpot + QPoint(30, 20)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &drag);
    EXPECT_EQ(window.pos(), start + QPoint(30, 20));

    QMouseEvent hover(QEvent::MouseMove, freeSpot, window.mapToGlobal(freeSpot), Qt::NoButton,
                      Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &hover);
    EXPECT_EQ(window.pos(), start + QPoint(30, 20));
}

TEST_F(WindowTest, PressingTheCaptionLabelDoesNotDrag)
{
    auto* label = Find<QLabel>(QStringLiteral("Label1"));
    const QPoint start = window.pos();
    QTest::mousePress(&window, Qt::LeftButton, {}, QPoint(300, 10));  // an earlier press point
    QTest::mousePress(label, Qt::LeftButton, {}, QPoint(5, 5));
    QMouseEvent drag(QEvent::MouseMove, QPoint(45, 25), label->mapToGlobal(QPoint(45, 25)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(label, &drag);
    EXPECT_EQ(window.pos(), start);
}

// The standard calculator is calc.exe in the program folder, whatever it is.
TEST(StandardCalculatorTest, StartsCalcExeInTheProgramFolder)
{
    QTemporaryDir programFolder;
    ASSERT_TRUE(programFolder.isValid());
    const QString marker = programFolder.filePath(QStringLiteral("started"));
    QFile standIn(programFolder.filePath(QStringLiteral("calc.exe")));
    ASSERT_TRUE(standIn.open(QIODevice::WriteOnly));
    standIn.write("#!/bin/sh\necho started > \"$(dirname \"$0\")/started\"\n");
    standIn.close();
    standIn.setPermissions(standIn.permissions() | QFile::ExeOwner);

    TfrmCalc window(programFolder.path() + QLatin1Char('/'));
    window.findChild<QPushButton*>(QStringLiteral("SpTBXButton5"))->click();
    EXPECT_TRUE(QTest::qWaitFor([&] { return QFile::exists(marker); }, 10000));
}

TEST(StandardCalculatorTest, MissingCalcExeShowsNothing)
{
    QTemporaryDir emptyFolder;
    TfrmCalc window(emptyFolder.path() + QLatin1Char('/'));
    window.show();
    const auto windowsBefore = QApplication::topLevelWidgets().size();
    window.findChild<QPushButton*>(QStringLiteral("SpTBXButton5"))->click();
    EXPECT_EQ(QApplication::topLevelWidgets().size(), windowsBefore);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

}  // namespace
