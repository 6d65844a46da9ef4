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
    void FillRectangle(int left, int top, int right, int bottom, RgbColour fill) override
    {
        shapes.push_back({Shape::Kind::Rectangle, {{left, top}, {right, bottom}}, fill, {}});
    }
    void FillPolygon(std::span<const DevicePoint> points, RgbColour fill) override
    {
        shapes.push_back({Shape::Kind::Polygon, {points.begin(), points.end()}, fill, {}});
    }
    void DrawPolyline(std::span<const DevicePoint> points, RgbColour pen) override
    {
        shapes.push_back({Shape::Kind::Polyline, {points.begin(), points.end()}, pen, {}});
    }
    void DrawLine(DevicePoint start, DevicePoint end, RgbColour pen) override
    {
        shapes.push_back({Shape::Kind::Line, {start, end}, pen, {}});
    }
    void SetPixel(int x, int y, RgbColour colour) override { shapes.push_back({Shape::Kind::Pixel, {{x, y}}, colour, {}}); }
    void DrawTextBottomRight(const std::string& text, int right, int bottom, RgbColour colour) override
    {
        shapes.push_back({Shape::Kind::Text, {{right, bottom}}, colour, text});
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
    int m_width;
    int m_height;
};
