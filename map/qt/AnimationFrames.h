#pragma once

#include "ephemeris/Ephemeris.h"
#include "map/AnimationRequest.h"
#include "map/Trace.h"
#include "map/qt/MapRenderer.h"

#include <QImage>

#include <functional>

class IVideoEncoder;

// Draws the pictures of an animation: each is the map of its instant as
// ComposeScene gives it, with the instant written in its corner, the static
// layers drawn once for all of them. Raises CFileException for a missing or
// bad data file when made.
class CAnimationFrames {
public:
    explicit CAnimationFrames(const AnimationRequest& request);

    int Count() const { return m_request.times.count; }
    // The picture of frame (0 to Count() - 1), valid until the next call.
    const QImage& Draw(int frame);

private:
    AnimationRequest m_request;
    Ephemeris m_ephemeris;
    CMapTrace m_trace;
    CMapRenderer m_renderer;
    QImage m_image;
};

enum class AnimationOutcome {
    Finished,
    Cancelled,
};

// Told after each picture encoded how many are done out of how many;
// returns false to stop.
using AnimationProgress = std::function<bool(int done, int total)>;

// Every picture, in order, into the encoder (its preview pictures first);
// nothing more once progress says to stop. The encoder's owner finishes it.
AnimationOutcome EncodeAnimation(CAnimationFrames& frames, IVideoEncoder& encoder, const AnimationProgress& progress);
