#pragma once
// Printing the details text as the memo shows it.
#include <QStringList>

class QFont;
class QPlainTextEdit;
class QPrinter;

namespace dialogs {

// The memo's lines as it shows them: a paragraph that the memo wraps gives several lines.
QStringList DisplayedLines(const QPlainTextEdit& memo);

// Prints the lines one below the other in the font, starting a new page when one is full.
// False when the print job cannot be started.
bool PrintLines(QPrinter& printer, const QFont& font, const QStringList& lines);

}  // namespace dialogs
