#pragma once

#include <QtGlobal>

// The message of a refused zoom, and the captions of its message box: French
// sources, translated where they are shown in the context kUiTextContext
// (UiText.h).
inline constexpr const char* kZoomRefusedText =
    QT_TRANSLATE_NOOP("UiText", "Les points origine et extrémité ont\nla même abscisse ou ordonnée");
inline constexpr const char* kZoomInRefusedCaption = QT_TRANSLATE_NOOP("UiText", "Fonction Zoom+ impossible");
inline constexpr const char* kZoomOutRefusedCaption = QT_TRANSLATE_NOOP("UiText", "Fonction Zoom- impossible");
