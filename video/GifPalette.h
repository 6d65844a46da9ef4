#pragma once

#include "video/FfmpegSupport.h"
#include "video/VideoEncoder.h"

// One palette of at most 256 colours for a whole animation, chosen by
// libavfilter's palettegen from sample pictures, then each picture mapped to
// it by paletteuse. The maps have few colours (sea, land, the lines and
// dots of fixed colours); without dithering they keep them exactly, and
// paletteuse redoes only the rectangle that changed since the last picture.
class CGifPalette {
public:
    CGifPalette(int width, int height, int framesPerSecond);

    // The samples the palette is chosen from, then Choose once.
    void AddSample(const VideoFrame& frame);
    void Choose();

    // The picture in the palette's colours (PAL8, the palette in data[1]),
    // its time stamp the number of the picture.
    FramePointer Map(const VideoFrame& frame, std::int64_t index);

private:
    FilterGraphPointer m_sampleGraph;
    AVFilterContext* m_sampleSource = nullptr;
    AVFilterContext* m_sampleSink = nullptr;

    FilterGraphPointer m_mapGraph;
    AVFilterContext* m_pictureSource = nullptr;
    AVFilterContext* m_paletteSource = nullptr;
    AVFilterContext* m_mapSink = nullptr;

    int m_width;
    int m_height;
    int m_framesPerSecond;
    int m_samples = 0;
};
