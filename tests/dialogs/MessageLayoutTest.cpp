#include "dialogs/MessageLayout.h"

#include "QtValuePrinters.h"

#include <gtest/gtest.h>

namespace {

using namespace dialogs;

// Character size 6 x 12, a one-line message of 240 x 12, an error with OK and Details whose
// captions both measure below the starting button width of 75.
MessageLayoutInput WorkedExample()
{
    MessageLayoutInput input{
        .CharSize = {6, 12},
        .TextSize = {240, 12},
        .ScreenSize = {1280, 800},
        .Kind = dkError,
        .Buttons = {dbOK, dbDetails},
    };
    input.CaptionWidths[dbOK] = 40;
    input.CaptionWidths[dbDetails] = 70;
    return input;
}

TEST(MessageLayout, WorkedExample)
{
    const MessageLayout layout = LayoutMessageForm(WorkedExample());

    EXPECT_EQ(layout.HorzMargin, 12);
    EXPECT_EQ(layout.VertMargin, 12);
    EXPECT_EQ(layout.HorzSpacing, 15);
    EXPECT_EQ(layout.VertSpacing, 15);
    EXPECT_EQ(layout.ButtonWidth, 75);
    EXPECT_EQ(layout.ButtonHeight, 21);
    EXPECT_EQ(layout.ButtonSpacing, 6);
    EXPECT_EQ(layout.ClientSize, QSize(361, 92));
    EXPECT_EQ(layout.Position, QPoint(640 - 180, 400 - 46));
    EXPECT_EQ(layout.Icon, QRect(12, 12, 32, 32));
    EXPECT_EQ(layout.Message, QRect(59, 22, 240, 12));
    EXPECT_EQ(layout.Buttons[dbOK], QRect(102, 59, 75, 21));
    EXPECT_EQ(layout.Buttons[dbDetails], QRect(183, 59, 75, 21));
    EXPECT_EQ(layout.DetailsPanel, QRect(5, 92, 351, 147));
    EXPECT_EQ(layout.DefaultButton, dbOK);
    EXPECT_EQ(layout.CancelButton, dbOK);
    for (const TDialogButton absent : {dbYes, dbNo, dbCancel, dbHelp})
        EXPECT_FALSE(layout.Buttons[absent].has_value()) << int(absent);
}

TEST(MessageLayout, RoundsHalfSpacingsUp)
{
    MessageLayoutInput input = WorkedExample();
    input.CharSize = {7, 13};
    const MessageLayout layout = LayoutMessageForm(input);

    EXPECT_EQ(layout.HorzMargin, 14);
    EXPECT_EQ(layout.VertMargin, 13);
    EXPECT_EQ(layout.HorzSpacing, 18);
    EXPECT_EQ(layout.VertSpacing, 16);
    EXPECT_EQ(layout.ButtonWidth, 88);
    EXPECT_EQ(layout.ButtonHeight, 23);
    EXPECT_EQ(layout.ButtonSpacing, 7);
}

TEST(MessageLayout, WidestCachedCaptionOfTheButtonsPresentSetsEveryButtonWidth)
{
    MessageLayoutInput input = WorkedExample();
    input.CaptionWidths[dbDetails] = 150;
    input.CaptionWidths[dbCancel] = 500;  // not in the set
    const MessageLayout layout = LayoutMessageForm(input);

    EXPECT_EQ(layout.ButtonWidth, 150);
    EXPECT_EQ(layout.ClientSize, QSize(306 + 24 + 50, 92));
    EXPECT_EQ(layout.Buttons[dbOK], QRect(37, 59, 150, 21));
    EXPECT_EQ(layout.Buttons[dbDetails], QRect(193, 59, 150, 21));
}

TEST(MessageLayout, CustomKindHasNoIconAndNoOffset)
{
    MessageLayoutInput input = WorkedExample();
    input.Kind = dkCustom;
    const MessageLayout layout = LayoutMessageForm(input);

    EXPECT_FALSE(layout.Icon.has_value());
    EXPECT_EQ(layout.Message, QRect(12, 12, 240, 12));
    EXPECT_EQ(layout.ClientSize, QSize(240 + 24 + 50, 12 + 21 + 15 + 24));
    EXPECT_EQ(layout.Buttons[dbOK], QRect(79, 39, 75, 21));
}

TEST(MessageLayout, EmptyButtonSetFollowsTheTextAlone)
{
    MessageLayoutInput input = WorkedExample();
    input.Buttons = {};
    const MessageLayout layout = LayoutMessageForm(input);

    EXPECT_EQ(layout.ClientSize, QSize(287 + 24 + 50, 92));
    for (const auto& button : layout.Buttons)
        EXPECT_FALSE(button.has_value());
    EXPECT_FALSE(layout.DefaultButton.has_value());
    EXPECT_FALSE(layout.CancelButton.has_value());
}

TEST(MessageLayout, MessageTallerThanTheIconStartsAtTheMarginAndPushesTheButtonsDown)
{
    MessageLayoutInput input = WorkedExample();
    input.TextSize = {240, 60};
    const MessageLayout layout = LayoutMessageForm(input);

    EXPECT_EQ(layout.Message, QRect(59, 12, 240, 60));
    EXPECT_EQ(layout.Buttons[dbOK], QRect(102, 87, 75, 21));
    EXPECT_EQ(layout.ClientSize, QSize(361, 120));
    EXPECT_EQ(layout.DetailsPanel.top(), 120);
}

TEST(MessageLayout, RightToLeftMirrorsTheMessageOnly)
{
    MessageLayoutInput input = WorkedExample();
    input.RightToLeft = true;
    const MessageLayout layout = LayoutMessageForm(input);

    EXPECT_EQ(layout.Message, QRect(361 - 59 - 240, 22, 240, 12));
    EXPECT_EQ(layout.Icon, QRect(12, 12, 32, 32));
    EXPECT_EQ(layout.Buttons[dbOK], QRect(102, 59, 75, 21));
}

struct ChoiceCase {
    TDialogButtons Buttons;
    std::optional<TDialogButton> Default;
    std::optional<TDialogButton> Cancel;
};

void PrintTo(const ChoiceCase& c, std::ostream* out) { *out << "set " << c.Buttons.Bits(); }

class DefaultAndCancelButtons : public testing::TestWithParam<ChoiceCase> {};

TEST_P(DefaultAndCancelButtons, FollowThePreferenceOrder)
{
    MessageLayoutInput input = WorkedExample();
    input.Buttons = GetParam().Buttons;
    const MessageLayout layout = LayoutMessageForm(input);
    EXPECT_EQ(layout.DefaultButton, GetParam().Default) << "set " << input.Buttons.Bits();
    EXPECT_EQ(layout.CancelButton, GetParam().Cancel) << "set " << input.Buttons.Bits();
}

INSTANTIATE_TEST_SUITE_P(
    Sets, DefaultAndCancelButtons,
    testing::Values(ChoiceCase{{dbOK, dbDetails}, dbOK, dbOK}, ChoiceCase{{dbOK, dbCancel}, dbOK, dbCancel},
                    ChoiceCase{{dbYes, dbNo}, dbYes, dbNo},
                    ChoiceCase{{dbYes, dbNo, dbCancel}, dbYes, dbCancel},
                    ChoiceCase{{dbAbort, dbRetry, dbIgnore}, dbRetry, std::nullopt},
                    ChoiceCase{{dbAll, dbHelp}, std::nullopt, std::nullopt},
                    ChoiceCase{{}, std::nullopt, std::nullopt}));

TEST(DialogButtons, SetsOfTheProgramHaveTheirBitValues)
{
    EXPECT_EQ(TDialogButtons({dbOK, dbDetails}).Bits(), 0x0804);
    EXPECT_EQ(TDialogButtons({dbOK}).Bits(), 0x0004);
    EXPECT_EQ(TDialogButtons({dbOK, dbDetails}).Count(), 2);
}

}  // namespace
