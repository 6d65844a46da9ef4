// The map saved as SVG and PDF: what other programs read in them, and that
// they show the map the PNG shows. The PDF is rasterised by poppler
// (pdftoppm) and the SVG by Qt's own renderer, routes independent of the
// raster drawing.

#include "ephemeris/Ephemeris.h"
#include "map/MapScene.h"
#include "ephemeris/EphemerisSeries.h"
#include "map/Trace.h"
#include "map/ViewportOperations.h"
#include "map/qt/MapRenderer.h"
#include "map/qt/VectorMap.h"
#include "model/EclipseMap.h"

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <unistd.h>

namespace {

const std::string kDataDirectory = std::string(UMBRANT_BINARY_DIR) + "/data/";
constexpr int kWidth = 960;
constexpr int kHeight = 540;

bool HaveData()
{
    for (const char* name : {"gshhs_i.dat", "VSOP87.dat", "Elp2000.dat", "Nutation.dat"}) {
        if (!std::filesystem::exists(kDataDirectory + name)) {
            return false;
        }
    }
    return true;
}

bool HaveProgram(const std::string& name)
{
    return std::system(("command -v " + name + " >/dev/null 2>&1").c_str()) == 0;
}

// Blocks of 16 x 16 pixels whose mean colour differs by more than a fifth
// of the scale in a channel, as a share of all blocks: lines drawn smooth or
// aliased, and text set by another engine, leave the means nearly alike.
double ShareOfDifferentBlocks(const QImage& a, const QImage& b)
{
    constexpr int kBlock = 16;
    const QImage first = a.convertToFormat(QImage::Format_RGB32);
    const QImage second = b.convertToFormat(QImage::Format_RGB32);
    int blocks = 0;
    int different = 0;
    for (int top = 0; top + kBlock <= first.height(); top += kBlock) {
        for (int left = 0; left + kBlock <= first.width(); left += kBlock) {
            double sums[2][3] = {};
            for (int y = top; y < top + kBlock; ++y) {
                for (int x = left; x < left + kBlock; ++x) {
                    const QRgb pixels[2] = {first.pixel(x, y), second.pixel(x, y)};
                    for (int i = 0; i < 2; ++i) {
                        sums[i][0] += qRed(pixels[i]);
                        sums[i][1] += qGreen(pixels[i]);
                        sums[i][2] += qBlue(pixels[i]);
                    }
                }
            }
            bool differs = false;
            for (int channel = 0; channel < 3; ++channel) {
                differs |= std::abs(sums[0][channel] - sums[1][channel]) / (kBlock * kBlock) > 51.0;
            }
            ++blocks;
            different += differs ? 1 : 0;
        }
    }
    return blocks == 0 ? 1.0 : static_cast<double>(different) / blocks;
}

class VectorMapTest : public testing::Test {
protected:
    void SetUp() override
    {
        if (!HaveData()) {
            GTEST_SKIP() << "no converted data in " << kDataDirectory;
        }
        SetGlobalViewport(m_map.m_viewport, kWidth, kHeight);
        m_trace.emplace(kDataDirectory);
        m_scene = ComposeScene(Ephemeris::Load(kDataDirectory), m_map, SceneRequest{kWidth, kHeight, {}, nullptr});
        m_frame = m_scene.frame;
        CMapRenderer renderer;
        renderer.Render(m_png, *m_trace, m_frame);
    }

    std::string Scratch(const std::string& name) const
    {
        return (std::filesystem::temp_directory_path() / ("umbrant-vector-" + std::to_string(::getpid()) + name)).string();
    }

