#pragma once

#include <QLocale>

// Qt's own texts (the buttons of message boxes, the file, print, print
// preview and page set-up dialogs) in the language of the interface.
// Installing a language replaces the one installed before; English is Qt's
// own and needs no file. False when the translations of the language cannot
// be found, in which case Qt's texts stay in English.
bool InstallQtTranslations(QLocale::Language language);
