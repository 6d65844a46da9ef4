#include "map/qt/PainterSurface.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPaintEngine>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>

namespace {

QColor ToQColor(RgbColour colour)
{
    return QColor(colour.red, colour.green, colour.blue);
}

QPen PixelPen(RgbColour colour, qreal width, bool cosmetic)
{
    QPen pen(ToQColor(colour));
    pen.setWidthF(width);
    pen.setCosmetic(cosmetic);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

constexpr RgbColour kOutlineColour{0, 0, 0};
// The lines of a hatched area, lighter than their colour.
constexpr double kHatchOpacity = 0.55;

// A coordinate that the integer path can take exactly.
bool IsIntegral(double value)
{
    constexpr double kLowest = std::numeric_limits<int>::min();
    constexpr double kHighest = std::numeric_limits<int>::max();
    return value >= kLowest && value <= kHighest && std::trunc(value) == value;
}

QPoint ToQPoint(MapPoint point)
{
    return QPoint(static_cast<int>(point.x), static_cast<int>(point.y));
}

// Calls plot for each pixel of the segment start-end that lies in bounds, by
// the rule of the screens the maps were made for: the start pixel is lit and
// the end pixel left out, whatever the direction. Between them each column
// (or row, for a steep segment) takes the pixel that the line crosses at the
// column's centre, stepped in 16.16 fixed point from the end with the smaller
// coordinate, so that a segment and its reverse differ only by their ends.
// Lit from that end, the pixels are those of Qt's own aliased stroke. The
// steps run in 64 bits, so that ends far outside the bounds cost no more
// than the bounds' width or height.
template <typename Plot>
void ForEachSegmentPixel(QPoint start, QPoint end, const QRect& bounds, Plot&& plot)
{
    const std::int64_t dx = std::int64_t{end.x()} - start.x();
    const std::int64_t dy = std::int64_t{end.y()} - start.y();
    if (dx == 0 && dy == 0) {
        return;
    }
    const bool alongX = std::llabs(dx) >= std::llabs(dy);
    const std::int64_t majorDelta = alongX ? dx : dy;
    // The segment runs from low to high on its major axis; a segment drawn
    // the other way lights the same run shifted by one step: its start
    // instead of its end.
    const QPoint low = majorDelta > 0 ? start : end;
    const QPoint high = majorDelta > 0 ? end : start;
    const std::int64_t lowMajor = alongX ? low.x() : low.y();
    const std::int64_t lowMinor = alongX ? low.y() : low.x();
    const std::int64_t highMinor = alongX ? high.y() : high.x();
    const std::int64_t length = std::llabs(majorDelta);
    const std::int64_t step = ((highMinor - lowMinor) * 65536) / length;
    const std::int64_t minorAtLow = lowMinor * 65536 + (step > 0 ? step / 2 : 0);

    const std::int64_t majorFirst = alongX ? bounds.left() : bounds.top();
    const std::int64_t majorLast = alongX ? bounds.right() : bounds.bottom();
    const std::int64_t minorFirst = alongX ? bounds.top() : bounds.left();
    const std::int64_t minorLast = alongX ? bounds.bottom() : bounds.right();
    const std::int64_t from = std::max<std::int64_t>(majorDelta > 0 ? 0 : 1, majorFirst - lowMajor);
    const std::int64_t to = std::min<std::int64_t>(majorDelta > 0 ? length - 1 : length, majorLast - lowMajor);
    for (std::int64_t k = from; k <= to; ++k) {
        const std::int64_t minor = (minorAtLow + k * step) >> 16;
        if (minor < minorFirst || minor > minorLast) {
            continue;
        }
        const int major = static_cast<int>(lowMajor + k);
        plot(alongX ? QPoint(major, static_cast<int>(minor)) : QPoint(static_cast<int>(minor), major));
    }
}

// Restores the painter's base-map state after a styled drawing.
class StyledDrawing {
public:
    explicit StyledDrawing(QPainter& painter) : m_painter(painter)
    {
        m_painter.save();
        m_painter.setRenderHint(QPainter::Antialiasing, true);
    }
    ~StyledDrawing() { m_painter.restore(); }
    StyledDrawing(const StyledDrawing&) = delete;
    StyledDrawing& operator=(const StyledDrawing&) = delete;

private:
    QPainter& m_painter;
};

QColor Translucent(RgbColour colour, double opacity)
{
    QColor result = ToQColor(colour);
    result.setAlphaF(static_cast<float>(std::clamp(opacity, 0.0, 1.0)));
    return result;
}

} // namespace

CPainterSurface::CPainterSurface(QPainter& painter, int width, int height)
    : m_painter(painter), m_width(width), m_height(height)
{
    m_painter.save();
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    m_painter.setRenderHint(QPainter::TextAntialiasing, false);
    m_painter.setBackgroundMode(Qt::TransparentMode);
    m_painter.setBrush(Qt::NoBrush);
    // Pixels are the raster's own; a printer or a vector file strokes the
    // lines, and so does a scaled painter, whose pixels are not the device's.
    const QTransform& toDevice = m_painter.deviceTransform();
    m_pixelExact = m_painter.paintEngine() != nullptr && m_painter.paintEngine()->type() == QPaintEngine::Raster &&
                   toDevice.type() <= QTransform::TxTranslate;
    if (m_pixelExact && m_painter.device() != nullptr) {
        m_pixelBounds = toDevice.inverted().mapRect(QRect(0, 0, m_painter.device()->width(), m_painter.device()->height()));
    }
    // A line is a screen pixel wide, 1/96 inch, on a printer's page too,
    // where a device pixel would be a hairline. It is given in the
    // painter's units and scales with them: a print preview replays the
    // page smaller, and cosmetic pens a dozen printer pixels wide would
    // swell there into blots.
    if (!m_pixelExact && m_painter.device() != nullptr) {
        const double devicePixels = std::max(1.0, m_painter.device()->logicalDpiX() / 96.0);
        const double unitsToDevice = std::sqrt(std::fabs(toDevice.determinant()));
        m_lineWidth = unitsToDevice > 0.0 ? devicePixels / unitsToDevice : devicePixels;
        m_cosmeticPens = false;
    }
    m_painter.setPen(PixelPen(m_penColour, m_lineWidth, m_cosmeticPens));
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
        m_painter.setPen(PixelPen(colour, m_lineWidth, m_cosmeticPens));
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

bool CPainterSurface::ToIntegerPolygon(std::span<const MapPoint> points)
{
    m_polygon.resize(static_cast<qsizetype>(points.size()));
    for (std::size_t i = 0; i < points.size(); ++i) {
        if (!IsIntegral(points[i].x) || !IsIntegral(points[i].y)) {
            return false;
        }
        m_polygon[static_cast<qsizetype>(i)] = ToQPoint(points[i]);
    }
    return true;
}

const QPolygonF& CPainterSurface::ToPolygonF(std::span<const MapPoint> points)
{
    m_polygonF.resize(static_cast<qsizetype>(points.size()));
    for (std::size_t i = 0; i < points.size(); ++i) {
        m_polygonF[static_cast<qsizetype>(i)] = QPointF(points[i].x, points[i].y);
    }
    return m_polygonF;
}

void CPainterSurface::FillRectangle(double left, double top, double right, double bottom, RgbColour fill)
{
    if (!(right > left && bottom > top)) {
        return;
    }
    SelectPen(kOutlineColour);
    SelectBrush(std::nullopt);
    if (IsIntegral(left) && IsIntegral(top) && IsIntegral(right - left) && IsIntegral(bottom - top)) {
        const QRect rectangle(static_cast<int>(left), static_cast<int>(top), static_cast<int>(right - left),
                              static_cast<int>(bottom - top));
        m_painter.fillRect(rectangle, ToQColor(fill));
        m_painter.drawRect(rectangle.adjusted(0, 0, -1, -1));
        return;
    }
    const QRectF rectangle(left, top, right - left, bottom - top);
    m_painter.fillRect(rectangle, ToQColor(fill));
    m_painter.drawRect(rectangle);
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

void CPainterSurface::FillPolygon(std::span<const MapPoint> points, RgbColour fill)
{
    if (points.empty()) {
        return;
    }
    SelectPen(kOutlineColour);
    SelectBrush(fill);
    if (ToIntegerPolygon(points)) {
        m_painter.drawPolygon(m_polygon, Qt::OddEvenFill);
    } else {
        m_painter.drawPolygon(ToPolygonF(points), Qt::OddEvenFill);
    }
}

void CPainterSurface::StrokeIntegerPolyline(const QPolygon& polygon)
{
    if (!m_pixelExact) {
        m_painter.drawPolyline(polygon);
        return;
    }
    // Each segment lights its start and leaves its end to the next one, so
    // that every vertex but the last is lit once.
    m_pixels.clear();
    for (qsizetype i = 1; i < polygon.size(); ++i) {
        ForEachSegmentPixel(polygon[i - 1], polygon[i], m_pixelBounds, [this](QPoint pixel) { m_pixels.push_back(pixel); });
    }
    if (!m_pixels.empty()) {
        m_painter.drawPoints(m_pixels.data(), static_cast<int>(m_pixels.size()));
    }
}

void CPainterSurface::DrawPolyline(std::span<const DevicePoint> points, RgbColour pen)
{
    if (points.size() < 2) {
        return;
    }
    SelectPen(pen);
    StrokeIntegerPolyline(ToPolygon(points));
}

void CPainterSurface::DrawPolyline(std::span<const MapPoint> points, RgbColour pen)
{
    if (points.size() < 2) {
        return;
    }
    SelectPen(pen);
    if (ToIntegerPolygon(points)) {
        StrokeIntegerPolyline(m_polygon);
    } else {
        m_painter.drawPolyline(ToPolygonF(points));
    }
}

void CPainterSurface::DrawLine(MapPoint start, MapPoint end, RgbColour pen)
{
    if (start == end) {
        return;
    }
    SelectPen(pen);
    if (IsIntegral(start.x) && IsIntegral(start.y) && IsIntegral(end.x) && IsIntegral(end.y)) {
        m_polygon.resize(2);
        m_polygon[0] = ToQPoint(start);
        m_polygon[1] = ToQPoint(end);
        StrokeIntegerPolyline(m_polygon);
    } else {
        m_painter.drawLine(QPointF(start.x, start.y), QPointF(end.x, end.y));
    }
}

void CPainterSurface::SetPixel(double x, double y, RgbColour colour)
{
    // The projection saturates far points to the ends of the int range, where
    // a one-pixel QRect would overflow; such a pixel is off the client anyway.
    if (!(x >= 0.0 && y >= 0.0 && x < m_width && y < m_height)) {
        return;
    }
    if (m_pixelExact && IsIntegral(x) && IsIntegral(y)) {
        m_painter.fillRect(QRect(static_cast<int>(x), static_cast<int>(y), 1, 1), ToQColor(colour));
    } else {
        m_painter.fillRect(QRectF(x, y, m_lineWidth, m_lineWidth), ToQColor(colour));
    }
}

void CPainterSurface::DrawTextBottomRight(const std::string& text, double right, double bottom, RgbColour colour)
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
    m_painter.drawText(QRectF(0.0, 0.0, right, bottom), Qt::AlignRight | Qt::AlignBottom | Qt::TextSingleLine,
                       QString::fromStdString(text));
}

void CPainterSurface::StrokePolyline(std::span<const MapPoint> points, const LineStyle& style)
{
    if (points.size() < 2) {
        return;
    }
    const StyledDrawing styled(m_painter);
    QPen pen(Translucent(style.colour, style.opacity), style.width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    if (style.dashed) {
        pen.setStyle(Qt::DashLine);
    }
    m_painter.setPen(pen);
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawPolyline(ToPolygonF(points));
}

void CPainterSurface::FillArea(std::span<const MapPoint> points, const AreaStyle& style)
{
    if (points.size() < 3) {
        return;
    }
    const StyledDrawing styled(m_painter);
    m_painter.setPen(Qt::NoPen);
    m_painter.setBrush(Translucent(style.colour, style.opacity));
    m_painter.drawPolygon(ToPolygonF(points), Qt::OddEvenFill);
    if (style.hatched) {
        m_painter.setBrush(QBrush(Translucent(style.colour, kHatchOpacity), Qt::BDiagPattern));
        m_painter.drawPolygon(ToPolygonF(points), Qt::OddEvenFill);
    }
}

void CPainterSurface::DrawLabel(const std::string& text, MapPoint anchor, double pointSize, RgbColour colour)
{
    if (QGuiApplication::instance() == nullptr || !(pointSize > 0.0)) {
        return;
    }
    const StyledDrawing styled(m_painter);
    m_painter.setRenderHint(QPainter::TextAntialiasing, true);
    QFont font = m_painter.font();
    font.setPointSizeF(pointSize);
    m_painter.setFont(font);
    m_painter.setPen(ToQColor(colour));
    m_painter.drawText(QPointF(anchor.x, anchor.y), QString::fromStdString(text));
}

MapPoint CPainterSurface::LabelSize(const std::string& text, double pointSize) const
{
    if (QGuiApplication::instance() == nullptr || !(pointSize > 0.0) || m_painter.device() == nullptr) {
        return IDrawingSurface::LabelSize(text, pointSize);
    }
    QFont font = m_painter.font();
    font.setPointSizeF(pointSize);
    const QFontMetricsF metrics(font, m_painter.device());
    // The painter's units are the device's divided by its scale.
    const double unitsToDevice = std::sqrt(std::fabs(m_painter.deviceTransform().determinant()));
    const double scale = unitsToDevice > 0.0 ? 1.0 / unitsToDevice : 1.0;
    return {metrics.horizontalAdvance(QString::fromStdString(text)) * scale, metrics.height() * scale};
}
