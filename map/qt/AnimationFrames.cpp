#include "map/qt/AnimationFrames.h"

#include "video/VideoEncoder.h"

#include <algorithm>
#include <vector>

namespace {

VideoFrame FrameOf(const QImage& image)
{
    return {image.constBits(), image.width(), image.height(), static_cast<std::ptrdiff_t>(image.bytesPerLine())};
}

// count indices spread evenly from the first frame to the last.
std::vector<int> SpreadFrames(int count, int frames)
{
    std::vector<int> indices;
    const int wanted = std::min(count, frames);
    for (int i = 0; i < wanted; ++i) {
        indices.push_back(wanted == 1 ? 0 : static_cast<int>(static_cast<long long>(i) * (frames - 1) / (wanted - 1)));
    }
    return indices;
}

} // namespace

CAnimationFrames::CAnimationFrames(const AnimationRequest& request)
    : m_request(request), m_ephemeris(Ephemeris::Load(request.dataDirectory, request.model)),
      m_trace(request.dataDirectory)
{
}

const QImage& CAnimationFrames::Draw(int frame)
{
    SetEpochToFrame(m_request.map.m_observation, m_request.times, frame);
    MapScene scene = ComposeScene(m_ephemeris, m_request.map, m_request.scene);
    scene.frame.instantLabel = FrameInstantLabel(m_request.times, frame);
    m_renderer.Render(m_image, m_trace, scene.frame);
    return m_image;
}

AnimationOutcome EncodeAnimation(CAnimationFrames& frames, IVideoEncoder& encoder, const AnimationProgress& progress)
{
    for (const int frame : SpreadFrames(encoder.PreviewFrameCount(), frames.Count())) {
        encoder.AddPreviewFrame(FrameOf(frames.Draw(frame)));
    }
    for (int frame = 0; frame < frames.Count(); ++frame) {
        encoder.AddFrame(FrameOf(frames.Draw(frame)));
        if (progress && !progress(frame + 1, frames.Count())) {
            return AnimationOutcome::Cancelled;
        }
    }
    return AnimationOutcome::Finished;
}
