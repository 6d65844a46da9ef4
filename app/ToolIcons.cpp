#include "app/ToolIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <functional>

namespace {

const QColor kGlobeColour(140, 198, 255);
const QColor kMarkerColour(0, 90, 220);

// An icon of 16 and 32 pixels, drawn on a 16-unit square.
QIcon DrawnIcon(const std::function<void(QPainter&, qreal pixel)>& draw)
{
    QIcon icon;
    for (const int size : {16, 32}) {
        const qreal unit = size / 16.0;
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(unit, unit);
        draw(painter, 1.0 / unit);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

void DrawGlobe(QPainter& painter, qreal pixel)
{
    painter.setPen(QPen(Qt::black, pixel));
    painter.setBrush(kGlobeColour);
    painter.drawEllipse(QRectF(0.5, 0.5, 15.0, 15.0));
}

void DrawMarker(QPainter& painter, qreal pixel, QPointF at, qreal radius)
{
    painter.setPen(QPen(Qt::black, pixel));
    painter.setBrush(kMarkerColour);
    painter.drawEllipse(at, radius, radius);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawEllipse(at, radius / 2.5, radius / 2.5);
}

} // namespace

QIcon MakeObserverIcon()
{
    return DrawnIcon([](QPainter& painter, qreal pixel) {
        DrawGlobe(painter, pixel);
        DrawMarker(painter, pixel, QPointF(8.0, 8.0), 4.0);
    });
}

QIcon MakeSeparationIcon()
{
    return DrawnIcon([](QPainter& painter, qreal pixel) {
        DrawGlobe(painter, pixel);
        QPainterPath arc(QPointF(3.5, 11.0));
        arc.quadTo(QPointF(7.0, 1.0), QPointF(12.5, 6.0));
        painter.setPen(QPen(Qt::darkRed, 1.5 * pixel, Qt::DashLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(arc);
        DrawMarker(painter, pixel, QPointF(3.5, 11.0), 2.2);
        DrawMarker(painter, pixel, QPointF(12.5, 6.0), 2.2);
    });
}
