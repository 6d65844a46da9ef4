#include "video/VideoProbe.h"

#include "video/FfmpegSupport.h"

extern "C" {
#include <libavutil/imgutils.h>
}

namespace {

struct InputFree {
    void operator()(AVFormatContext* context) const { avformat_close_input(&context); }
};
using InputPointer = std::unique_ptr<AVFormatContext, InputFree>;

void KeepRgb(const AVFrame& frame, VideoProbe& probe)
{
    ScalePointer scale(sws_getContext(frame.width, frame.height, static_cast<AVPixelFormat>(frame.format), frame.width,
                                      frame.height, AV_PIX_FMT_RGB24, SWS_POINT, nullptr, nullptr, nullptr));
    if (!scale) {
        throw VideoError("cannot convert a decoded frame to RGB");
    }
    const int stride = frame.width * 3;
    probe.frameRgb.assign(static_cast<std::size_t>(stride) * static_cast<std::size_t>(frame.height), 0);
    std::uint8_t* const target[] = {probe.frameRgb.data()};
    const int targetStride[] = {stride};
    sws_scale(scale.get(), frame.data, frame.linesize, 0, frame.height, target, targetStride);
}

// Takes every frame the decoder has ready.
void Drain(AVCodecContext& decoder, AVFrame& frame, std::optional<int> keepFrame, VideoProbe& probe)
{
    for (;;) {
        const int received = avcodec_receive_frame(&decoder, &frame);
        if (received == AVERROR(EAGAIN) || received == AVERROR_EOF) {
            return;
        }
        CheckFfmpeg(received, "cannot decode the video");
        if (keepFrame && *keepFrame == probe.frameCount) {
            KeepRgb(frame, probe);
        }
        ++probe.frameCount;
        av_frame_unref(&frame);
    }
}

} // namespace

VideoProbe ProbeVideo(const std::string& path, std::optional<int> keepFrame)
{
    AVFormatContext* opened = nullptr;
    CheckFfmpeg(avformat_open_input(&opened, path.c_str(), nullptr, nullptr), path);
    InputPointer input(opened);
    CheckFfmpeg(avformat_find_stream_info(input.get(), nullptr), path);
    const AVCodec* codec = nullptr;
    const int stream = CheckFfmpeg(av_find_best_stream(input.get(), AVMEDIA_TYPE_VIDEO, -1, -1, &codec, 0), path);
    CodecContextPointer decoder(avcodec_alloc_context3(codec));
    CheckFfmpeg(avcodec_parameters_to_context(decoder.get(), input->streams[stream]->codecpar), path);
    CheckFfmpeg(avcodec_open2(decoder.get(), codec, nullptr), path);

    VideoProbe probe;
    probe.codec = codec->name;
    probe.width = decoder->width;
    probe.height = decoder->height;
    if (input->duration > 0) {
        probe.durationSeconds = static_cast<double>(input->duration) / AV_TIME_BASE;
    }
    PacketPointer packet(av_packet_alloc());
    FramePointer frame = NewFrame();
    while (av_read_frame(input.get(), packet.get()) >= 0) {
        if (packet->stream_index == stream) {
            CheckFfmpeg(avcodec_send_packet(decoder.get(), packet.get()), path);
            Drain(*decoder, *frame, keepFrame, probe);
        }
        av_packet_unref(packet.get());
    }
    CheckFfmpeg(avcodec_send_packet(decoder.get(), nullptr), path);
    Drain(*decoder, *frame, keepFrame, probe);
    return probe;
}
