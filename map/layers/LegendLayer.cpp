#include "map/layers/LegendLayer.h"

#include "map/MapColours.h"
#include "map/MapLegend.h"
#include "map/layers/AnnotationLayers.h"
#include "map/layers/EclipsePathLayer.h"

#include <algorithm>
#include <vector>

namespace {

constexpr double kTitlePointSize = 11.0;
constexpr double kTextPointSize = 8.5;
// Screen pixels, multiplied by the frame's pixel size.
constexpr double kMargin = 8.0;
constexpr double kPadding = 6.0;
constexpr double kMarkWidth = 28.0;
constexpr double kMarkGap = 6.0;
constexpr double kLeastRowHeight = 15.0;
constexpr RgbColour kTextColour{25, 25, 25};
constexpr RgbColour kBoxColour{255, 255, 255};
constexpr double kBoxOpacity = 0.82;
// The baseline lies this far down a line of text.
constexpr double kAscentShare = 0.78;

void FillBox(IDrawingSurface& surface, double left, double top, double width, double height)
{
    const MapPoint corners[] = {{left, top}, {left + width, top}, {left + width, top + height}, {left, top + height}};
    surface.FillArea(corners, {kBoxColour, kBoxOpacity});
}

void DrawTitle(IDrawingSurface& surface, const std::vector<std::string>& lines, double px)
{
    std::vector<MapPoint> sizes;
    double width = 0.0;
    double height = 0.0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        sizes.push_back(surface.LabelSize(lines[i], i == 0 ? kTitlePointSize : kTextPointSize));
        width = std::max(width, sizes.back().x);
        height += sizes.back().y;
    }
    const double left = kMargin * px;
    double top = kMargin * px;
    FillBox(surface, left, top, width + 2.0 * kPadding * px, height + 2.0 * kPadding * px);
    top += kPadding * px;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        surface.DrawLabel(lines[i], {left + kPadding * px, top + kAscentShare * sizes[i].y},
                          i == 0 ? kTitlePointSize : kTextPointSize, kTextColour);
        top += sizes[i].y;
    }
}

void StrokeMarkLine(IDrawingSurface& surface, double left, double middle, double width, const LineStyle& style)
{
    const MapPoint line[] = {{left, middle}, {left + width, middle}};
    surface.StrokePolyline(line, style);
}

// The shadow's marks: the axis cross, then the dots of the umbra and of the
// penumbra.
void DrawShadowMark(IDrawingSurface& surface, double left, double middle, double px)
{
    const double half = 4.0 * px;
    surface.DrawLine({left + half, middle - half}, {left + half, middle + half}, kAxisCrossColour);
    surface.DrawLine({left, middle}, {left + 2.0 * half, middle}, kAxisCrossColour);
    for (double x = left + 12.0 * px; x < left + kMarkWidth * px; x += 3.0 * px) {
        surface.SetPixel(x, middle, x < left + 20.0 * px ? kUmbraOutlineColour : kPenumbraOutlineColour);
    }
}

void DrawMark(IDrawingSurface& surface, LegendMark mark, double left, double middle, double px)
{
    const double width = kMarkWidth * px;
    switch (mark) {
    case LegendMark::UmbralBand: {
        const double half = 4.5 * px;
        const MapPoint band[] = {{left, middle - half}, {left + width, middle - half}, {left + width, middle + half},
                                 {left, middle + half}};
        surface.FillArea(band, {kBandColour, kBandOpacity});
        StrokeMarkLine(surface, left, middle - half, width, {kBandColour, 1.4 * px});
        StrokeMarkLine(surface, left, middle + half, width, {kBandColour, 1.4 * px});
        break;
    }
    case LegendMark::CentralLine: StrokeMarkLine(surface, left, middle, width, {kCentralColour, 2.0 * px}); break;
    case LegendMark::PenumbralLimit:
        StrokeMarkLine(surface, left, middle, width, {kPenumbralLimitColour, 1.6 * px, 1.0, true});
        break;
    case LegendMark::RiseSetContacts: StrokeMarkLine(surface, left, middle, width, {kHorizonColour, 1.4 * px}); break;
    case LegendMark::RiseSetMaximum:
        StrokeMarkLine(surface, left, middle, width, {kHorizonColour, 1.2 * px, 1.0, true});
        break;
    case LegendMark::MagnitudeCurve:
        StrokeMarkLine(surface, left, middle, width, {kMagnitudeColour, 1.0 * px, 0.8, true});
        break;
    case LegendMark::GreatestEclipse: DrawGreatestEclipseMark(surface, {left + width / 2.0, middle}, px); break;
    case LegendMark::Shadow: DrawShadowMark(surface, left, middle, px); break;
    case LegendMark::Observer: DrawObserverMark(surface, {left + width / 2.0, middle}, px); break;
    case LegendMark::Terminator: StrokeMarkLine(surface, left, middle, width, {kTerminatorColour, 1.6 * px, 0.8}); break;
    }
}

void DrawKey(IDrawingSurface& surface, const std::vector<MapLegend::Entry>& entries, double px)
{
    double textWidth = 0.0;
    double rowHeight = kLeastRowHeight * px;
    for (const MapLegend::Entry& entry : entries) {
        const MapPoint size = surface.LabelSize(entry.text, kTextPointSize);
        textWidth = std::max(textWidth, size.x);
        rowHeight = std::max(rowHeight, size.y);
    }
    const double width = (2.0 * kPadding + kMarkWidth + kMarkGap) * px + textWidth;
    const double height = 2.0 * kPadding * px + rowHeight * static_cast<double>(entries.size());
    const double left = kMargin * px;
    double top = surface.ClientHeight() - kMargin * px - height;
    FillBox(surface, left, top, width, height);
    top += kPadding * px;
    for (const MapLegend::Entry& entry : entries) {
        const double middle = top + rowHeight / 2.0;
        DrawMark(surface, entry.mark, left + kPadding * px, middle, px);
        const double textHeight = surface.LabelSize(entry.text, kTextPointSize).y;
        surface.DrawLabel(entry.text, {left + (kPadding + kMarkWidth + kMarkGap) * px, middle + (kAscentShare - 0.5) * textHeight},
                          kTextPointSize, kTextColour);
        top += rowHeight;
    }
}

} // namespace

void CLegendLayer::Draw(IDrawingSurface& surface, const MapFrame& frame) const
{
    if (frame.legend == nullptr) {
        return;
    }
    if (!frame.legend->title.empty()) {
        DrawTitle(surface, frame.legend->title, frame.pixelSize);
    }
    if (!frame.legend->entries.empty()) {
        DrawKey(surface, frame.legend->entries, frame.pixelSize);
    }
}
