#pragma once

#include "map/DrawingSurface.h"

#include <QPainter>

#include <optional>

// The map's drawing surface on a QPainter (image, widget or printer), drawn
// aliased with 1-pixel cosmetic pens so that pixels land where GDI would put
// them: a point at (x, y) lights the pixel whose top-left corner it is.
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
    void FillRectangle(int left, int top, int right, int bottom, RgbColour fill) override;
    void FillPolygon(std::span<const DevicePoint> points, RgbColour fill) override;
    void DrawPolyline(std::span<const DevicePoint> points, RgbColour pen) override;
    void DrawLine(DevicePoint start, DevicePoint end, RgbColour pen) override;
    void SetPixel(int x, int y, RgbColour colour) override;
    void DrawTextBottomRight(const std::string& text, int right, int bottom, RgbColour colour) override;

private:
    void SelectPen(RgbColour colour);
    void SelectBrush(std::optional<RgbColour> colour);
    const QPolygon& ToPolygon(std::span<const DevicePoint> points);

    QPainter& m_painter;
    int m_width;
    int m_height;
    QPolygon m_polygon;  // reused between calls
    RgbColour m_penColour{0, 0, 0};
    std::optional<RgbColour> m_brushColour;
};
