#pragma once

#include "ephemeris/TimeModel.h"
#include "map/MapScene.h"
#include "model/EclipseMap.h"

#include <string>

// What the command line asks its drawing module for: a document's map, its
// viewport set, drawn under a time model into a file. The module holds the
// drawing (Qt); the tool loads it only for the commands that draw, so that
// the others start as a small program does.
struct MapDrawingRequest {
    CEclipseMap map;
    std::string dataDirectory;
    TimeModel model;
    SceneRequest scene;
    std::string output;   // PNG, SVG or PDF by the extension; "-": PNG on the standard output
    bool timed = false;   // print the time the drawing took
};

// The module's entry point, looked up by this name: draws and writes the
// map, prints its notes, and returns the exit status; on failure, error
// holds one line saying why.
inline constexpr const char* kDrawMapSymbol = "UmbrantDrawMap";
using DrawMapFunction = int (*)(const MapDrawingRequest& request, std::string& error);

// The module's file name, beside the tool in the build tree and in
// UMBRANT_MODULE_DIRECTORY (relative to the tool's directory) once installed.
inline constexpr const char* kDrawingModuleName = "umbrant-draw.so";
