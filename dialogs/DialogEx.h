#pragma once
// Message dialogs for the errors and warnings the program handles itself: a kind, a
// message, a row of buttons and an optional details pane, laid out from the average
// character size of the message font.
#include "DialogTypes.h"
#include "MessageForm.h"
#include "MessageLayout.h"

#include <QFontMetrics>
#include <QSize>
#include <QString>

#include <memory>

namespace dialogs {

// Caption widths measured once per button and kept for the whole run.
extern CaptionWidthTable CaptionWidthCache;

// Average character width over A-Z and a-z, and the character height, in pixels.
QSize AverageCharSize(const QFontMetrics& surface);

std::unique_ptr<TMessageForm> BuildMessageForm(const QString& message, const QString& details,
                                               TDialogKind kind, TDialogButtons buttons);
// Shows the dialog modally and returns the result code of the button that closed it.
int ShowMessageForm(const QString& message, const QString& details, TDialogKind kind,
                    TDialogButtons buttons);

void ShowErrorDetails(const QString& message, const QString& details);
void ShowWarning(const QString& message);
void ErrorBox(const QString& text);
void HintBox(const QString& text);

}  // namespace dialogs
