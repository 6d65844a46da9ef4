#pragma once

#include <QString>

// The desktop's own choices, kept in the program's settings between runs:
// the model of time and the language of the interface. (The observer's
// height, the time offset and the layers belong to the document.)
class CDesktopSettings {
public:
    enum class Model { Classic, Modern };

    static Model TimeModel();
    static void SetTimeModel(Model model);

    // The language chosen with "Langue / Language" ("fr" or "en"); empty
    // until one is chosen. It applies from the next start.
    static QString LanguageCode();
    static void SetLanguageCode(const QString& code);
};
