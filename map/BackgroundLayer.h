#pragma once

#include "map/DrawingSurface.h"

// The black sky: the whole client rectangle.
void FillBackground(IDrawingSurface& surface);
