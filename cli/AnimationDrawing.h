#pragma once

#include "map/AnimationRequest.h"

#include <atomic>
#include <string>

// What the command line asks its animation module for: the pictures of an
// animation encoded into a video file. The module holds the drawing (Qt)
// and the encoder (FFmpeg); the tool loads it only for animate.
struct AnimationDrawingRequest {
    AnimationRequest animation;
    std::string output;                          // .mp4, .webm or .gif
    bool timed = false;                          // print the time it took
    // Set (by a signal) to stop: the module then leaves nothing behind.
    const std::atomic<int>* stop = nullptr;
};

// The module's entry point, looked up by this name: encodes and writes the
// file, shows its progress on the standard error when that is a terminal,
// and returns 0 when written, kAnimationStopped when stopped, 1 on failure
// with error holding one line saying why.
inline constexpr const char* kDrawAnimationSymbol = "UmbrantDrawAnimation";
inline constexpr int kAnimationStopped = 2;
using DrawAnimationFunction = int (*)(const AnimationDrawingRequest& request, std::string& error);

// The module's file name, found as the drawing module is.
inline constexpr const char* kAnimationModuleName = "umbrant-animate.so";
