#include "map/qt/PainterSurface.h"

#include <QGuiApplication>

namespace {

QColor ToQColor(RgbColour colour)
{
    return QColor(colour.red, colour.green, colour.blue);
}

QPen PixelPen(RgbColour colour)
{
    QPen pen(ToQColor(colour));
    pen.setWidth(1);
    pen.setCosmetic(true);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

constexpr RgbColour kOutlineColour{0, 0, 0};

} // namespace

CPainterSurface::CPainterSurface(QPainter& painter, int width, int height)
    : m_painter(painter), m_width(width), m_height(height)
{
    m_painter.save();
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    m_painter.setRenderHint(QPainter::TextAntialiasing, false);
    m_painter.setBackgroundMode(Qt::TransparentMode);
    m_painter.setPen(PixelPen(m_penColour));
    m_painter.setBrush(Qt::NoBrush);
}

CPainterSurface::CPainterSurface(QPainter& painter)
    : CPainterSurface(painter, painter.device()->width(), painter.device()->height())
{
}

CPainterSurface::~CPainterSurface()
{
    m_painter.restore();
}

void CPainterSurface::SelectPen(RgbColour colour)
{
    if (m_penColour != colour) {
        m_painter.setPen(PixelPen(colour));
        m_penColour = colour;
    }
}

void CPainterSurface::SelectBrush(std::optional<RgbColour> colour)
{
    if (m_brushColour != colour) {
        m_painter.setBrush(colour ? QBrush(ToQColor(*colour)) : QBrush(Qt::NoBrush));
        m_brushColour = colour;
    }
}

const QPolygon& CPainterSurface::ToPolygon(std::span<const DevicePoint> points)
{
    m_polygon.resize(static_cast<qsizetype>(points.size()));
    for (std::size_t i = 0; i < points.size(); ++i) {
        m_polygon[static_cast<qsizetype>(i)] = QPoint(points[i].x, points[i].y);
    }
    return m_polygon;
}

void CPainterSurface::FillRectangle(int left, int top, int right, int bottom, RgbColour fill)
{
    if (right <= left || bottom <= top) {
        return;
    }
    m_painter.fillRect(QRect(left, top, right - left, bottom - top), ToQColor(fill));
    SelectPen(kOutlineColour);
    SelectBrush(std::nullopt);
    m_painter.drawRect(QRect(left, top, right - left - 1, bottom - top - 1));
}

void CPainterSurface::FillPolygon(std::span<const DevicePoint> points, RgbColour fill)
{
    if (points.empty()) {
        return;
    }
    SelectPen(kOutlineColour);
    SelectBrush(fill);
    m_painter.drawPolygon(ToPolygon(points), Qt::OddEvenFill);
}

void CPainterSurface::DrawPolyline(std::span<const DevicePoint> points, RgbColour pen)
{
    if (points.size() < 2) {
        return;
    }
    SelectPen(pen);
    m_painter.drawPolyline(ToPolygon(points));
}

void CPainterSurface::DrawLine(DevicePoint start, DevicePoint end, RgbColour pen)
{
    if (start == end) {
        return;
    }
    SelectPen(pen);
    m_painter.drawLine(QPoint(start.x, start.y), QPoint(end.x, end.y));
}

void CPainterSurface::SetPixel(int x, int y, RgbColour colour)
{
    // The projection saturates far points to the ends of the int range, where
    // a one-pixel QRect would overflow; such a pixel is off the client anyway.
    if (x < 0 || y < 0 || x >= m_width || y >= m_height) {
        return;
    }
    m_painter.fillRect(QRect(x, y, 1, 1), ToQColor(colour));
}

void CPainterSurface::DrawTextBottomRight(const std::string& text, int right, int bottom, RgbColour colour)
{
    // Fonts need the application object; a bare painter has no text to offer.
    if (QGuiApplication::instance() == nullptr) {
        return;
    }
    // Plain pixels of one colour, as on the screens the maps were made for.
    QFont font = m_painter.font();
    font.setStyleStrategy(QFont::NoAntialias);
    m_painter.setFont(font);
    SelectPen(colour);
    m_painter.drawText(QRect(0, 0, right, bottom), Qt::AlignRight | Qt::AlignBottom | Qt::TextSingleLine,
                       QString::fromStdString(text));
}
