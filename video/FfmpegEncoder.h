#pragma once

#include "video/VideoEncoder.h"

#include <memory>
#include <string>

// The encoder of FFmpeg's libraries (libavcodec, libavformat, libswscale,
// libavfilter) writing the settings' format into the file at path, created
// or truncated. Raises VideoError when the format's codec is missing or the
// file cannot be opened; AddFrame and Finish raise it when encoding or
// writing fails (a full disk).
std::unique_ptr<IVideoEncoder> OpenFfmpegEncoder(const VideoSettings& settings, const std::string& path);
