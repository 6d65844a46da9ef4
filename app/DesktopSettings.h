#pragma once

// moc cannot read the standard library's concepts that the computing
// headers bring in, and needs nothing of them.
#ifndef Q_MOC_RUN
#include "ephemeris/TimeModel.h"
#endif

#include <QString>

// The desktop's own choices, kept in the program's settings between runs:
// the model of time and the language of the interface. (The observer's
// height, the time offset and the layers belong to the document.)
class CDesktopSettings {
public:
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
