#include "app/GestureCursors.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

constexpr int kCursorSize = 32;
constexpr QPoint kLensCentre(12, 12);
constexpr int kLensRadius = 8;

QPixmap TransparentPixmap(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// Black strokes with a white halo, so that the cursor shows on the dark sky
// as well as on the light globe.
void StrokeWithHalo(QPainter& painter, const QPainterPath& path, qreal width)
{
    painter.strokePath(path, QPen(Qt::white, width + 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.strokePath(path, QPen(Qt::black, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

QCursor MagnifierCursor(bool withVerticalBar)
{
    QPixmap pixmap = TransparentPixmap(kCursorSize);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor(255, 255, 255, 160));
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(kLensCentre, kLensRadius, kLensRadius);

    QPainterPath lens;
    lens.addEllipse(kLensCentre, kLensRadius, kLensRadius);
    StrokeWithHalo(painter, lens, 1.5);
    QPainterPath handle;
    handle.moveTo(18, 18);
    handle.lineTo(28, 28);
    StrokeWithHalo(painter, handle, 3.5);

    QPainterPath sign;
    sign.moveTo(8, 12);
    sign.lineTo(16, 12);
    if (withVerticalBar) {
        sign.moveTo(12, 8);
        sign.lineTo(12, 16);
    }
    painter.strokePath(sign, QPen(Qt::black, 1.5));
    painter.end();
    return QCursor(pixmap, kLensCentre.x(), kLensCentre.y());
}

void AddArrowHead(QPainterPath& path, QPointF tip, QPointF back, QPointF side)
{
    path.moveTo(back + side);
    path.lineTo(tip);
    path.lineTo(back - side);
}

} // namespace

QCursor MakeZoomInCursor()
{
    return MagnifierCursor(true);
}

QCursor MakeZoomOutCursor()
{
    return MagnifierCursor(false);
}

QCursor MakeTranslationCursor()
{
    constexpr qreal centre = 16.0;
    constexpr qreal reach = 13.0;
    constexpr qreal head = 4.0;
    QPixmap pixmap = TransparentPixmap(kCursorSize);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath arrows;
    arrows.moveTo(centre - reach, centre);
    arrows.lineTo(centre + reach, centre);
    arrows.moveTo(centre, centre - reach);
    arrows.lineTo(centre, centre + reach);
    AddArrowHead(arrows, {centre + reach, centre}, {centre + reach - head, centre}, {0, head});
    AddArrowHead(arrows, {centre - reach, centre}, {centre - reach + head, centre}, {0, head});
    AddArrowHead(arrows, {centre, centre - reach}, {centre, centre - reach + head}, {head, 0});
    AddArrowHead(arrows, {centre, centre + reach}, {centre, centre + reach - head}, {head, 0});
    StrokeWithHalo(painter, arrows, 1.5);
    painter.end();
    return QCursor(pixmap, static_cast<int>(centre), static_cast<int>(centre));
}
