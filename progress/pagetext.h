#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QString>

#include <string>

// Text on the report's pages, placed by its baseline: from the left, centred
// on x, or ending at x.
namespace progress::pagetext {

inline QString text(const std::string& s)
{
    return QString::fromStdString(s);
}

inline void write(QPainter& p, const QFont& font, QColor c, QPointF baseline, const QString& s)
{
    p.setFont(font);
    p.setPen(c);
    p.drawText(baseline, s);
}

inline void writeCentred(QPainter& p, const QFont& font, QColor c, qreal x, qreal baseline, const QString& s)
{
    write(p, font, c, QPointF(x - QFontMetricsF(font).horizontalAdvance(s) / 2.0, baseline), s);
}

inline void writeRight(QPainter& p, const QFont& font, QColor c, qreal x, qreal baseline, const QString& s)
{
    write(p, font, c, QPointF(x - QFontMetricsF(font).horizontalAdvance(s), baseline), s);
}

}  // namespace progress::pagetext
