// The whole trace on a small image, with a viewport (scale and origin huge,
// tiny, negative, NaN), a recorded client size, a map centre and zoom and
// translation gestures taken from the input. The shorelines, borders and
// rivers are a few hand-made lines that cross the limb and the date line;
// the ephemeris is the converted published series.
#include "FuzzSupport.h"

#include "datafiles/PolylineImage.h"
#include "datafiles/ShorelineImage.h"
#include "map/Trace.h"
#include "map/ViewportOperations.h"
#include "map/qt/MapImage.h"

#include <QGuiApplication>
#include <fuzzer/FuzzedDataProvider.h>

namespace {

constexpr int kLargestSide = 96;

void WriteShorelines(const fuzz::ScratchDirectory& directory)
{
    struct Polygon {
        std::int32_t level;
        std::vector<ShorelinePoint> points;
    };
    const std::vector<Polygon> polygons{
        {1, {{-20, -20}, {20, -20}, {20, 20}, {-20, 20}, {-20, -20}}},
        {2, {{-5, -5}, {5, -5}, {0, 5}, {-5, -5}}},
        {1, {{170, 50}, {-170, 50}, {-170, 70}, {170, 70}, {170, 50}}},
        {1, {{-180, -70}, {-90, -80}, {0, -70}, {90, -80}, {180, -70}}},
        {3, {{100, 85}, {-100, 85}, {0, 89}, {100, 85}}},
    };
    ShorelineImage image;
    std::int32_t next = 0;
    for (std::size_t polygon = 0; polygon < polygons.size(); ++polygon) {
        image.SetPolygon(static_cast<std::int32_t>(polygon), static_cast<std::int32_t>(polygons[polygon].points.size()),
                         polygons[polygon].level);
        for (const ShorelinePoint& point : polygons[polygon].points) {
            image.SetPoint(next++, point);
        }
    }
    image.SetCounts(static_cast<std::int32_t>(polygons.size()), next);
    fuzz::WriteBytes(directory.File("gshhs_i.dat"), image.Bytes());
}

void WriteLines(const fuzz::ScratchDirectory& directory, const PolylineLayout& layout, float latitudeDegrees)
{
    PolylineImage image(layout);
    const float degree = 0.017453292f;
    std::int32_t point = 0;
    for (float longitude = -180.0f; longitude <= 180.0f; longitude += 15.0f) {
        image.SetPoint(point++, longitude * degree, latitudeDegrees * degree);
    }
    image.SetPointCount(0, point);
    image.SetPoint(point++, 0.0f, -89.0f * degree);
    image.SetPoint(point++, 0.0f, 89.0f * degree);
    image.SetPointCount(1, 2);
    image.SetLineCount(2);
    fuzz::WriteBytes(directory.File(layout.imageName), image.Bytes());
}

struct MapData {
    MapData() : directory("trace")
    {
        fuzz::ConvertEphemerisInto(directory);
        WriteShorelines(directory);
        WriteLines(directory, kBorderLayout, 10.0f);
        WriteLines(directory, kRiverLayout, -30.0f);
    }
    fuzz::ScratchDirectory directory;
};

const MapData& Data()
{
    static const MapData data;
    return data;
}

DevicePoint TakePoint(FuzzedDataProvider& provider)
{
    if (provider.ConsumeBool()) {
        return {provider.ConsumeIntegral<std::int32_t>(), provider.ConsumeIntegral<std::int32_t>()};
    }
    return {provider.ConsumeIntegralInRange<std::int32_t>(-200, 200), provider.ConsumeIntegralInRange<std::int32_t>(-200, 200)};
}

float TakeCoordinate(FuzzedDataProvider& provider)
{
    if (provider.ConsumeBool()) {
        const std::vector<std::uint8_t> bytes = provider.ConsumeBytes<std::uint8_t>(sizeof(float));
        std::span<const std::uint8_t> rest(bytes);
        return fuzz::TakeRaw<float>(rest);
    }
    return provider.ConsumeFloatingPointInRange<float>(-1000.0f, 1000.0f);
}

double TakeDegrees(FuzzedDataProvider& provider)
{
    if (provider.ConsumeBool()) {
        const std::vector<std::uint8_t> bytes = provider.ConsumeBytes<std::uint8_t>(sizeof(double));
        std::span<const std::uint8_t> rest(bytes);
        return fuzz::TakeRaw<double>(rest);
    }
    return provider.ConsumeFloatingPointInRange<double>(-400.0, 400.0);
}

void ApplyGestures(FuzzedDataProvider& provider, CEclipseMap& map)
{
    const int gestures = provider.ConsumeIntegralInRange<int>(0, 4);
    for (int gesture = 0; gesture < gestures; ++gesture) {
        const DevicePoint start = TakePoint(provider);
        const DevicePoint end = TakePoint(provider);
        switch (provider.ConsumeIntegralInRange<int>(0, 2)) {
        case 0:
            ZoomIn(map, start, end);
            break;
        case 1:
            ZoomOut(map, start, end);
            break;
        default:
            Translate(map, start, end);
            break;
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication application(*argc, *argv);
    Data();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider provider(data, size);
    const int width = provider.ConsumeIntegralInRange<int>(1, kLargestSide);
    const int height = provider.ConsumeIntegralInRange<int>(1, kLargestSide);
    CEclipseMap map;
    SetGlobalViewport(map.m_viewport, width, height);
    if (provider.ConsumeBool()) {
        map.m_viewport.m_scale = TakeCoordinate(provider);
        map.m_viewport.m_originX = TakeCoordinate(provider);
        map.m_viewport.m_originY = TakeCoordinate(provider);
    }
    if (provider.ConsumeBool()) {
        map.m_viewport.m_width = provider.ConsumeIntegral<std::int32_t>();
        map.m_viewport.m_height = provider.ConsumeIntegral<std::int32_t>();
    }
    map.m_observation.m_centre = CGeoPosition(TakeDegrees(provider), TakeDegrees(provider));
    map.m_observation.m_minute = provider.ConsumeIntegralInRange<std::int32_t>(0, 75);
    ApplyGestures(provider, map);
    RenderMapImage(map, Data().directory.Path(), TimeModel(), SceneRequest{width, height, MapLayerChoice(), nullptr});
    return 0;
}
