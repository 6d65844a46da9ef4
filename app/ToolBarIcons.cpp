#include "app/ToolBarIcons.h"

#include <QPainter>
#include <QPixmap>

namespace {

QPixmap TransparentPixmap(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

} // namespace

QIcon MakeProgramIcon()
{
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64}) {
        QPixmap pixmap = TransparentPixmap(size);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        const QRectF globe(0.5, 0.5, size - 1.0, size - 1.0);
        painter.setPen(QPen(Qt::black, 1.0));
        painter.setBrush(QColor(140, 198, 255));
        painter.drawEllipse(globe);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(255, 231, 156));
        painter.drawEllipse(QRectF(size * 0.2, size * 0.25, size * 0.35, size * 0.45));
        painter.setBrush(QColor(40, 40, 60, 170));
        painter.drawEllipse(QRectF(size * 0.45, size * 0.35, size * 0.3, size * 0.22));
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

QIcon MakePrintIcon()
{
    QIcon icon;
    for (const int size : {16, 32}) {
        const qreal unit = size / 16.0;
        QPixmap pixmap = TransparentPixmap(size);
        QPainter painter(&pixmap);
        painter.scale(unit, unit);
        painter.setPen(QPen(Qt::black, 1.0 / unit));
        painter.setBrush(Qt::white);
        painter.drawRect(QRectF(4.5, 1.5, 7, 5));   // paper going in
        painter.setBrush(QColor(192, 192, 192));
        painter.drawRect(QRectF(1.5, 6.5, 13, 6));  // body
        painter.setBrush(Qt::white);
        painter.drawRect(QRectF(4.5, 10.5, 7, 4));  // paper coming out
        painter.setPen(QPen(QColor(0, 128, 0), 1.0 / unit));
        painter.drawPoint(QPointF(12.5, 8.5));      // power light
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}
