#pragma once

#include "map/DrawingSurface.h"

#include <string>
#include <vector>

// A drawing surface that remembers what it was asked to draw.
class RecordingSurface : public IDrawingSurface {
public:
    struct Shape {
        enum class Kind { Rectangle, Polygon, Polyline, Line, Pixel, Text } kind;
        std::vector<DevicePoint> points;
        RgbColour colour;
        std::string text;
    };

    RecordingSurface(int width, int height) : m_width(width), m_height(height) {}

    int ClientWidth() const override { return m_width; }
    int ClientHeight() const override { return m_height; }
    void FillRectangle(double left, double top, double right, double bottom, RgbColour fill) override
    {
        shapes.push_back({Shape::Kind::Rectangle, {Pixel(left, top), Pixel(right, bottom)}, fill, {}});
    }
    void FillPolygon(std::span<const DevicePoint> points, RgbColour fill) override
    {
        shapes.push_back({Shape::Kind::Polygon, {points.begin(), points.end()}, fill, {}});
    }
    void FillPolygon(std::span<const MapPoint> points, RgbColour fill) override
    {
        shapes.push_back({Shape::Kind::Polygon, Pixels(points), fill, {}});
    }
    void DrawPolyline(std::span<const DevicePoint> points, RgbColour pen) override
    {
        shapes.push_back({Shape::Kind::Polyline, {points.begin(), points.end()}, pen, {}});
    }
    void DrawPolyline(std::span<const MapPoint> points, RgbColour pen) override
    {
        shapes.push_back({Shape::Kind::Polyline, Pixels(points), pen, {}});
    }
    void DrawLine(MapPoint start, MapPoint end, RgbColour pen) override
    {
        shapes.push_back({Shape::Kind::Line, {Pixel(start.x, start.y), Pixel(end.x, end.y)}, pen, {}});
    }
    void SetPixel(double x, double y, RgbColour colour) override
    {
        shapes.push_back({Shape::Kind::Pixel, {Pixel(x, y)}, colour, {}});
    }
    void DrawTextBottomRight(const std::string& text, double right, double bottom, RgbColour colour) override
    {
        shapes.push_back({Shape::Kind::Text, {Pixel(right, bottom)}, colour, text});
    }
    void StrokePolyline(std::span<const MapPoint> points, const LineStyle& style) override
    {
        shapes.push_back({Shape::Kind::Polyline, Pixels(points), style.colour, {}});
    }
    void FillArea(std::span<const MapPoint> points, const AreaStyle& style) override
    {
        shapes.push_back({Shape::Kind::Polygon, Pixels(points), style.colour, {}});
    }
    void DrawLabel(const std::string& text, MapPoint anchor, double, RgbColour colour) override
    {
        shapes.push_back({Shape::Kind::Text, {Pixel(anchor.x, anchor.y)}, colour, text});
    }

    std::vector<Shape> Of(Shape::Kind kind) const
    {
        std::vector<Shape> found;
        for (const Shape& shape : shapes) {
            if (shape.kind == kind) {
                found.push_back(shape);
            }
        }
        return found;
    }

    std::vector<Shape> shapes;

private:
    // The layers under test draw whole pixels; the record keeps them as such.
    static DevicePoint Pixel(double x, double y) { return {static_cast<std::int32_t>(x), static_cast<std::int32_t>(y)}; }
    static std::vector<DevicePoint> Pixels(std::span<const MapPoint> points)
    {
        std::vector<DevicePoint> pixels;
        for (const MapPoint point : points) {
            pixels.push_back(Pixel(point.x, point.y));
        }
        return pixels;
    }

    int m_width;
    int m_height;
};
