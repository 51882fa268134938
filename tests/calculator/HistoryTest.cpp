// The expression box's own undo/redo history, driven through its keys and its menu.
#include "WindowFixture.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>

namespace {

class HistoryTest : public WindowFixture
{
protected:
    void SetUp() override
    {
        WindowFixture::SetUp();
        expression->setFocus();
    }

    void Type(const QString& text) { QTest::keyClicks(expression, text); }
    void Undo() { QTest::keyClick(expression, Qt::Key_Z, Qt::ControlModifier); }
    void Redo() { QTest::keyClick(expression, Qt::Key_Y, Qt::ControlModifier); }
    QString Text() const { return expression->toPlainText(); }

    // The enabled states of Undo and Redo as the menu shows them when it opens.
    std::pair<bool, bool> MenuStates()
    {
        const QPoint at(10, 10);
        QContextMenuEvent request(QContextMenuEvent::Mouse, at,
                                  expression->viewport()->mapToGlobal(at));
        QApplication::sendEvent(expression->viewport(), &request);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (menu == nullptr) {
            ADD_FAILURE() << "no menu opened";
            return {};
        }
        const QList<QAction*> items = menu->actions();
        menu->close();
        return {items.at(0)->isEnabled(), items.at(1)->isEnabled()};
    }
};

TEST_F(HistoryTest, UndoWalksBackAndRedoReturnsToTheNewestEntry)
{
    Type(QStringLiteral("abc"));
    Undo();
    EXPECT_EQ(Text(), "ab");
    Undo();
    EXPECT_EQ(Text(), "a");
    Redo();
    EXPECT_EQ(Text(), "ab");
    Redo();
    EXPECT_EQ(Text(), "abc");
    Redo();
    EXPECT_EQ(Text(), "abc");
}

TEST_F(HistoryTest, ReturningToTheEntryBeforeTheCurrentOneIsNotRecorded)
{
    Type(QStringLiteral("12"));
    QTest::keyClick(expression, Qt::Key_Backspace);
    ASSERT_EQ(Text(), "1");
    Undo();  // from "12" to "1": nothing to see
    EXPECT_EQ(Text(), "1");
    Redo();
    EXPECT_EQ(Text(), "12");
}

TEST_F(HistoryTest, UndoPastTheFirstEntryWrapsToTheLastSlot)
{
    Type(QStringLiteral("abc"));
    for (int i = 0; i < 3; ++i)
        Undo();
    EXPECT_EQ(Text(), "");
    for (const char* expected : {"a", "ab", "abc", "abc"}) {
        Redo();
        EXPECT_EQ(Text(), expected);
    }
}

TEST_F(HistoryTest, TheFortySecondChangeOverwritesTheFirst)
{
    Type(QString(42, QLatin1Char('x')));
    for (int i = 0; i < 40; ++i)
        Undo();
    EXPECT_EQ(Text(), "xx");
    Undo();
    EXPECT_EQ(Text(), QString(42, QLatin1Char('x')));
}

TEST_F(HistoryTest, TypingAfterUndoDropsTheRedoEntriesAndOverwritesTheNextSlot)
{
    Type(QStringLiteral("abc"));
    Undo();
    Undo();
    Type(QStringLiteral("d"));  // the caret stands at the end after an undo
    EXPECT_EQ(Text(), "ad");
    Redo();
    EXPECT_EQ(Text(), "ad");
    Undo();
    EXPECT_EQ(Text(), "a");
    Redo();
    EXPECT_EQ(Text(), "ad");
}

TEST_F(HistoryTest, ClearIsRecordedUnlessTheEntryBeforeIsAlreadyEmpty)
{
    Type(QStringLiteral("a"));
    Button(4)->click();
    Type(QStringLiteral("b"));
    Button(4)->click();  // the entry before "b" is the first clear's: not recorded
    Undo();
    EXPECT_EQ(Text(), "");
    Undo();
    EXPECT_EQ(Text(), "a");
}

TEST_F(HistoryTest, ClearingAnEmptyBoxIsNoChangeAndKeepsRedo)
{
    Type(QStringLiteral("a"));
    Undo();
    ASSERT_EQ(Text(), "");
    Button(4)->click();
    Redo();
    EXPECT_EQ(Text(), "a");
}

TEST_F(HistoryTest, UndoAndRedoBeforeAnyTypingDoNothing)
{
    Undo();
    Redo();
    EXPECT_EQ(Text(), "");
    Type(QStringLiteral("ab"));
    Undo();
    EXPECT_EQ(Text(), "a");
    Redo();
    EXPECT_EQ(Text(), "ab");
}

TEST_F(HistoryTest, UndoAndRedoLeaveTheResultFieldsAlone)
{
    result->setText(QStringLiteral("2854.50"));
    resultUpCase->setText(QStringLiteral("贰仟捌佰伍拾肆元伍角"));
    Type(QStringLiteral("12"));
    Undo();
    Redo();
    EXPECT_EQ(result->text(), "2854.50");
    EXPECT_EQ(resultUpCase->text(), "贰仟捌佰伍拾肆元伍角");
}

TEST_F(HistoryTest, MenuOffersExactlyUndoAndRedoEnabledWhenAvailable)
{
    using States = std::pair<bool, bool>;
    EXPECT_EQ(MenuStates(), States(false, false));
    Type(QStringLiteral("ab"));
    EXPECT_EQ(MenuStates(), States(true, false));
    Undo();
    EXPECT_EQ(MenuStates(), States(true, true));
    Redo();
    EXPECT_EQ(MenuStates(), States(true, false));

    const auto* menu = window.findChild<QMenu*>(QStringLiteral("PopupMenu1"));
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->actions().size(), 2);
    const QAction* undo = menu->actions().at(0);
    const QAction* redo = menu->actions().at(1);
    EXPECT_EQ(undo->text(), "&U撤销");
    EXPECT_EQ(undo->shortcut(), QKeySequence(Qt::ControlModifier | Qt::Key_Z));
    EXPECT_EQ(redo->text(), "&R恢复");
    EXPECT_EQ(redo->shortcut(), QKeySequence(Qt::ControlModifier | Qt::Key_Y));
}

TEST_F(HistoryTest, MenuItemsUndoAndRedo)
{
    Type(QStringLiteral("ab"));
    auto* menu = window.findChild<QMenu*>(QStringLiteral("PopupMenu1"));
    ASSERT_NE(menu, nullptr);
    menu->actions().at(0)->trigger();
    EXPECT_EQ(Text(), "a");
    menu->actions().at(1)->trigger();
    EXPECT_EQ(Text(), "ab");
}

// Ctrl+Z and Ctrl+Y belong to the box only while it has the focus, and it keeps them even
// when there is nothing to undo or redo; elsewhere they reach the window's own shortcuts.
TEST_F(HistoryTest, KeysActOnlyInTheFocusedBoxAndAreAlwaysConsumedThere)
{
    int windowShortcuts = 0;
    QAction probe;
    probe.setShortcuts({QKeySequence(Qt::ControlModifier | Qt::Key_Z),
                        QKeySequence(Qt::ControlModifier | Qt::Key_Y)});
    QObject::connect(&probe, &QAction::triggered, [&] { ++windowShortcuts; });
    window.addAction(&probe);

    Undo();
    Redo();
    EXPECT_EQ(windowShortcuts, 0);

    Type(QStringLiteral("ab"));
    QPushButton* elsewhere = Button(1);
    elsewhere->setFocus();
    QTest::keyClick(elsewhere, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Text(), "ab");
    EXPECT_EQ(windowShortcuts, 1);
}

}  // namespace
