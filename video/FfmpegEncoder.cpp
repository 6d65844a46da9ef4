#include "video/FfmpegEncoder.h"

#include "video/FfmpegSupport.h"
#include "video/GifPalette.h"

extern "C" {
#include <libavutil/opt.h>
}

#include <algorithm>
#include <optional>
#include <thread>

namespace {

// The GIF's palette is chosen from this many pictures spread over the animation.
constexpr int kPaletteSamples = 12;

struct FormatContextFree {
    void operator()(AVFormatContext* context) const
    {
        if (context->pb != nullptr && !(context->oformat->flags & AVFMT_NOFILE)) {
            avio_closep(&context->pb);
        }
        avformat_free_context(context);
    }
};
using FormatContextPointer = std::unique_ptr<AVFormatContext, FormatContextFree>;

const char* MuxerName(VideoFormat format)
{
    switch (format) {
    case VideoFormat::WebM:
        return "webm";
    case VideoFormat::Gif:
        return "gif";
    case VideoFormat::Mp4:
        break;
    }
    return "mp4";
}

const char* FormatName(VideoFormat format)
{
    switch (format) {
    case VideoFormat::WebM:
        return "VP9 (WebM)";
    case VideoFormat::Gif:
        return "GIF";
    case VideoFormat::Mp4:
        break;
    }
    return "H.264 (MP4)";
}

const AVCodec* FindCodec(VideoFormat format)
{
    switch (format) {
    case VideoFormat::WebM:
        return avcodec_find_encoder_by_name("libvpx-vp9");
    case VideoFormat::Gif:
        return avcodec_find_encoder(AV_CODEC_ID_GIF);
    case VideoFormat::Mp4:
        break;
    }
    const AVCodec* x264 = avcodec_find_encoder_by_name("libx264");
    return x264 != nullptr ? x264 : avcodec_find_encoder(AV_CODEC_ID_H264);
}

int EncoderThreads()
{
    return static_cast<int>(std::clamp(std::thread::hardware_concurrency(), 1u, 8u));
}

// The maps are flat colours and thin lines: x264's settings for animation,
// at a speed that keeps pace with the drawing; VP9 in libvpx's real-time
// mode, rows in parallel.
void SetCodecOptions(VideoFormat format, AVCodecContext& codec)
{
    switch (format) {
    case VideoFormat::Mp4:
        av_opt_set(codec.priv_data, "preset", "veryfast", 0);
        av_opt_set(codec.priv_data, "tune", "animation", 0);
        av_opt_set(codec.priv_data, "crf", "20", 0);
        break;
    case VideoFormat::WebM:
        av_opt_set(codec.priv_data, "deadline", "realtime", 0);
        av_opt_set_int(codec.priv_data, "cpu-used", 8, 0);
        av_opt_set_int(codec.priv_data, "row-mt", 1, 0);
        av_opt_set_int(codec.priv_data, "tile-columns", 2, 0);
        av_opt_set_int(codec.priv_data, "crf", 30, 0);
        codec.bit_rate = 0;
        break;
    case VideoFormat::Gif:
        break;
    }
}

class CFfmpegEncoder : public IVideoEncoder {
public:
    CFfmpegEncoder(const VideoSettings& settings, const std::string& path);

    int PreviewFrameCount() const override { return m_palette ? kPaletteSamples : 0; }
    void AddPreviewFrame(const VideoFrame& frame) override;
    void AddFrame(const VideoFrame& frame) override;
    void Finish() override;

private:
    void OpenCodec();
    void OpenFile();
    FramePointer Converted(const VideoFrame& frame);
    void Encode(const AVFrame* frame);

