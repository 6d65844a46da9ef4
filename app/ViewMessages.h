#pragma once

// The message of a refused zoom, and the captions of its message box.
inline constexpr const char* kZoomRefusedText = "Les points origine et extrémité ont\nla même abscisse ou ordonnée";
inline constexpr const char* kZoomInRefusedCaption = "Fonction Zoom+ impossible";
inline constexpr const char* kZoomOutRefusedCaption = "Fonction Zoom- impossible";
