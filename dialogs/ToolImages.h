#pragma once
// The bitmaps of the details toolbar.
#include <QImage>
#include <QString>

namespace dialogs {

// The bitmap with its pure red pixels transparent; a null image when it cannot be loaded.
QImage LoadToolImage(const QString& path);

// The resource path of one of the bitmaps "COPY", "SAVE", "PRINT" and "HELP".
QString ToolImagePath(const char* name);

}  // namespace dialogs
