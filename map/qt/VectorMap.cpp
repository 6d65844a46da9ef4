#include "map/qt/VectorMap.h"

#include "map/Trace.h"
#include "map/qt/PainterSurface.h"

#include <QBuffer>
#include <QPainter>
#include <QPageSize>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <algorithm>
#include <cctype>
#include <cmath>

namespace {

constexpr int kScreenDotsPerInch = 96;

std::string LowerCaseExtension(const std::string& path)
{
    const std::size_t dot = path.find_last_of('.');
    const std::size_t slash = path.find_last_of('/');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) {
        return {};
    }
    std::string extension = path.substr(dot);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension;
}

void DrawWholeFrame(QPainter& painter, const CMapTrace& trace, const MapFrame& frame)
{
    CPainterSurface surface(painter, frame.width, frame.height);
    trace.Draw(surface, frame);
}

} // namespace

MapFrame ScaledFrame(const MapFrame& frame, double factor)
{
    // GCC 12 takes the copy of the frame's optional places for a read of
    // uninitialised memory.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif
    MapFrame scaled = frame;
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic pop
#endif
    if (factor == 1.0) {
        return scaled;
    }
    scaled.viewport.m_scale = static_cast<float>(frame.viewport.m_scale * factor);
    scaled.viewport.m_originX = static_cast<float>(frame.viewport.m_originX * factor);
    scaled.viewport.m_originY = static_cast<float>(frame.viewport.m_originY * factor);
    scaled.viewport.m_width = static_cast<int>(std::lround(frame.viewport.m_width * factor));
    scaled.viewport.m_height = static_cast<int>(std::lround(frame.viewport.m_height * factor));
    scaled.pixelSize = frame.pixelSize * factor;
    scaled.width = static_cast<int>(std::lround(frame.width * factor));
    scaled.height = static_cast<int>(std::lround(frame.height * factor));
    return scaled;
}

std::optional<MapFileFormat> MapFileFormatOf(const std::string& path)
{
    if (path == "-") {
        return MapFileFormat::Png;
    }
    const std::string extension = LowerCaseExtension(path);
    if (extension == ".png") {
        return MapFileFormat::Png;
    }
    if (extension == ".svg") {
        return MapFileFormat::Svg;
    }
    if (extension == ".pdf") {
        return MapFileFormat::Pdf;
    }
    return std::nullopt;
}

QByteArray DrawSvgMap(const CMapTrace& trace, const MapFrame& frame, const QString& title)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(QSize(frame.width, frame.height));
    generator.setViewBox(QRect(0, 0, frame.width, frame.height));
    generator.setResolution(kScreenDotsPerInch);
    generator.setTitle(title);
    QPainter painter;
    if (!painter.begin(&generator)) {
        return {};
    }
    DrawWholeFrame(painter, trace, frame);
    painter.end();
    return bytes;
}

// One page the size of the picture, so that a reader shows it as the PNG.
QByteArray DrawPdfMap(const CMapTrace& trace, const MapFrame& frame, const QString& title)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(kScreenDotsPerInch);
        writer.setPageSize(QPageSize(QSizeF(frame.width, frame.height) * (72.0 / kScreenDotsPerInch), QPageSize::Point,
                                     QString(), QPageSize::ExactMatch));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Umbrant"));
        QPainter painter;
        if (!painter.begin(&writer)) {
            return {};
        }
        DrawWholeFrame(painter, trace, frame);
        painter.end();
    }
    return bytes;
}

void DrawMapOnPage(QPainter& painter, const QRectF& page, const CMapTrace& trace, const MapFrame& frame)
{
    if (frame.width <= 0 || frame.height <= 0 || page.isEmpty()) {
        return;
    }
    const double factor = std::min(page.width() / frame.width, page.height() / frame.height);
    const MapFrame scaled = ScaledFrame(frame, factor);
    painter.save();
    painter.translate(page.left() + (page.width() - scaled.width) / 2.0, page.top() + (page.height() - scaled.height) / 2.0);
    painter.setClipRect(QRect(0, 0, scaled.width, scaled.height));
    DrawWholeFrame(painter, trace, scaled);
    painter.restore();
}
