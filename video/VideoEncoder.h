#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>

// The video files the program writes, chosen by the name's extension.
enum class VideoFormat {
    Mp4,   // H.264 in an MP4 container
    WebM,  // VP9 in a WebM container
    Gif,   // an animated GIF with one palette chosen for the whole animation
};

// The format of ".mp4", ".webm" or ".gif" (in any case); none for any other name.
std::optional<VideoFormat> VideoFormatOf(const std::string& path);

// Why a picture of this size cannot be encoded in the format, or nothing:
// H.264 samples colour on 2x2 pixels and wants an even width and height.
std::optional<std::string> VideoSizeRefusal(VideoFormat format, int width, int height);

struct VideoSettings {
    VideoFormat format = VideoFormat::Mp4;
    int width = 0;           // pixels
    int height = 0;
    int framesPerSecond = 30;
};

// One picture of the sequence: rows of 32-bit pixels laid out as bytes blue,
// green, red and one unused (a QImage of format RGB32 on this machine).
struct VideoFrame {
    const std::uint8_t* pixels = nullptr;
    int width = 0;
    int height = 0;
    std::ptrdiff_t bytesPerLine = 0;
};

// A failure of the encoder or of writing its file: one line saying what.
class VideoError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Pictures in, a video file out. The drawing code sees only this, so that
// the encoding library can change and tests can use a fake.
class IVideoEncoder {
public:
    virtual ~IVideoEncoder() = default;

    // How many pictures, spread evenly over the sequence, the encoder wants
    // to see before it (a GIF's palette is chosen from them); 0 when none.
    virtual int PreviewFrameCount() const { return 0; }
    virtual void AddPreviewFrame(const VideoFrame&) {}

    // The next picture, of the settings' size.
    virtual void AddFrame(const VideoFrame& frame) = 0;
    // Flushes what the encoder holds and closes the file.
    virtual void Finish() = 0;
};
