#include "video/GifPalette.h"

extern "C" {
#include <libavfilter/buffersink.h>
#include <libavfilter/buffersrc.h>
#include <libavutil/imgutils.h>
}

#include <string>

namespace {

// 256 colours, one of them kept for the transparency of unchanged pixels,
// counted over every pixel of the samples (the dots of the shadow are few
// but must keep their colour).
constexpr const char* kPaletteOptions = "max_colors=256:stats_mode=full";
// Dithering would speckle the plain areas of the map; only the rectangle
// that changed since the last picture is mapped again.
constexpr const char* kMappingOptions = "dither=none:diff_mode=rectangle";

std::string SourceArguments(int width, int height, AVPixelFormat format, int framesPerSecond)
{
    return "video_size=" + std::to_string(width) + "x" + std::to_string(height) + ":pix_fmt=" +
           std::to_string(static_cast<int>(format)) + ":time_base=1/" + std::to_string(framesPerSecond) +
           ":pixel_aspect=1/1";
}

AVFilterContext* AddFilter(AVFilterGraph& graph, const char* filter, const char* name, const std::string& arguments)
{
    AVFilterContext* context = nullptr;
    CheckFfmpeg(avfilter_graph_create_filter(&context, avfilter_get_by_name(filter), name,
                                             arguments.empty() ? nullptr : arguments.c_str(), nullptr, &graph),
                std::string("cannot set up the GIF palette's ") + filter);
    return context;
}

void Link(AVFilterContext* from, AVFilterContext* to, unsigned input)
{
    CheckFfmpeg(avfilter_link(from, 0, to, input), "cannot link the GIF palette's filters");
}

FilterGraphPointer NewGraph()
{
    FilterGraphPointer graph(avfilter_graph_alloc());
    if (!graph) {
        throw VideoError("out of memory for the GIF palette");
    }
    // Mapping a picture is fast; threads would only contend with the drawing.
    graph->nb_threads = 1;
    return graph;
}

// A copy of the picture that the filters may keep (they hold frames by reference).
FramePointer CopyOf(const VideoFrame& picture, std::int64_t index)
{
    FramePointer frame = NewFrame();
    frame->format = AV_PIX_FMT_BGR0;
    frame->width = picture.width;
    frame->height = picture.height;
    frame->pts = index;
    CheckFfmpeg(av_frame_get_buffer(frame.get(), 0), "out of memory for a GIF picture");
    av_image_copy_plane(frame->data[0], frame->linesize[0], picture.pixels, static_cast<int>(picture.bytesPerLine),
                        picture.width * 4, picture.height);
    return frame;
}

} // namespace

CGifPalette::CGifPalette(int width, int height, int framesPerSecond)
    : m_width(width), m_height(height), m_framesPerSecond(framesPerSecond)
{
    m_sampleGraph = NewGraph();
    m_sampleSource = AddFilter(*m_sampleGraph, "buffer", "samples",
                               SourceArguments(width, height, AV_PIX_FMT_BGR0, framesPerSecond));
    AVFilterContext* generator = AddFilter(*m_sampleGraph, "palettegen", "palettegen", kPaletteOptions);
    m_sampleSink = AddFilter(*m_sampleGraph, "buffersink", "palette", "");
    Link(m_sampleSource, generator, 0);
    Link(generator, m_sampleSink, 0);
    CheckFfmpeg(avfilter_graph_config(m_sampleGraph.get(), nullptr), "cannot set up the GIF palette");
}

void CGifPalette::AddSample(const VideoFrame& frame)
{
    FramePointer copy = CopyOf(frame, m_samples++);
    CheckFfmpeg(av_buffersrc_add_frame(m_sampleSource, copy.get()), "cannot sample the GIF palette");
}

void CGifPalette::Choose()
{
    CheckFfmpeg(av_buffersrc_add_frame(m_sampleSource, nullptr), "cannot choose the GIF palette");
    FramePointer palette = NewFrame();
    CheckFfmpeg(av_buffersink_get_frame(m_sampleSink, palette.get()), "cannot choose the GIF palette");
    m_sampleGraph.reset();

    m_mapGraph = NewGraph();
    m_pictureSource = AddFilter(*m_mapGraph, "buffer", "pictures",
                                SourceArguments(m_width, m_height, AV_PIX_FMT_BGR0, m_framesPerSecond));
    m_paletteSource = AddFilter(*m_mapGraph, "buffer", "palette",
                                SourceArguments(palette->width, palette->height,
                                                static_cast<AVPixelFormat>(palette->format), m_framesPerSecond));
    AVFilterContext* mapping = AddFilter(*m_mapGraph, "paletteuse", "paletteuse", kMappingOptions);
    m_mapSink = AddFilter(*m_mapGraph, "buffersink", "mapped", "");
    Link(m_pictureSource, mapping, 0);
    Link(m_paletteSource, mapping, 1);
    Link(mapping, m_mapSink, 0);
    CheckFfmpeg(avfilter_graph_config(m_mapGraph.get(), nullptr), "cannot set up the GIF palette");
    palette->pts = 0;
    CheckFfmpeg(av_buffersrc_add_frame(m_paletteSource, palette.get()), "cannot use the GIF palette");
    // One palette for every picture: the filter keeps the last one it had.
    CheckFfmpeg(av_buffersrc_add_frame(m_paletteSource, nullptr), "cannot use the GIF palette");
}

FramePointer CGifPalette::Map(const VideoFrame& frame, std::int64_t index)
{
    FramePointer copy = CopyOf(frame, index);
    CheckFfmpeg(av_buffersrc_add_frame(m_pictureSource, copy.get()), "cannot map a picture to the GIF palette");
    FramePointer mapped = NewFrame();
    CheckFfmpeg(av_buffersink_get_frame(m_mapSink, mapped.get()), "cannot map a picture to the GIF palette");
    return mapped;
}
