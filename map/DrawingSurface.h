#pragma once

#include <cstdint>
#include <span>
#include <string>

// A device point: integer pixels of the client area, origin top left, y down.
struct DevicePoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
    friend bool operator==(const DevicePoint&, const DevicePoint&) = default;
};

struct RgbColour {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const RgbColour&, const RgbColour&) = default;
};

// What the map layers draw on. Nothing in a layer knows whether the surface is
// a window, an image or a printer page. Pens are solid and 1 pixel wide;
// outlines are black.
class IDrawingSurface {
public:
    virtual ~IDrawingSurface() = default;

    // The client rectangle is (0, 0) to (ClientWidth(), ClientHeight()).
    virtual int ClientWidth() const = 0;
    virtual int ClientHeight() const = 0;

    // Fills the rectangle [left, right) x [top, bottom) and outlines it in black.
    virtual void FillRectangle(int left, int top, int right, int bottom, RgbColour fill) = 0;
    // Fills a closed polygon by the even-odd rule and outlines it in black.
    virtual void FillPolygon(std::span<const DevicePoint> points, RgbColour fill) = 0;
    // Strokes an open polyline through the points.
    virtual void DrawPolyline(std::span<const DevicePoint> points, RgbColour pen) = 0;
    // Strokes a line from start towards end; the end pixel itself is not set.
    virtual void DrawLine(DevicePoint start, DevicePoint end, RgbColour pen) = 0;
    virtual void SetPixel(int x, int y, RgbColour colour) = 0;
    // Writes one line of text (UTF-8), transparent background, in the surface's
    // default font, with the text's bottom-right corner at (right, bottom).
    virtual void DrawTextBottomRight(const std::string& text, int right, int bottom, RgbColour colour) = 0;
};
