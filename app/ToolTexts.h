#pragma once

#include <QString>

// The French texts of the observer's place, the local circumstances, the
// separation, the save prompt, the navigation and the help, gathered for the
// translation to come.

// The position dialog.
inline const QString kPositionDialogTitle = QStringLiteral("Position de l'observateur");
inline const QString kHeightGroupTitle = QStringLiteral("Altitude");
inline const QString kMetresUnit = QStringLiteral("m");
inline const QString kPickOnMapButton = QStringLiteral("Sur la carte");

// Clicks on the map.
inline const QString kPickObserverPrompt = QStringLiteral("Cliquez sur la carte à l'emplacement de l'observateur");
inline const QString kPickFirstPointPrompt = QStringLiteral("Séparation : cliquez sur le premier point");
inline const QString kPickSecondPointPrompt = QStringLiteral("Séparation : cliquez sur le second point");
inline const QString kPickOffGlobePrompt = QStringLiteral("Hors du globe : cliquez sur la Terre");
inline const QString kObserverPlacedMessage = QStringLiteral("Observateur : %1");
inline const QString kOffGlobeText = QStringLiteral("hors du globe");
inline const QString kNorthLetter = QStringLiteral("N");
inline const QString kSouthLetter = QStringLiteral("S");
inline const QString kEastLetter = QStringLiteral("E");
inline const QString kWestLetter = QStringLiteral("O");

// The separation of two points.
inline const QString kSeparationCaption = QStringLiteral("Séparation");
inline const QString kSeparationText =
    QStringLiteral("De %1\nà %2\n\nDistance : %3 km\nAzimut initial : %4°\nAzimut final : %5°");
inline const QString kSeparationStatus = QStringLiteral("Séparation : %1 km, azimut initial %2°");

// The save prompt.
inline const QString kSavePromptText = QStringLiteral("Enregistrer les modifications apportées à %1 ?");
inline const QString kSaveButton = QStringLiteral("Enregistrer");
inline const QString kDiscardButton = QStringLiteral("Ne pas enregistrer");
inline const QString kCancelButton = QStringLiteral("Annuler");
// After the document's name in the window title, when it has changed since it was saved.
inline const QString kModifiedMark = QStringLiteral("*");

// The local circumstances panel.
inline const QString kLocalPanelTitle = QStringLiteral("Circonstances locales");
inline const QString kNoEclipseText = QStringLiteral("Aucune éclipse choisie.");
inline const QString kObserverLabel = QStringLiteral("Observateur");
inline const QString kEclipseLabel = QStringLiteral("Eclipse");
inline const QString kTypeLabel = QStringLiteral("Type");
inline const QString kMagnitudeLabel = QStringLiteral("Grandeur");
inline const QString kObscurationLabel = QStringLiteral("Obscuration");
inline const QString kDurationLabel = QStringLiteral("Durée de la phase centrale");
inline const QString kTotalType = QStringLiteral("totale");
inline const QString kAnnularType = QStringLiteral("annulaire");
inline const QString kPartialType = QStringLiteral("partielle");
inline const QString kNoneType = QStringLiteral("aucune (hors de la pénombre)");
inline const QString kBelowHorizonNote = QStringLiteral(" (Soleil sous l'horizon)");
inline const QString kContactColumn = QStringLiteral("Phase");
inline const QString kUniversalTimeColumn = QStringLiteral("TU");
inline const QString kLocalTimeColumn = QStringLiteral("Heure locale (TU%1 h)");
inline const QString kSunAltitudeColumn = QStringLiteral("Hauteur du Soleil");
inline const QString kMaximumRow = QStringLiteral("Maximum");
inline const QString kNextDayNote = QStringLiteral(" (lendemain)");
inline const QString kPreviousDayNote = QStringLiteral(" (veille)");
inline const QString kSunriseNote = QStringLiteral("Le Soleil se lève éclipsé à %1 TU (grandeur %2).");
inline const QString kSunsetNote = QStringLiteral("Le Soleil se couche éclipsé à %1 TU (grandeur %2).");
inline const QString kMissingValue = QStringLiteral("—");

// The help window.
inline const QString kHelpWindowTitle = QStringLiteral("Aide de Umbrant");
// The tool bar of the map's own tools.
inline const QString kToolsToolBarTitle = QStringLiteral("Outils");
