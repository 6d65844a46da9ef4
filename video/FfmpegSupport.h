#pragma once

// What the encoder and the probe share of FFmpeg: owners of its objects and
// its errors turned into ours. Only the video library's sources include it.

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavfilter/avfilter.h>
#include <libavformat/avformat.h>
#include <libswscale/swscale.h>
}

#include "video/VideoEncoder.h"

#include <memory>
#include <string>

struct CodecContextFree {
    void operator()(AVCodecContext* context) const { avcodec_free_context(&context); }
};
struct FrameFree {
    void operator()(AVFrame* frame) const { av_frame_free(&frame); }
};
struct PacketFree {
    void operator()(AVPacket* packet) const { av_packet_free(&packet); }
};
struct ScaleFree {
    void operator()(SwsContext* context) const { sws_freeContext(context); }
};
struct FilterGraphFree {
    void operator()(AVFilterGraph* graph) const { avfilter_graph_free(&graph); }
};

using CodecContextPointer = std::unique_ptr<AVCodecContext, CodecContextFree>;
using FramePointer = std::unique_ptr<AVFrame, FrameFree>;
using PacketPointer = std::unique_ptr<AVPacket, PacketFree>;
using ScalePointer = std::unique_ptr<SwsContext, ScaleFree>;
using FilterGraphPointer = std::unique_ptr<AVFilterGraph, FilterGraphFree>;

// FFmpeg's words for an error code.
inline std::string FfmpegErrorText(int code)
{
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof text);
    return text;
}

// Raises VideoError "what: cause" for a negative result; returns it otherwise.
inline int CheckFfmpeg(int result, const std::string& what)
{
    if (result < 0) {
        throw VideoError(what + ": " + FfmpegErrorText(result));
    }
    return result;
}

inline FramePointer NewFrame()
{
    FramePointer frame(av_frame_alloc());
    if (!frame) {
        throw VideoError("out of memory for a video frame");
    }
    return frame;
}
