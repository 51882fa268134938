#include "MessageLayout.h"

#include "MulDiv.h"

#include <algorithm>

namespace dialogs {
namespace {

std::optional<TDialogButton> FirstPresent(TDialogButtons buttons,
                                          std::initializer_list<TDialogButton> candidates)
{
    for (const TDialogButton candidate : candidates)
        if (buttons.Contains(candidate))
            return candidate;
    return std::nullopt;
}

void SetSpacings(MessageLayout& layout, const MessageLayoutInput& input)
{
    const int x = input.CharSize.width();
    const int y = input.CharSize.height();
    layout.HorzMargin = MulDiv(8, x, 4);
    layout.VertMargin = MulDiv(8, y, 8);
    layout.HorzSpacing = MulDiv(10, x, 4);
    layout.VertSpacing = MulDiv(10, y, 8);
    layout.ButtonWidth = MulDiv(50, x, 4);
    for (int n = 0; n < DialogButtonCount; ++n)
        if (input.Buttons.Contains(static_cast<TDialogButton>(n)))
            layout.ButtonWidth = std::max(layout.ButtonWidth, input.CaptionWidths[n]);
    layout.ButtonHeight = MulDiv(14, y, 8);
    layout.ButtonSpacing = MulDiv(4, x, 4);
}

void PlaceButtons(MessageLayout& layout, const MessageLayoutInput& input, int groupWidth, int top)
{
    int left = (layout.ClientSize.width() - groupWidth) / 2;
    for (int n = 0; n < DialogButtonCount; ++n) {
        if (!input.Buttons.Contains(static_cast<TDialogButton>(n)))
            continue;
        layout.Buttons[n] = QRect(left, top, layout.ButtonWidth, layout.ButtonHeight);
        left += layout.ButtonWidth + layout.ButtonSpacing;
    }
    layout.DefaultButton = FirstPresent(input.Buttons, {dbOK, dbYes, dbRetry});
    layout.CancelButton = FirstPresent(input.Buttons, {dbCancel, dbNo, dbOK});
}

}  // namespace

MessageLayout LayoutMessageForm(const MessageLayoutInput& input)
{
    MessageLayout layout;
    SetSpacings(layout, input);

    const bool hasIcon = HasIcon(input.Kind);
    const int textWidth = input.TextSize.width();
    const int textHeight = input.TextSize.height();
    int iconTextWidth = textWidth;
    int iconTextHeight = textHeight;
    if (hasIcon) {
        iconTextWidth += IconSize + layout.HorzSpacing;
        iconTextHeight = std::max(iconTextHeight, IconSize);
    }

    const int count = input.Buttons.Count();
    const int groupWidth =
        count == 0 ? 0 : layout.ButtonWidth * count + layout.ButtonSpacing * (count - 1);
    layout.ClientSize = QSize(std::max(iconTextWidth, groupWidth) + 2 * layout.HorzMargin + 50,
                              iconTextHeight + layout.ButtonHeight + layout.VertSpacing
                                  + 2 * layout.VertMargin);
    // The frame is not known before the window is shown: the client size stands for it.
    layout.Position = QPoint(input.ScreenSize.width() / 2 - layout.ClientSize.width() / 2,
                             input.ScreenSize.height() / 2 - layout.ClientSize.height() / 2);

    if (hasIcon)
        layout.Icon = QRect(layout.HorzMargin, layout.VertMargin, IconSize, IconSize);

    int messageLeft = iconTextWidth - textWidth + layout.HorzMargin;
    if (input.RightToLeft)
        messageLeft = layout.ClientSize.width() - messageLeft - textWidth;
    // A message shorter than the icon is centred against it.
    const int messageOffset = hasIcon ? std::max((IconSize - textHeight) / 2, 0) : 0;
    layout.Message = QRect(messageLeft, layout.VertMargin + messageOffset, textWidth, textHeight);

    layout.DetailsPanel = QRect(layout.HorzSpacing - 10, layout.ClientSize.height(),
                                layout.ClientSize.width() - 2 * layout.HorzSpacing + 20,
                                162 - layout.VertSpacing);

    PlaceButtons(layout, input, groupWidth,
                 iconTextHeight + layout.VertMargin + layout.VertSpacing);
    return layout;
}

}  // namespace dialogs
