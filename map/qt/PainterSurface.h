#pragma once

#include "map/DrawingSurface.h"

#include <QPainter>

#include <optional>
#include <vector>

// The map's drawing surface on a QPainter (image, widget, printer, SVG or
// PDF). On a raster the base map is drawn aliased with 1-pixel cosmetic
// pens so that pixels land where GDI would put them: a point at (x, y)
// lights the pixel whose top-left corner it is; integer coordinates take
// exactly that road whatever the call, and a line with integer ends lights
// its start pixel and leaves its end pixel out in every direction. Anywhere
// else (a printer, its preview, a vector file, a scaled painter) lines and
// dots are a screen pixel wide, 1/96 inch, in the painter's own units, so
// that a preview that scales the page scales them with it. The annotation
// layers' styled drawing is smoothed.
// The painter's state is restored when the surface goes.
class CPainterSurface : public IDrawingSurface {
public:
    // The client rectangle is (0, 0)-(width, height) in the painter's coordinates.
    CPainterSurface(QPainter& painter, int width, int height);
    // The client rectangle is the painter's whole device.
    explicit CPainterSurface(QPainter& painter);
    ~CPainterSurface() override;
    CPainterSurface(const CPainterSurface&) = delete;
    CPainterSurface& operator=(const CPainterSurface&) = delete;

    int ClientWidth() const override { return m_width; }
    int ClientHeight() const override { return m_height; }
    void FillRectangle(double left, double top, double right, double bottom, RgbColour fill) override;
    void FillPolygon(std::span<const MapPoint> points, RgbColour fill) override;
    void DrawPolyline(std::span<const MapPoint> points, RgbColour pen) override;
    void DrawLine(MapPoint start, MapPoint end, RgbColour pen) override;
    void SetPixel(double x, double y, RgbColour colour) override;
    void DrawTextBottomRight(const std::string& text, double right, double bottom, RgbColour colour) override;
    void StrokePolyline(std::span<const MapPoint> points, const LineStyle& style) override;
    void FillArea(std::span<const MapPoint> points, const AreaStyle& style) override;
    void DrawLabel(const std::string& text, MapPoint anchor, double pointSize, RgbColour colour) override;
    MapPoint LabelSize(const std::string& text, double pointSize) const override;
    void FillPolygon(std::span<const DevicePoint> points, RgbColour fill) override;
    void DrawPolyline(std::span<const DevicePoint> points, RgbColour pen) override;

private:
    void SelectPen(RgbColour colour);
    void SelectBrush(std::optional<RgbColour> colour);
    const QPolygon& ToPolygon(std::span<const DevicePoint> points);
    // Integral points go to the integer path; others are drawn as they are.
    bool ToIntegerPolygon(std::span<const MapPoint> points);
    const QPolygonF& ToPolygonF(std::span<const MapPoint> points);
    void StrokeIntegerPolyline(const QPolygon& polygon);

    QPainter& m_painter;
    int m_width;
    int m_height;
    QPolygon m_polygon;    // reused between calls
    QPolygonF m_polygonF;  // reused between calls
    std::vector<QPoint> m_pixels;  // reused between calls
    bool m_pixelExact = false;     // lines are lit pixel by pixel
    QRect m_pixelBounds;           // the device's pixels, in the painter's coordinates
    qreal m_lineWidth = 1.0;       // the painter's units; device pixels on a raster
    bool m_cosmeticPens = true;    // pens keep their width in device pixels
    RgbColour m_penColour{0, 0, 0};
    std::optional<RgbColour> m_brushColour;
};
