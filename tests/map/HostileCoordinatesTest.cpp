// Drawing with the coordinates that hostile viewports and documents produce:
// the projection saturates absurdly far points to the ends of the int range,
// and the surfaces must take them without overflowing.
#include "map/qt/PainterSurface.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace {

constexpr int kIntMax = std::numeric_limits<int>::max();
constexpr int kIntMin = std::numeric_limits<int>::min();
constexpr RgbColour kWhite{255, 255, 255};

std::vector<QPoint> WhitePixels(const QImage& image)
{
    std::vector<QPoint> found;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) == qRgb(255, 255, 255)) {
                found.emplace_back(x, y);
            }
        }
    }
    return found;
}

} // namespace

TEST(PainterSurfaceAtTheEndsOfTheIntRange, SetsOnlyThePixelsInsideTheClient)
{
    QImage image(4, 3, QImage::Format_RGB32);
    image.fill(Qt::black);
    {
        QPainter painter(&image);
        CPainterSurface surface(painter, 4, 3);
        surface.SetPixel(kIntMax, 1, kWhite);
        surface.SetPixel(1, kIntMax, kWhite);
        surface.SetPixel(kIntMin, kIntMin, kWhite);
        surface.SetPixel(4, 0, kWhite);
        surface.SetPixel(0, -1, kWhite);
        surface.SetPixel(3, 2, kWhite);
    }
    EXPECT_EQ(WhitePixels(image), std::vector<QPoint>{QPoint(3, 2)});
}
