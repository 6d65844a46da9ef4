// The command line's animation module: the pictures of an animation drawn
// with Qt and encoded with FFmpeg, loaded by the tool only for animate.

#include "cli/AnimationDrawing.h"
#include "cli/draw/GuiApplication.h"
#include "map/qt/AnimationFrames.h"
#include "map/qt/FontWarmUp.h"
#include "video/VideoFile.h"

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <exception>
#include <memory>
#include <stdexcept>
#include <string>

namespace {

// "\rframe 120/320" on a terminal, where it overwrites itself; nothing on a
// file or a pipe, which would keep every line.
class CProgressLine {
public:
    CProgressLine() : m_shown(::isatty(STDERR_FILENO) == 1) {}
    ~CProgressLine()
    {
        if (m_shown && m_written) {
            std::fputc('\n', stderr);
        }
    }
    CProgressLine(const CProgressLine&) = delete;
    CProgressLine& operator=(const CProgressLine&) = delete;

    void Show(int done, int total)
    {
        if (m_shown) {
            std::fprintf(stderr, "\rumbrant-cli: frame %d/%d", done, total);
            std::fflush(stderr);
            m_written = true;
        }
    }

private:
    bool m_shown;
    bool m_written = false;
};

VideoSettings SettingsOf(const AnimationDrawingRequest& request)
{
    const std::optional<VideoFormat> format = VideoFormatOf(request.output);
    if (!format) {
        throw std::runtime_error("no video format for " + request.output + " (expected .mp4, .webm or .gif)");
    }
    const AnimationRequest& animation = request.animation;
    return {*format, animation.scene.width, animation.scene.height, animation.framesPerSecond};
}

// Whether the animation was written (false: stopped).
bool DrawAndEncode(const AnimationDrawingRequest& request)
{
    const std::unique_ptr<QGuiApplication> application = StartGuiApplication();
    const CFontWarmUp fonts;
    const auto start = std::chrono::steady_clock::now();
    CAnimationFrames frames(request.animation);
    CProgressLine progress;
    const bool written = WriteVideoFile(request.output, SettingsOf(request), [&](IVideoEncoder& encoder) {
        const auto show = [&](int done, int total) {
            progress.Show(done, total);
            return request.stop == nullptr || request.stop->load() == 0;
        };
        return EncodeAnimation(frames, encoder, show) == AnimationOutcome::Finished;
    });
    if (!written) {
        return false;
    }
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    std::printf("Animation of %d frames, %dx%d, written to %s\n", frames.Count(), request.animation.scene.width,
                request.animation.scene.height, request.output.c_str());
    if (request.timed) {
        std::printf("Animation: %.2f s\n", elapsed.count());
    }
    return true;
}

} // namespace

extern "C" __attribute__((visibility("default"))) int UmbrantDrawAnimation(const AnimationDrawingRequest& request,
                                                                          std::string& error)
{
    try {
        return DrawAndEncode(request) ? 0 : kAnimationStopped;
    } catch (const std::exception& failure) {
        error = failure.what();
    } catch (...) {
        error = "the animation could not be made";
    }
    return 1;
}
