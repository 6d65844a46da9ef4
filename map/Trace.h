#pragma once

#include "app/model/EclipseMap.h"
#include "map/DrawingSurface.h"

#include <string>

// Draws the whole map of the document on the surface, layer by layer: sky,
// globe disk and limb, shorelines, borders, rivers, shadow, credit text.
// Refreshes map.m_terms and changes nothing else in the document.
// dataDirectory ends with a separator. A missing or bad "gshhs_i.dat" or
// ephemeris file raises CFileException (for "gshhs_i.dat" before anything is
// drawn); a missing border or river file only leaves that layer out.
void Trace(IDrawingSurface& surface, CEclipseMap& map, const std::string& dataDirectory);
