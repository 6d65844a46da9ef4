#pragma once

#include "app/UiText.h"

#include <QKeySequence>
#include <QString>

#include <span>

// The program's commands, by the numbers that the menus, the tool bar and the
// handlers share.
enum CommandId : int {
    ID_EDIT_COPY = 57634,
    ID_VUE_POSITION = 32901,
    ID_FILE_NEW = 57600,
    ID_FILE_OPEN = 57601,
    ID_FILE_SAVE = 57603,
    ID_FILE_SAVE_AS = 57604,
    ID_FILE_PAGE_SETUP = 57606,
    ID_FILE_PRINT = 57607,
    ID_FILE_PRINT_PREVIEW = 57609,
    ID_FILE_MRU_FILE1 = 57616,
    ID_APP_EXIT = 57665,
    ID_APP_ABOUT = 57664,
    ID_HELP_INDEX = 57667,
    ID_VIEW_TOOLBAR = 59392,
    ID_VIEW_STATUS_BAR = 59393,
    ID_VUE_GLOBAL = 32771,
    ID_VUE_TRACE = 32774,
    ID_PARAMETRES_EPOQUE = 32775,
    ID_PARAMETRES_POSITION = 32776,
    ID_PARAMETRES_AFFICHAGES = 32777,
    ID_OUTILS_SEPARATION = 32778,
    ID_OUTILS_EPHEMERIDES = 32779,
    ID_OUTILS_BESSEL = 32781,
    ID_OUTILS_RECHERCHE = 32796,
    ID_FILE_EXPORT_MAP = 32797,
    ID_FILE_EXPORT_PATH = 32798,
    ID_FILE_EXPORT_LOCAL = 32799,
    ID_FILE_EXPORT_ANIMATION = 32800,
    ID_VUE_ZOOM_PLUS = 32782,
    ID_VUE_ZOOM_MOINS = 32783,
    ID_TRANSFORM_NUTATION = 32784,
    ID_TRANSFORM_ELP = 32785,
    ID_TRANSFORM_VSOP = 32786,
    ID_TRANSFORM_CARTO_CRUDE = 32787,
    ID_TRANSFORM_CARTO_LOW = 32788,
    ID_TRANSFORM_CARTO_INTERMEDIATE = 32789,
    ID_TRANSFORM_CARTO_HIGH = 32790,
    ID_TRANSFORM_CARTO_FULL = 32791,
    ID_PARAMETRES_CARTE = 32792,
    ID_TRANSFORM_FRONTIERES = 32793,
    ID_TRANSFORM_FLEUVES = 32794,
    ID_VUE_TRANSLATION = 32795,
};

// The texts of one command: the menu item (with its "&" mnemonic), the
// status-bar prompt and the tool tip (either may be empty), and the shortcut.
// The texts are French sources, translated in the context kCommandTextContext.
struct CommandText {
    CommandId id;
    const char* menuText;
    const char* prompt;
    const char* toolTip;
    QKeySequence::StandardKey shortcut = QKeySequence::UnknownKey;
};

inline constexpr const char* kCommandTextContext = "CommandTable";

std::span<const CommandText> CommandTexts();
const CommandText& FindCommandText(CommandId id);

// The prompt of the recent-file entries, and the idle text of the status bar.
inline constexpr CUiText kRecentFilePrompt{QT_TRANSLATE_NOOP("UiText", "Ouvre ce document")};
inline constexpr CUiText kIdlePrompt{QT_TRANSLATE_NOOP("UiText", "Pour l'aide, appuyez sur F1")};
