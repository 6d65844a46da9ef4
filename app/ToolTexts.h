#pragma once

#include "app/UiText.h"

#include <QString>

// The French texts of the observer's place, the local circumstances, the
// separation, the save prompt, the navigation and the help, gathered for the
// translation to come.

// The position dialog.
inline constexpr CUiText kPositionDialogTitle{QT_TRANSLATE_NOOP("UiText", "Position de l'observateur")};
inline constexpr CUiText kHeightGroupTitle{QT_TRANSLATE_NOOP("UiText", "Altitude")};
inline const QString kMetresUnit = QStringLiteral("m");
inline constexpr CUiText kPickOnMapButton{QT_TRANSLATE_NOOP("UiText", "Sur la carte")};

// Clicks on the map.
inline constexpr CUiText kPickObserverPrompt{QT_TRANSLATE_NOOP("UiText", "Cliquez sur la carte à l'emplacement de l'observateur")};
inline constexpr CUiText kPickFirstPointPrompt{QT_TRANSLATE_NOOP("UiText", "Séparation : cliquez sur le premier point")};
inline constexpr CUiText kPickSecondPointPrompt{QT_TRANSLATE_NOOP("UiText", "Séparation : cliquez sur le second point")};
inline constexpr CUiText kPickOffGlobePrompt{QT_TRANSLATE_NOOP("UiText", "Hors du globe : cliquez sur la Terre")};
inline constexpr CUiText kObserverPlacedMessage{QT_TRANSLATE_NOOP("UiText", "Observateur : %1")};
inline constexpr CUiText kOffGlobeText{QT_TRANSLATE_NOOP("UiText", "hors du globe")};
inline constexpr CUiText kNorthLetter{QT_TRANSLATE_NOOP("UiText", "N")};
inline constexpr CUiText kSouthLetter{QT_TRANSLATE_NOOP("UiText", "S")};
inline constexpr CUiText kEastLetter{QT_TRANSLATE_NOOP("UiText", "E")};
inline constexpr CUiText kWestLetter{QT_TRANSLATE_NOOP("UiText", "O")};

// The separation of two points.
inline constexpr CUiText kSeparationCaption{QT_TRANSLATE_NOOP("UiText", "Séparation")};
inline constexpr CUiText kSeparationText{QT_TRANSLATE_NOOP("UiText", "De %1\nà %2\n\nDistance : %3 km\nAzimut initial : %4°\nAzimut final : %5°")};
inline constexpr CUiText kSeparationStatus{QT_TRANSLATE_NOOP("UiText", "Séparation : %1 km, azimut initial %2°")};

// The save prompt.
inline constexpr CUiText kSavePromptText{QT_TRANSLATE_NOOP("UiText", "Enregistrer les modifications apportées à %1 ?")};
inline constexpr CUiText kSaveButton{QT_TRANSLATE_NOOP("UiText", "Enregistrer")};
inline constexpr CUiText kDiscardButton{QT_TRANSLATE_NOOP("UiText", "Ne pas enregistrer")};
inline constexpr CUiText kCancelButton{QT_TRANSLATE_NOOP("UiText", "Annuler")};
// After the document's name in the window title, when it has changed since it was saved.
inline const QString kModifiedMark = QStringLiteral("*");

// The local circumstances panel.
inline constexpr CUiText kLocalPanelTitle{QT_TRANSLATE_NOOP("UiText", "Circonstances locales")};
inline constexpr CUiText kNoEclipseText{QT_TRANSLATE_NOOP("UiText", "Aucune éclipse choisie.")};
inline constexpr CUiText kObserverLabel{QT_TRANSLATE_NOOP("UiText", "Observateur")};
inline constexpr CUiText kEclipseLabel{QT_TRANSLATE_NOOP("UiText", "Eclipse")};
inline constexpr CUiText kTypeLabel{QT_TRANSLATE_NOOP("UiText", "Type")};
inline constexpr CUiText kMagnitudeLabel{QT_TRANSLATE_NOOP("UiText", "Grandeur")};
inline constexpr CUiText kMoonSunRatioLabel{QT_TRANSLATE_NOOP("UiText", "Rapport des diamètres Lune/Soleil")};
inline constexpr CUiText kObscurationLabel{QT_TRANSLATE_NOOP("UiText", "Obscuration")};
inline constexpr CUiText kDurationLabel{QT_TRANSLATE_NOOP("UiText", "Durée de la phase centrale")};
inline constexpr CUiText kTotalType{QT_TRANSLATE_NOOP("UiText", "totale")};
inline constexpr CUiText kAnnularType{QT_TRANSLATE_NOOP("UiText", "annulaire")};
inline constexpr CUiText kPartialType{QT_TRANSLATE_NOOP("UiText", "partielle")};
inline constexpr CUiText kNoneType{QT_TRANSLATE_NOOP("UiText", "aucune (hors de la pénombre)")};
inline constexpr CUiText kBelowHorizonNote{QT_TRANSLATE_NOOP("UiText", " (Soleil sous l'horizon)")};
inline constexpr CUiText kContactColumn{QT_TRANSLATE_NOOP("UiText", "Phase")};
inline constexpr CUiText kUniversalTimeColumn{QT_TRANSLATE_NOOP("UiText", "TU")};
inline constexpr CUiText kLocalTimeColumn{QT_TRANSLATE_NOOP("UiText", "Heure locale (TU%1 h)")};
inline constexpr CUiText kLocalZoneColumn{QT_TRANSLATE_NOOP("UiText", "Heure locale (%1)")};
inline constexpr CUiText kSunAltitudeColumn{QT_TRANSLATE_NOOP("UiText", "Hauteur du Soleil")};
inline constexpr CUiText kSunAzimuthColumn{QT_TRANSLATE_NOOP("UiText", "Azimut du Soleil")};
inline constexpr CUiText kPositionAngleColumn{QT_TRANSLATE_NOOP("UiText", "Angle de position")};
inline constexpr CUiText kGoToContactLabel{QT_TRANSLATE_NOOP("UiText", "Aller à :")};
inline constexpr CUiText kMaximumButton{QT_TRANSLATE_NOOP("UiText", "Max")};
inline constexpr CUiText kGoToContactPrompt{QT_TRANSLATE_NOOP("UiText", "Met l'époque à l'instant de ce contact")};
inline constexpr CUiText kMaximumRow{QT_TRANSLATE_NOOP("UiText", "Maximum")};
inline constexpr CUiText kNextDayNote{QT_TRANSLATE_NOOP("UiText", " (lendemain)")};
inline constexpr CUiText kPreviousDayNote{QT_TRANSLATE_NOOP("UiText", " (veille)")};
inline constexpr CUiText kSunriseNote{QT_TRANSLATE_NOOP("UiText", "Le Soleil se lève éclipsé à %1 TU (grandeur %2).")};
inline constexpr CUiText kSunsetNote{QT_TRANSLATE_NOOP("UiText", "Le Soleil se couche éclipsé à %1 TU (grandeur %2).")};
inline const QString kMissingValue = QStringLiteral("—");

// The help window.
inline constexpr CUiText kHelpWindowTitle{QT_TRANSLATE_NOOP("UiText", "Aide de Umbrant")};
// The tool bar of the map's own tools.
inline constexpr CUiText kToolsToolBarTitle{QT_TRANSLATE_NOOP("UiText", "Outils")};
