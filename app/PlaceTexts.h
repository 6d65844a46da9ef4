#pragma once

#include "app/UiText.h"

// The French texts of the towns: the "Villes" panel, the search of a town
// and the credit of the gazetteer.

inline constexpr CUiText kTownsPanelTitle{QT_TRANSLATE_NOOP("UiText", "Villes")};
inline constexpr CUiText kTownColumn{QT_TRANSLATE_NOOP("UiText", "Ville")};
inline constexpr CUiText kStateColumn{QT_TRANSLATE_NOOP("UiText", "Région")};
inline constexpr CUiText kCountryColumn{QT_TRANSLATE_NOOP("UiText", "Pays")};
inline constexpr CUiText kPopulationColumn{QT_TRANSLATE_NOOP("UiText", "Population")};
inline constexpr CUiText kTownTypeColumn{QT_TRANSLATE_NOOP("UiText", "Type")};
inline constexpr CUiText kTownMagnitudeColumn{QT_TRANSLATE_NOOP("UiText", "Grandeur")};
inline constexpr CUiText kTownDurationColumn{QT_TRANSLATE_NOOP("UiText", "Durée")};
inline constexpr CUiText kTownMaximumColumn{QT_TRANSLATE_NOOP("UiText", "Maximum (heure locale)")};
inline constexpr CUiText kTownAltitudeColumn{QT_TRANSLATE_NOOP("UiText", "Hauteur du Soleil")};
inline constexpr CUiText kCentralOnlyBox{QT_TRANSLATE_NOOP("UiText", "Dans la bande centrale seulement")};
inline constexpr CUiText kTownsCountText{QT_TRANSLATE_NOOP("UiText", "%1 villes")};
inline constexpr CUiText kTownsWaitingText{QT_TRANSLATE_NOOP("UiText", "Calcul des villes...")};
inline constexpr CUiText kNoTownsText{QT_TRANSLATE_NOOP("UiText", "Aucune liste de villes (places.dat manque).")};
inline constexpr CUiText kTownsPrompt{QT_TRANSLATE_NOOP("UiText", "Un clic place l'observateur dans la ville et y centre la carte")};

// The search of a town, in the tool bar and the position dialog.
inline constexpr CUiText kTownSearchPlaceholder{QT_TRANSLATE_NOOP("UiText", "Rechercher une ville")};
inline constexpr CUiText kTownSearchPrompt{QT_TRANSLATE_NOOP("UiText", "Nom d'une ville, avec sa région ou son pays après une virgule")};
inline constexpr CUiText kTownFieldLabel{QT_TRANSLATE_NOOP("UiText", "Ville")};
inline constexpr CUiText kUnknownTownMessage{QT_TRANSLATE_NOOP("UiText", "Ville inconnue : « %1 »")};
inline constexpr CUiText kUnknownTownClosest{QT_TRANSLATE_NOOP("UiText", "Ville inconnue : « %1 » (proches : %2)")};
inline constexpr CUiText kTownChosenMessage{QT_TRANSLATE_NOOP("UiText", "Observateur : %1")};
inline constexpr CUiText kTownNamesakesMessage{QT_TRANSLATE_NOOP("UiText", "Observateur : %1 (homonymes : %2)")};
