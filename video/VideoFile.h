#pragma once

#include "video/VideoEncoder.h"

#include <functional>
#include <string>

// Writes a video file as the program writes every output: encoded under a
// temporary name beside path (CReplacementFile), put in place only when
// encode, having given the encoder every picture, returns true, and the
// encoder has finished; otherwise, or when
// anything fails, nothing is left and an earlier file of that name stays
// as it was. Returns what encode returned. Raises VideoError, or
// CFileException naming path (a directory that does not exist, a full disk).
bool WriteVideoFile(const std::string& path, const VideoSettings& settings,
                    const std::function<bool(IVideoEncoder& encoder)>& encode);
