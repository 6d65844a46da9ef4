#pragma once

#include "cli/AnimationDrawing.h"
#include "cli/MapDrawing.h"

// Loads the drawing module (once) and draws through it. Raises
// std::runtime_error naming the module when it cannot be found or loaded,
// and with the module's own message when the drawing fails.
void DrawThroughModule(const MapDrawingRequest& request);

// The same for an animation through the animation module; returns false
// when the request's stop flag stopped it.
bool AnimateThroughModule(const AnimationDrawingRequest& request);
