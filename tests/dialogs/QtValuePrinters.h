#pragma once
// Readable failure messages for the Qt geometry values the dialog tests compare.
#include <QPoint>
#include <QRect>
#include <QSize>

#include <ostream>

inline void PrintTo(const QRect& rect, std::ostream* out)
{
    *out << "(" << rect.x() << ", " << rect.y() << ") " << rect.width() << " x " << rect.height();
}

inline void PrintTo(const QSize& size, std::ostream* out)
{
    *out << size.width() << " x " << size.height();
}

inline void PrintTo(const QPoint& point, std::ostream* out)
{
    *out << "(" << point.x() << ", " << point.y() << ")";
}
