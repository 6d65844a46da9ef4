#pragma once

// moc cannot read the standard library's concepts that the computing
// headers bring in, and needs nothing of them.
#ifndef Q_MOC_RUN
#include "ephemeris/TimeModel.h"
#endif
#include "map/MapFrame.h"

#include <QString>

// The desktop's own choices, kept in the program's settings between runs:
// the offset of local time from UT ("Décalage horaire"), the map's optional
// layers, the model of time and the language of the interface.
class CDesktopSettings {
public:
    static double TimeOffsetHours();
    static void SetTimeOffsetHours(double hours);

    // The observer's height above the ellipsoid, metres. The document's file
    // has no field for it: its reserved words must keep whatever they hold.
    static double ObserverHeightMetres();
    static void SetObserverHeightMetres(double metres);

    static MapLayerChoice Layers();
    static void SetLayers(const MapLayerChoice& layers);

    // The formulas of the time model chosen in "Affichages...", modern until
    // the user chooses the classic ones; a document's epoch adds its own
    // Delta T (TimeModel::ForEpoch).
    static TimeModel Model();
    static void SetModel(const TimeModel& model);

    // The language chosen with "Langue / Language" ("fr" or "en"); empty
    // until one is chosen. It applies from the next start.
    static QString LanguageCode();
    static void SetLanguageCode(const QString& code);
};