    VideoSettings m_settings;
    std::string m_path;
    FormatContextPointer m_format;
    CodecContextPointer m_codec;
    AVStream* m_stream = nullptr;
    ScalePointer m_scale;
    std::optional<CGifPalette> m_palette;
    PacketPointer m_packet;
    std::int64_t m_frames = 0;
    bool m_paletteChosen = false;
};

CFfmpegEncoder::CFfmpegEncoder(const VideoSettings& settings, const std::string& path)
    : m_settings(settings), m_path(path), m_packet(av_packet_alloc())
{
    if (settings.width < 1 || settings.height < 1 || settings.framesPerSecond < 1) {
        throw VideoError("a video wants a size and a frame rate of at least 1");
    }
    if (const std::optional<std::string> refusal = VideoSizeRefusal(settings.format, settings.width, settings.height)) {
        throw VideoError(*refusal);
    }
    av_log_set_level(AV_LOG_ERROR);
    OpenCodec();
    OpenFile();
}

void CFfmpegEncoder::OpenCodec()
{
    const AVCodec* codec = FindCodec(m_settings.format);
    if (codec == nullptr) {
        throw VideoError(std::string("this FFmpeg has no encoder for ") + FormatName(m_settings.format));
    }
    AVFormatContext* format = nullptr;
    CheckFfmpeg(avformat_alloc_output_context2(&format, nullptr, MuxerName(m_settings.format), m_path.c_str()),
                m_path);
    m_format.reset(format);
    m_codec.reset(avcodec_alloc_context3(codec));
    if (!m_codec || !m_packet) {
        throw VideoError("out of memory for the video encoder");
    }
    m_codec->width = m_settings.width;
    m_codec->height = m_settings.height;
    m_codec->time_base = AVRational{1, m_settings.framesPerSecond};
    m_codec->framerate = AVRational{m_settings.framesPerSecond, 1};
    m_codec->sample_aspect_ratio = AVRational{1, 1};
    m_codec->thread_count = EncoderThreads();
    if (m_settings.format == VideoFormat::Gif) {
        m_codec->pix_fmt = AV_PIX_FMT_PAL8;
        m_palette.emplace(m_settings.width, m_settings.height, m_settings.framesPerSecond);
    } else {
        m_codec->pix_fmt = AV_PIX_FMT_YUV420P;
        // swscale's conversion: the BT.601 matrix, limited range.
        m_codec->colorspace = AVCOL_SPC_SMPTE170M;
        m_codec->color_range = AVCOL_RANGE_MPEG;
        m_codec->gop_size = 10 * m_settings.framesPerSecond;
        m_scale.reset(sws_getContext(m_settings.width, m_settings.height, AV_PIX_FMT_BGR0, m_settings.width,
                                     m_settings.height, AV_PIX_FMT_YUV420P, SWS_BILINEAR, nullptr, nullptr, nullptr));
        if (!m_scale) {
            throw VideoError("cannot convert the pictures' colours for the video");
        }
    }
    if (m_format->oformat->flags & AVFMT_GLOBALHEADER) {
        m_codec->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    }
    SetCodecOptions(m_settings.format, *m_codec);
    CheckFfmpeg(avcodec_open2(m_codec.get(), codec, nullptr),
                std::string("cannot open the ") + FormatName(m_settings.format) + " encoder");
}

void CFfmpegEncoder::OpenFile()
{
    m_stream = avformat_new_stream(m_format.get(), nullptr);
    if (m_stream == nullptr) {
        throw VideoError("out of memory for the video stream");
    }
    m_stream->time_base = m_codec->time_base;
    m_stream->avg_frame_rate = m_codec->framerate;
    CheckFfmpeg(avcodec_parameters_from_context(m_stream->codecpar, m_codec.get()), "cannot describe the video stream");
    CheckFfmpeg(avio_open(&m_format->pb, m_path.c_str(), AVIO_FLAG_WRITE), m_path);
    AVDictionary* options = nullptr;
    if (m_settings.format == VideoFormat::Mp4) {
        // The index first, so that a player starts before the whole file is there.
        av_dict_set(&options, "movflags", "+faststart", 0);
    }
    const int result = avformat_write_header(m_format.get(), &options);
    av_dict_free(&options);
    CheckFfmpeg(result, m_path);
}

void CFfmpegEncoder::AddPreviewFrame(const VideoFrame& frame)
{
    if (m_palette && !m_paletteChosen) {
        m_palette->AddSample(frame);
    }
}

FramePointer CFfmpegEncoder::Converted(const VideoFrame& picture)
{
    if (picture.width != m_settings.width || picture.height != m_settings.height) {
        throw VideoError("a picture of another size than the video's");
    }
    if (m_palette) {
        if (!m_paletteChosen) {
            m_palette->Choose();
            m_paletteChosen = true;
        }
        return m_palette->Map(picture, m_frames);
    }
    FramePointer frame = NewFrame();
    frame->format = m_codec->pix_fmt;
    frame->width = m_settings.width;
    frame->height = m_settings.height;
    frame->pts = m_frames;
    CheckFfmpeg(av_frame_get_buffer(frame.get(), 0), "out of memory for a video frame");
    const std::uint8_t* const source[] = {picture.pixels};
    const int sourceStride[] = {static_cast<int>(picture.bytesPerLine)};
    sws_scale(m_scale.get(), source, sourceStride, 0, picture.height, frame->data, frame->linesize);
    return frame;
}

void CFfmpegEncoder::AddFrame(const VideoFrame& picture)
{
    const FramePointer frame = Converted(picture);
    frame->pts = m_frames++;
    Encode(frame.get());
}

// Sends one frame (none: the end) and writes every packet the encoder has ready.
void CFfmpegEncoder::Encode(const AVFrame* frame)
{
    CheckFfmpeg(avcodec_send_frame(m_codec.get(), frame), "the video encoder failed");
    for (;;) {
        const int received = avcodec_receive_packet(m_codec.get(), m_packet.get());
        if (received == AVERROR(EAGAIN) || received == AVERROR_EOF) {
            return;
        }
        CheckFfmpeg(received, "the video encoder failed");
        av_packet_rescale_ts(m_packet.get(), m_codec->time_base, m_stream->time_base);
        m_packet->stream_index = m_stream->index;
        CheckFfmpeg(av_interleaved_write_frame(m_format.get(), m_packet.get()), m_path);
    }
}

void CFfmpegEncoder::Finish()
{
    Encode(nullptr);
    CheckFfmpeg(av_write_trailer(m_format.get()), m_path);
    avio_flush(m_format->pb);
    CheckFfmpeg(m_format->pb->error, m_path);
    CheckFfmpeg(avio_closep(&m_format->pb), m_path);
}

} // namespace

std::unique_ptr<IVideoEncoder> OpenFfmpegEncoder(const VideoSettings& settings, const std::string& path)
{
    return std::make_unique<CFfmpegEncoder>(settings, path);
}
