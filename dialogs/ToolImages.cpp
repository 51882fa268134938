#include "ToolImages.h"

namespace dialogs {

QImage LoadToolImage(const QString& path)
{
    QImage image(path);
    if (image.isNull())
        return image;
    image = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb transparentColour = qRgb(0xFF, 0x00, 0x00);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == transparentColour)
                image.setPixel(x, y, qRgba(0, 0, 0, 0));
    return image;
}

QString ToolImagePath(const char* name) { return QStringLiteral(":/dialogs/") + QLatin1StringView(name); }

}  // namespace dialogs
