#include "video/VideoEncoder.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

std::optional<VideoFormat> VideoFormatOf(const std::string& path)
{
    std::string extension = std::filesystem::path(path).extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (extension == ".mp4") {
        return VideoFormat::Mp4;
    }
    if (extension == ".webm") {
        return VideoFormat::WebM;
    }
    if (extension == ".gif") {
        return VideoFormat::Gif;
    }
    return std::nullopt;
}

std::optional<std::string> VideoSizeRefusal(VideoFormat format, int width, int height)
{
    if (format == VideoFormat::Mp4 && (width % 2 != 0 || height % 2 != 0)) {
        return "H.264 in MP4 wants an even width and height, not " + std::to_string(width) + "x" + std::to_string(height);
    }
    return std::nullopt;
}
