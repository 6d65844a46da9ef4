#include "map/qt/MapRenderer.h"

#include "map/Trace.h"
#include "map/qt/MapImage.h"
#include "map/qt/PainterSurface.h"
#include "map/qt/VectorMap.h"

#include <cmath>
#include <cstring>

namespace {

// Copies the static picture into the target, reusing the target's memory
// when it has the size already: fresh memory is slow to touch.
void CopyPicture(const QImage& picture, QImage& target)
{
    if (target.size() != picture.size() || target.format() != picture.format()) {
        target = NewMapImage(picture.width(), picture.height());
        target.setDotsPerMeterX(picture.dotsPerMeterX());
        target.setDotsPerMeterY(picture.dotsPerMeterY());
    }
    const std::size_t lineBytes = static_cast<std::size_t>(picture.width()) * 4;
    for (int y = 0; y < picture.height(); ++y) {
        std::memcpy(target.scanLine(y), picture.constScanLine(y), lineBytes);
    }
}

} // namespace

bool CMapRenderer::StaticKey::Matches(const StaticKey& other) const
{
    const auto sameViewport = [](const CViewport& a, const CViewport& b) {
        return a.m_scale == b.m_scale && a.m_originX == b.m_originX && a.m_originY == b.m_originY;
    };
    return sameViewport(viewport, other.viewport) && centre.m_longitude == other.centre.m_longitude &&
           centre.m_latitude == other.centre.m_latitude && width == other.width && height == other.height &&
           pixelRatio == other.pixelRatio &&
           layers == other.layers && eclipse == other.eclipse && timeOffsetHours == other.timeOffsetHours &&
           data == other.data;
}

void CMapRenderer::Clear()
{
    m_static = QImage();
    m_valid = false;
}

void CMapRenderer::SetPixelRatio(double ratio)
{
    m_pixelRatio = ratio > 0.0 && std::isfinite(ratio) ? ratio : 1.0;
}

// Text is set in points: a denser picture gets proportionally more dots per
// metre, so that it keeps its size on the screen.
QImage CMapRenderer::NewPicture(int width, int height) const
{
    QImage picture = NewMapImage(width, height);
    if (m_pixelRatio != 1.0) {
        picture.setDotsPerMeterX(static_cast<int>(std::lround(picture.dotsPerMeterX() * m_pixelRatio)));
        picture.setDotsPerMeterY(static_cast<int>(std::lround(picture.dotsPerMeterY() * m_pixelRatio)));
    }
    return picture;
}

void CMapRenderer::DrawStatic(const CMapTrace& trace, const MapFrame& frame, const StaticKey& key)
{
    if (m_static.width() != frame.width || m_static.height() != frame.height || key.pixelRatio != m_key.pixelRatio) {
        m_static = NewPicture(frame.width, frame.height);
    }
    {
        QPainter painter(&m_static);
        CPainterSurface surface(painter, frame.width, frame.height);
        trace.DrawStatic(surface, frame);
    }
    m_key = key;
    m_valid = true;
    ++m_staticDrawCount;
}

void CMapRenderer::Render(QImage& image, const CMapTrace& trace, const MapFrame& clientFrame)
{
    const MapFrame frame = ScaledFrame(clientFrame, m_pixelRatio);
    const StaticKey key{frame.viewport, frame.centre,      frame.width,           frame.height,      m_pixelRatio,
                        frame.layers,   frame.eclipse, frame.timeOffsetHours, trace.StaticData()};
    if (!m_valid || !key.Matches(m_key)) {
        DrawStatic(trace, frame, key);
    }
    // The layers draw in device pixels: the painter must not scale.
    image.setDevicePixelRatio(1.0);
    CopyPicture(m_static, image);
    {
        QPainter painter(&image);
        CPainterSurface surface(painter, frame.width, frame.height);
        trace.DrawDynamic(surface, frame);
    }
    image.setDevicePixelRatio(m_pixelRatio);
}

void CMapRenderer::Render(QImage& image, const Ephemeris& ephemeris, const CEclipseMap& map,
                          const std::string& dataDirectory, const SceneRequest& request)
{
    const CMapTrace trace(dataDirectory);
    Render(image, trace, ComposeScene(ephemeris, map, request).frame);
}
