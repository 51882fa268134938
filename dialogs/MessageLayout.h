#pragma once
// The geometry of a message dialog as a pure function of what the window system measures:
// every rectangle follows from the average character size, the message's text size, the
// screen size, the kind, the buttons and the cached caption widths.
#include "DialogTypes.h"

#include <QPoint>
#include <QRect>
#include <QSize>

#include <array>
#include <optional>

namespace dialogs {

inline constexpr int IconSize = 32;  // the stock icons are 32 x 32 pixels

// Per button: the measured pixel width of its caption plus 8, or 0 while not measured.
using CaptionWidthTable = std::array<int, DialogButtonCount>;

struct MessageLayoutInput {
    QSize CharSize;  // average character width, character height
    QSize TextSize;  // the message wrapped at half the screen width
    QSize ScreenSize;
    TDialogKind Kind = dkError;
    TDialogButtons Buttons;
    CaptionWidthTable CaptionWidths{};
    bool RightToLeft = false;
};

struct MessageLayout {
    int HorzMargin = 0;
    int VertMargin = 0;
    int HorzSpacing = 0;
    int VertSpacing = 0;
    int ButtonWidth = 0;
    int ButtonHeight = 0;
    int ButtonSpacing = 0;
    QSize ClientSize;
    QPoint Position;  // top-left corner that centres the window on the screen
    std::optional<QRect> Icon;
    QRect Message;
    std::array<std::optional<QRect>, DialogButtonCount> Buttons;  // only those in the set
    std::optional<TDialogButton> DefaultButton;
    std::optional<TDialogButton> CancelButton;
    QRect DetailsPanel;  // just below the client area until the pane is opened
};

MessageLayout LayoutMessageForm(const MessageLayoutInput& input);

}  // namespace dialogs
