#include "DetailsPrinting.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPlainTextDocumentLayout>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QTextBlock>
#include <QTextLayout>

namespace dialogs {

QStringList DisplayedLines(const QPlainTextEdit& memo)
{
    const QTextDocument& document = *memo.document();
    const auto* layout = qobject_cast<const QPlainTextDocumentLayout*>(document.documentLayout());
    QStringList lines;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (layout)
            layout->ensureBlockLayout(block);
        const QTextLayout& blockLayout = *block.layout();
        if (blockLayout.lineCount() == 0)
            lines << block.text();
        for (int i = 0; i < blockLayout.lineCount(); ++i) {
            const QTextLine line = blockLayout.lineAt(i);
            lines << block.text().mid(line.textStart(), line.textLength());
        }
    }
    return lines;
}

bool PrintLines(QPrinter& printer, const QFont& font, const QStringList& lines)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    painter.setFont(font);
    const QFontMetrics metrics = painter.fontMetrics();
    const int pageHeight = painter.viewport().height();
    int top = 0;
    for (const QString& line : lines) {
        if (top > 0 && top + metrics.lineSpacing() > pageHeight) {
            printer.newPage();
            top = 0;
        }
        painter.drawText(0, top + metrics.ascent(), line);
        top += metrics.lineSpacing();
    }
    return painter.end();
}

}  // namespace dialogs
