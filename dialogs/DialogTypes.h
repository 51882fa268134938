#pragma once
// The dialog kinds and buttons, with their captions, component names and result codes.
#include <QString>

#include <bit>
#include <cstdint>
#include <initializer_list>

namespace dialogs {

enum TDialogKind : std::uint8_t { dkWarning, dkError, dkInformation, dkConfirmation, dkCustom };

enum TDialogButton : std::uint8_t {
    dbYes, dbNo, dbOK, dbCancel, dbAbort, dbRetry,
    dbIgnore, dbAll, dbNoToAll, dbYesToAll, dbHelp, dbDetails,
};
inline constexpr int DialogButtonCount = 12;

// A set of dialog buttons: bit n stands for the button of value n.
class TDialogButtons {
public:
    constexpr TDialogButtons() = default;
    constexpr TDialogButtons(std::initializer_list<TDialogButton> members)
    {
        for (const TDialogButton member : members)
            FBits |= Bit(member);
    }

    constexpr bool Contains(TDialogButton button) const { return (FBits & Bit(button)) != 0; }
    constexpr int Count() const { return std::popcount(FBits); }
    constexpr std::uint16_t Bits() const { return FBits; }

private:
    static constexpr std::uint16_t Bit(TDialogButton button)
    {
        return static_cast<std::uint16_t>(1u << button);
    }

    std::uint16_t FBits = 0;
};

constexpr bool HasIcon(TDialogKind kind) { return kind != dkCustom; }

// The window caption; dkCustom shows the application's title.
QString DialogKindCaption(TDialogKind kind);

const char* DialogButtonName(TDialogButton button);
QString DialogButtonCaption(TDialogButton button);
// The code the modal dialog returns when the button is pressed; 0 for the buttons that
// leave the dialog open.
int DialogButtonResult(TDialogButton button);

// "详细信息>>" while the details pane is closed, "<<详细信息" while it is open.
QString DetailsCaption(bool expanded);

}  // namespace dialogs
