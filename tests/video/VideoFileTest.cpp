// Video files written through FFmpeg and read back through its decoders:
// each format holds the pictures given, at their rate, in their colours;
// a failed or abandoned write leaves an earlier file as it was.

#include "datafiles/FileException.h"
#include "video/VideoFile.h"
#include "video/VideoProbe.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr int kWidth = 64;
constexpr int kHeight = 48;
constexpr int kFrames = 12;
constexpr int kFramesPerSecond = 10;

struct Rgb {
    int red, green, blue;
};

// The left half of picture n changes colour with n; the right half is grey.
Rgb LeftColour(int frame)
{
    constexpr std::array<Rgb, 4> colours{{{220, 30, 30}, {30, 200, 40}, {40, 60, 210}, {240, 220, 30}}};
    return colours[static_cast<std::size_t>(frame) % colours.size()];
}
constexpr Rgb kRightColour{128, 128, 128};

std::vector<std::uint8_t> Picture(int frame)
{
    std::vector<std::uint8_t> pixels(static_cast<std::size_t>(kWidth * kHeight * 4));
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const Rgb colour = x < kWidth / 2 ? LeftColour(frame) : kRightColour;
            std::uint8_t* pixel = &pixels[static_cast<std::size_t>((y * kWidth + x) * 4)];
            pixel[0] = static_cast<std::uint8_t>(colour.blue);
            pixel[1] = static_cast<std::uint8_t>(colour.green);
            pixel[2] = static_cast<std::uint8_t>(colour.red);
            pixel[3] = 255;
        }
    }
    return pixels;
}

VideoFrame FrameOf(const std::vector<std::uint8_t>& pixels)
{
    return {pixels.data(), kWidth, kHeight, kWidth * 4};
}

// Every picture, the encoder's preview ones first, as the animations do.
bool EncodePictures(IVideoEncoder& encoder)
{
    const int previews = encoder.PreviewFrameCount();
    for (int i = 0; i < previews; ++i) {
        encoder.AddPreviewFrame(FrameOf(Picture(previews == 1 ? 0 : i * (kFrames - 1) / (previews - 1))));
    }
    for (int frame = 0; frame < kFrames; ++frame) {
        encoder.AddFrame(FrameOf(Picture(frame)));
    }
    return true;
}

Rgb DecodedPixel(const VideoProbe& probe, int x, int y)
{
    const std::uint8_t* pixel = &probe.frameRgb[static_cast<std::size_t>((y * probe.width + x) * 3)];
    return {pixel[0], pixel[1], pixel[2]};
}

std::string ReadText(const fs::path& path)
{
    std::ifstream stream(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>());
}

class VideoFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_directory = fs::temp_directory_path() / ("umbrant-video-" + std::to_string(::getpid()));
        fs::remove_all(m_directory);
        fs::create_directories(m_directory);
    }
    void TearDown() override { fs::remove_all(m_directory); }

    // The names in the directory: the file asked for and nothing else.
    std::vector<std::string> Names() const
    {
        std::vector<std::string> names;
        for (const fs::directory_entry& entry : fs::directory_iterator(m_directory)) {
            names.push_back(entry.path().filename().string());
        }
        return names;
    }

    fs::path m_directory;
};

} // namespace

TEST_F(VideoFileTest, EachFormatHoldsItsPicturesAtTheirRateInTheirColours)
{
    struct Case {
        const char* name;
        VideoFormat format;
        const char* codec;
        int tolerance;  // per channel: H.264 and VP9 sample colour on 2x2 pixels in YUV
    };
    const Case cases[] = {
        {"video.mp4", VideoFormat::Mp4, "h264", 12},
        {"video.webm", VideoFormat::WebM, "vp9", 12},
        {"video.gif", VideoFormat::Gif, "gif", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const fs::path path = m_directory / c.name;
        ASSERT_TRUE(WriteVideoFile(path, {c.format, kWidth, kHeight, kFramesPerSecond}, EncodePictures));
        constexpr int kKept = 6;
        const VideoProbe probe = ProbeVideo(path, kKept);
        EXPECT_EQ(probe.codec, c.codec);
        EXPECT_EQ(probe.width, kWidth);
        EXPECT_EQ(probe.height, kHeight);
        EXPECT_EQ(probe.frameCount, kFrames);
        EXPECT_NEAR(probe.durationSeconds, 1.2, 0.11);
        ASSERT_FALSE(probe.frameRgb.empty());
        for (const auto& [x, expected] : {std::pair(8, LeftColour(kKept)), std::pair(kWidth - 8, kRightColour)}) {
            const Rgb decoded = DecodedPixel(probe, x, kHeight / 2);
            EXPECT_NEAR(decoded.red, expected.red, c.tolerance);
            EXPECT_NEAR(decoded.green, expected.green, c.tolerance);
            EXPECT_NEAR(decoded.blue, expected.blue, c.tolerance);
        }
    }
    EXPECT_EQ(Names().size(), 3u);
}

// Stopped by its caller (the user's "Annuler", a signal) or failing half
// way, a write leaves the earlier file and no temporary.
TEST_F(VideoFileTest, AnAbandonedOrFailedWriteLeavesTheEarlierFile)
{
    const fs::path path = m_directory / "earlier.mp4";
    std::ofstream(path) << "earlier";
    const VideoSettings settings{VideoFormat::Mp4, kWidth, kHeight, kFramesPerSecond};
    const auto stopHalfWay = [](IVideoEncoder& encoder) {
        encoder.AddFrame(FrameOf(Picture(0)));
        return false;
    };
    EXPECT_FALSE(WriteVideoFile(path, settings, stopHalfWay));
    const auto failHalfWay = [](IVideoEncoder& encoder) -> bool {
        encoder.AddFrame(FrameOf(Picture(0)));
        throw VideoError("the drawing failed");
    };
    EXPECT_THROW(WriteVideoFile(path, settings, failHalfWay), VideoError);
    const auto wrongSize = [](IVideoEncoder& encoder) {
        const std::vector<std::uint8_t> pixels(16 * 16 * 4);
        encoder.AddFrame({pixels.data(), 16, 16, 64});
        return true;
    };
    EXPECT_THROW(WriteVideoFile(path, settings, wrongSize), VideoError);
    EXPECT_EQ(ReadText(path), "earlier");
    EXPECT_EQ(Names(), std::vector<std::string>{"earlier.mp4"});
    EXPECT_THROW(WriteVideoFile(m_directory / "missing" / "video.mp4", settings, EncodePictures), CFileException);
}

TEST(VideoFormatTest, TheExtensionChoosesTheFormatAndH264WantsEvenSides)
{
    EXPECT_EQ(VideoFormatOf("a/b.mp4"), VideoFormat::Mp4);
    EXPECT_EQ(VideoFormatOf("B.WEBM"), VideoFormat::WebM);
    EXPECT_EQ(VideoFormatOf("c.Gif"), VideoFormat::Gif);
    EXPECT_EQ(VideoFormatOf("d.avi"), std::nullopt);
    EXPECT_EQ(VideoFormatOf("mp4"), std::nullopt);
    EXPECT_TRUE(VideoSizeRefusal(VideoFormat::Mp4, 641, 360).has_value());
    EXPECT_TRUE(VideoSizeRefusal(VideoFormat::Mp4, 640, 361).has_value());
    EXPECT_FALSE(VideoSizeRefusal(VideoFormat::Mp4, 640, 360).has_value());
    EXPECT_FALSE(VideoSizeRefusal(VideoFormat::Gif, 641, 361).has_value());
    EXPECT_FALSE(VideoSizeRefusal(VideoFormat::WebM, 641, 361).has_value());
}
