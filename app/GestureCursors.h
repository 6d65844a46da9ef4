#pragma once

#include <QCursor>

// The cursors of the three gesture modes, drawn here rather than loaded from
// image files; the hot spot is where the gesture's point is taken.
QCursor MakeZoomInCursor();
QCursor MakeZoomOutCursor();
QCursor MakeTranslationCursor();
