#pragma once

// The texts of the time bar, the list of eclipses, the "Affichages..."
// dialog and the "Ephémérides" and "Eléments de Bessel" windows, in one
// place for their translation.

#include "app/UiText.h"

#include <QString>

#include <array>

// The time bar.
inline constexpr CUiText kTimeBarTitle{QT_TRANSLATE_NOOP("UiText", "Temps")};
inline constexpr std::array kStepTexts = {
    CUiText{QT_TRANSLATE_NOOP("UiText", "-10 min")},
    CUiText{QT_TRANSLATE_NOOP("UiText", "-1 min")},
    CUiText{QT_TRANSLATE_NOOP("UiText", "+1 min")},
    CUiText{QT_TRANSLATE_NOOP("UiText", "+10 min")},
};
inline constexpr std::array kStepPrompts = {
    CUiText{QT_TRANSLATE_NOOP("UiText", "Recule l'époque de 10 minutes")},
    CUiText{QT_TRANSLATE_NOOP("UiText", "Recule l'époque d'une minute")},
    CUiText{QT_TRANSLATE_NOOP("UiText", "Avance l'époque d'une minute")},
    CUiText{QT_TRANSLATE_NOOP("UiText", "Avance l'époque de 10 minutes")},
};
inline constexpr CUiText kSliderPrompt{QT_TRANSLATE_NOOP("UiText", "Epoque dans l'éclipse courante, du premier au dernier contact de la pénombre")};
inline constexpr CUiText kPlayText{QT_TRANSLATE_NOOP("UiText", "Lecture")};
inline constexpr CUiText kPauseText{QT_TRANSLATE_NOOP("UiText", "Pause")};
inline constexpr CUiText kPlayPrompt{QT_TRANSLATE_NOOP("UiText", "Anime l'ombre à la vitesse choisie jusqu'à la fin de l'éclipse")};
inline constexpr CUiText kSpeedText{QT_TRANSLATE_NOOP("UiText", "%1 min/s")};
inline constexpr CUiText kSlowSpeedText{QT_TRANSLATE_NOOP("UiText", "%1 s/s")};
inline constexpr CUiText kSpeedPrompt{QT_TRANSLATE_NOOP("UiText", "Vitesse de l'animation, en temps d'éclipse par seconde")};
inline constexpr CUiText kUniversalTimeLabel{QT_TRANSLATE_NOOP("UiText", "TU %1")};
inline constexpr CUiText kLocalTimeLabel{QT_TRANSLATE_NOOP("UiText", "Heure locale %1 (%2)")};

// The status bar while the current eclipse is computed.
inline constexpr CUiText kEclipseBusyText{QT_TRANSLATE_NOOP("UiText", "Calcul de l'éclipse...")};

// The command and the dialog listing the eclipses.
inline constexpr CUiText kSearchTitle{QT_TRANSLATE_NOOP("UiText", "Rechercher les éclipses")};
inline constexpr CUiText kSearchFromLabel{QT_TRANSLATE_NOOP("UiText", "Années de")};
inline constexpr CUiText kSearchToLabel{QT_TRANSLATE_NOOP("UiText", "à")};
inline constexpr CUiText kSearchButton{QT_TRANSLATE_NOOP("UiText", "Rechercher")};
inline constexpr CUiText kSearchRunning{QT_TRANSLATE_NOOP("UiText", "Recherche en cours...")};
inline constexpr CUiText kSearchCount{QT_TRANSLATE_NOOP("UiText", "%1 éclipse(s) de %2 à %3")};
inline constexpr CUiText kTypeFilterLabel{QT_TRANSLATE_NOOP("UiText", "Type :")};
inline constexpr CUiText kAllTypesFilter{QT_TRANSLATE_NOOP("UiText", "tous")};
inline constexpr CUiText kSeenFilter{QT_TRANSLATE_NOOP("UiText", "Vues de l'observateur seulement")};
inline constexpr CUiText kSearchRange{QT_TRANSLATE_NOOP("UiText", "La recherche couvre les années -1999 à 3000.")};
inline constexpr std::array kSearchColumns = {
    CUiText{QT_TRANSLATE_NOOP("UiText", "Date (TU)")},
    CUiText{QT_TRANSLATE_NOOP("UiText", "Maximum (TU)")},
    CUiText{QT_TRANSLATE_NOOP("UiText", "Type")},
    CUiText{QT_TRANSLATE_NOOP("UiText", "Magnitude")},
    CUiText{QT_TRANSLATE_NOOP("UiText", "Durée")},
    CUiText{QT_TRANSLATE_NOOP("UiText", "Latitude")},
    CUiText{QT_TRANSLATE_NOOP("UiText", "Longitude")},
};
inline constexpr CUiText kTypePartial{QT_TRANSLATE_NOOP("UiText", "partielle")};
inline constexpr CUiText kTypeAnnular{QT_TRANSLATE_NOOP("UiText", "annulaire")};
inline constexpr CUiText kTypeTotal{QT_TRANSLATE_NOOP("UiText", "totale")};
inline constexpr CUiText kTypeHybrid{QT_TRANSLATE_NOOP("UiText", "hybride")};

// The buttons of the dialogs and windows.
inline constexpr CUiText kOkButton{QT_TRANSLATE_NOOP("UiText", "Ok")};
inline constexpr CUiText kCopyButton{QT_TRANSLATE_NOOP("UiText", "Copier")};
inline constexpr CUiText kCloseButton{QT_TRANSLATE_NOOP("UiText", "Fermer")};