    CEclipseMap m_map;
    std::optional<CMapTrace> m_trace;
    MapScene m_scene;
    MapFrame m_frame;
    QImage m_png;
};

TEST_F(VectorMapTest, TheSvgHoldsPathsAndTextAndShowsThePngMap)
{
    const QByteArray svg = DrawSvgMap(*m_trace, m_frame, QStringLiteral("Umbrant"));
    const std::string text = svg.toStdString();
    EXPECT_NE(text.find("<path"), std::string::npos);
    EXPECT_NE(text.find("<polyline"), std::string::npos);
    EXPECT_EQ(text.find("<image"), std::string::npos);
    EXPECT_NE(text.find(">Umbrant - VSOP87"), std::string::npos);

    QSvgRenderer renderer(svg);
    ASSERT_TRUE(renderer.isValid());
    EXPECT_EQ(renderer.viewBox(), QRect(0, 0, kWidth, kHeight));
    QImage drawn(kWidth, kHeight, QImage::Format_RGB32);
    drawn.fill(Qt::white);
    QPainter painter(&drawn);
    renderer.render(&painter);
    painter.end();
    EXPECT_LT(ShareOfDifferentBlocks(drawn, m_png), 0.02);

    if (HaveProgram("xmllint")) {
        const std::string path = Scratch(".svg");
        std::ofstream(path, std::ios::binary) << text;
        EXPECT_EQ(std::system(("xmllint --noout " + path).c_str()), 0);
        std::filesystem::remove(path);
    }
}

TEST_F(VectorMapTest, ThePdfIsOnePageOfThePictureSizeAndShowsThePngMap)
{
    const QByteArray pdf = DrawPdfMap(*m_trace, m_frame, QStringLiteral("Umbrant"));
    ASSERT_TRUE(pdf.startsWith("%PDF-"));
    if (!HaveProgram("pdftoppm") || !HaveProgram("pdfinfo")) {
        GTEST_SKIP() << "poppler-utils is not installed";
    }
    const std::string path = Scratch(".pdf");
    std::ofstream(path, std::ios::binary) << pdf.toStdString();
    const std::string info = Scratch(".txt");
    ASSERT_EQ(std::system(("pdfinfo " + path + " >" + info).c_str()), 0);
    std::ifstream stream(info);
    const std::string report((std::istreambuf_iterator<char>(stream)), std::istreambuf_iterator<char>());
    EXPECT_NE(report.find("Pages:           1"), std::string::npos) << report;
    EXPECT_NE(report.find("Page size:       720 x 405 pts"), std::string::npos) << report;  // 96 pixels to the inch

    ASSERT_EQ(std::system(("pdftoppm -r 96 -png -singlefile " + path + " " + Scratch("")).c_str()), 0);
    const QImage drawn(QString::fromStdString(Scratch(".png")));
    ASSERT_EQ(drawn.size(), QSize(kWidth, kHeight));
    EXPECT_LT(ShareOfDifferentBlocks(drawn, m_png), 0.02);
    for (const std::string& file : {path, info, Scratch(".png")}) {
        std::filesystem::remove(file);
    }
}

// A page twice the picture's size and of another shape: the map is centred,
// scaled to fit, and shows what the picture shows.
TEST_F(VectorMapTest, APageHoldsTheWholeMapScaledToFit)
{
    QImage page(2 * kWidth + 200, 2 * kHeight, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    DrawMapOnPage(painter, QRectF(page.rect()), *m_trace, m_frame);
    painter.end();
    EXPECT_EQ(page.pixel(50, kHeight), qRgb(255, 255, 255));  // the margin left blank
    const QImage map = page.copy(100, 0, 2 * kWidth, 2 * kHeight).scaled(kWidth, kHeight, Qt::IgnoreAspectRatio,
                                                                          Qt::SmoothTransformation);
    EXPECT_LT(ShareOfDifferentBlocks(map, m_png), 0.02);
}

TEST(MapFileFormat, IsChosenByTheExtensionInAnyCase)
{
    const struct {
        const char* path;
        std::optional<MapFileFormat> format;
    } cases[] = {
        {"map.png", MapFileFormat::Png}, {"MAP.PNG", MapFileFormat::Png}, {"-", MapFileFormat::Png},
        {"a/b.svg", MapFileFormat::Svg}, {"b.Svg", MapFileFormat::Svg},   {"c.pdf", MapFileFormat::Pdf},
        {"d.PDF", MapFileFormat::Pdf},   {"e.jpg", std::nullopt},         {"dir.svg/file", std::nullopt},
        {"noextension", std::nullopt},   {"/dev/stdout", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MapFileFormatOf(c.path), c.format) << c.path;
    }
}

} // namespace
