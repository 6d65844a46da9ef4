#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// What a video file holds, read back through FFmpeg's decoders: the checks
// of the files written, and the comparison of two exports frame by frame.
struct VideoProbe {
    std::string codec;       // the decoder's short name: "h264", "vp9", "gif"
    int width = 0;
    int height = 0;
    int frameCount = 0;      // frames decoded
    double durationSeconds = 0.0;
    // The frame asked for, as rows of 8-bit red, green, blue (width * 3 bytes each).
    std::vector<std::uint8_t> frameRgb;
};

// Decodes the whole file; keeps the pixels of frame keepFrame when given.
// Raises VideoError naming the file when it cannot be read.
VideoProbe ProbeVideo(const std::string& path, std::optional<int> keepFrame = std::nullopt);