// "Affichages...".
inline constexpr CUiText kDisplaysTitle{QT_TRANSLATE_NOOP("UiText", "Affichages complémentaires")};
inline constexpr CUiText kLayersGroup{QT_TRANSLATE_NOOP("UiText", "Couches de la carte")};
inline constexpr CUiText kLayerPath{QT_TRANSLATE_NOOP("UiText", "Bande de centralité, ligne centrale et maximum")};
inline constexpr CUiText kLayerLimits{QT_TRANSLATE_NOOP("UiText", "Limites de la pénombre, courbes de lever et de coucher")};
inline constexpr CUiText kLayerMagnitude{QT_TRANSLATE_NOOP("UiText", "Courbes d'égale magnitude")};
inline constexpr CUiText kLayerGraticule{QT_TRANSLATE_NOOP("UiText", "Méridiens et parallèles")};
inline constexpr CUiText kLayerTerminator{QT_TRANSLATE_NOOP("UiText", "Terminateur jour/nuit")};
inline constexpr CUiText kLayerObserver{QT_TRANSLATE_NOOP("UiText", "Observateur")};
inline constexpr CUiText kLayerLegend{QT_TRANSLATE_NOOP("UiText", "Légende et titre de la carte")};
inline constexpr CUiText kLayerTowns{QT_TRANSLATE_NOOP("UiText", "Noms des plus grandes villes de la bande")};
inline constexpr CUiText kModelGroup{QT_TRANSLATE_NOOP("UiText", "Modèle de calcul")};
inline constexpr CUiText kModelClassic{QT_TRANSLATE_NOOP("UiText", "Classique (formules d'origine)")};
inline constexpr CUiText kModelModern{QT_TRANSLATE_NOOP("UiText", "Moderne (Delta T observé, Lune corrigée, temps sidéral apparent)")};

// "Ephémérides".
inline constexpr CUiText kEphemerisTitle{QT_TRANSLATE_NOOP("UiText", "Ephémérides")};
inline constexpr CUiText kEphemerisNote{QT_TRANSLATE_NOOP("UiText", "Soleil et Lune géocentriques apparents (équateur et équinoxe vrais de la date, temps de lumière) ; "
    "Terre héliocentrique géométrique (écliptique et équinoxe de la date). Pas de 10 minutes de P1 à P4.")};
inline constexpr std::array kEphemerisColumns = {
    CUiText{QT_TRANSLATE_NOOP("UiText", "Instant (TU)")},
    CUiText{QT_TRANSLATE_NOOP("UiText", "Soleil AD")},
    CUiText{QT_TRANSLATE_NOOP("UiText", "Soleil Déc")},
    CUiText{QT_TRANSLATE_NOOP("UiText", "Soleil dist. (ua)")},
    CUiText{QT_TRANSLATE_NOOP("UiText", "Soleil demi-diam.")},
    CUiText{QT_TRANSLATE_NOOP("UiText", "Lune AD")},
    CUiText{QT_TRANSLATE_NOOP("UiText", "Lune Déc")},
    CUiText{QT_TRANSLATE_NOOP("UiText", "Lune dist. (km)")},
    CUiText{QT_TRANSLATE_NOOP("UiText", "Lune demi-diam.")},
    CUiText{QT_TRANSLATE_NOOP("UiText", "Terre L")},
    CUiText{QT_TRANSLATE_NOOP("UiText", "Terre B")},
    CUiText{QT_TRANSLATE_NOOP("UiText", "Terre R (ua)")},
};
inline constexpr CUiText kEphemerisEpochMark{QT_TRANSLATE_NOOP("UiText", " (époque)")};
inline constexpr CUiText kEphemerisRunning{QT_TRANSLATE_NOOP("UiText", "Calcul des éphémérides...")};

// "Eléments de Bessel".
inline constexpr CUiText kBesselTitle{QT_TRANSLATE_NOOP("UiText", "Eléments de Bessel")};
inline constexpr CUiText kBesselHeading{QT_TRANSLATE_NOOP("UiText", "Eléments de Bessel de l'éclipse du %1, maximum à %2 TU (%3 TT)")};
inline constexpr CUiText kBesselT0{QT_TRANSLATE_NOOP("UiText", "T0 = %1 TT      Delta T = %2 s")};
inline constexpr CUiText kBesselNotes{QT_TRANSLATE_NOOP("UiText", "Pour t heures de TT depuis T0 : a = a0 + a1 t + a2 t^2 + a3 t^3 pour a = x, y, d, l1, l2 et mu ;\n"
    "x, y, l1 et l2 en rayons équatoriaux terrestres, d et mu en degrés ; mu est l'angle horaire\n"
    "des éphémérides (l'angle horaire de Greenwich plus 1,002738 Delta T, en temps).")};
inline constexpr CUiText kBesselValidity{QT_TRANSLATE_NOOP("UiText", "Valables de %1 à %2 TT (t = %3 à %4).")};
inline constexpr CUiText kBesselNone{QT_TRANSLATE_NOOP("UiText", "Aucune éclipse à moins de quinze jours de l'époque.\n"
    "Changez l'époque, ou choisissez une éclipse avec \"Rechercher les éclipses...\".")};
inline constexpr CUiText kBesselRunning{QT_TRANSLATE_NOOP("UiText", "Calcul de l'éclipse en cours...")};
