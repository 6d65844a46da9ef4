#pragma once

// The texts of the time bar, the list of eclipses, the "Affichages..."
// dialog and the "Ephémérides" and "Eléments de Bessel" windows, in one
// place for their translation.

#include <QString>
#include <QStringList>

// The time bar.
inline const QString kTimeBarTitle = QStringLiteral("Temps");
inline const QStringList kStepTexts = {QStringLiteral("-10 min"), QStringLiteral("-1 min"), QStringLiteral("+1 min"),
                                       QStringLiteral("+10 min")};
inline const QStringList kStepPrompts = {
    QStringLiteral("Recule l'époque de 10 minutes"), QStringLiteral("Recule l'époque d'une minute"),
    QStringLiteral("Avance l'époque d'une minute"), QStringLiteral("Avance l'époque de 10 minutes")};
inline const QString kSliderPrompt =
    QStringLiteral("Epoque dans l'éclipse courante, du premier au dernier contact de la pénombre");
inline const QString kPlayText = QStringLiteral("Lecture");
inline const QString kPauseText = QStringLiteral("Pause");
inline const QString kPlayPrompt = QStringLiteral("Anime l'ombre à la vitesse choisie jusqu'à la fin de l'éclipse");
inline const QString kSpeedText = QStringLiteral("%1 min/s");
inline const QString kSpeedPrompt = QStringLiteral("Vitesse de l'animation, en minutes d'éclipse par seconde");
inline const QString kUniversalTimeLabel = QStringLiteral("TU %1");
inline const QString kLocalTimeLabel = QStringLiteral("Heure locale %1 (%2)");

// The status bar while the current eclipse is computed.
inline const QString kEclipseBusyText = QStringLiteral("Calcul de l'éclipse...");

// The command and the dialog listing the eclipses.
inline const QString kSearchTitle = QStringLiteral("Rechercher les éclipses");
inline const QString kSearchFromLabel = QStringLiteral("Années de");
inline const QString kSearchToLabel = QStringLiteral("à");
inline const QString kSearchButton = QStringLiteral("Rechercher");
inline const QString kSearchRunning = QStringLiteral("Recherche en cours...");
inline const QString kSearchCount = QStringLiteral("%1 éclipse(s) de %2 à %3");
inline const QString kSearchRange = QStringLiteral("La recherche couvre les années -1999 à 3000.");
inline const QStringList kSearchColumns = {
    QStringLiteral("Date (TU)"), QStringLiteral("Maximum (TU)"), QStringLiteral("Type"), QStringLiteral("Magnitude"),
    QStringLiteral("Durée"),     QStringLiteral("Latitude"),     QStringLiteral("Longitude")};
inline const QString kTypePartial = QStringLiteral("partielle");
inline const QString kTypeAnnular = QStringLiteral("annulaire");
inline const QString kTypeTotal = QStringLiteral("totale");
inline const QString kTypeHybrid = QStringLiteral("hybride");

// The buttons of the dialogs and windows.
inline const QString kOkButton = QStringLiteral("Ok");
inline const QString kQuitButton = QStringLiteral("Quitter");
inline const QString kCopyButton = QStringLiteral("Copier");
inline const QString kCloseButton = QStringLiteral("Fermer");

// "Affichages...".
inline const QString kDisplaysTitle = QStringLiteral("Affichages complémentaires");
inline const QString kLayersGroup = QStringLiteral("Couches de la carte");
inline const QString kLayerPath = QStringLiteral("Bande de centralité, ligne centrale et maximum");
inline const QString kLayerLimits = QStringLiteral("Limites de la pénombre, courbes de lever et de coucher");
inline const QString kLayerMagnitude = QStringLiteral("Courbes d'égale magnitude");
inline const QString kLayerGraticule = QStringLiteral("Méridiens et parallèles");
inline const QString kLayerTerminator = QStringLiteral("Terminateur jour/nuit");
inline const QString kLayerObserver = QStringLiteral("Observateur");
inline const QString kModelGroup = QStringLiteral("Modèle de calcul");
inline const QString kModelClassic = QStringLiteral("Classique (formules d'origine)");
inline const QString kModelModern =
    QStringLiteral("Moderne (Delta T observé, Lune corrigée, temps sidéral apparent)");

// "Ephémérides".
inline const QString kEphemerisTitle = QStringLiteral("Ephémérides");
inline const QString kEphemerisNote = QStringLiteral(
    "Soleil et Lune géocentriques apparents (équateur et équinoxe vrais de la date, temps de lumière) ; "
    "Terre héliocentrique géométrique (écliptique et équinoxe de la date). Pas de 10 minutes de P1 à P4.");
inline const QStringList kEphemerisColumns = {
    QStringLiteral("Instant (TU)"),    QStringLiteral("Soleil AD"),          QStringLiteral("Soleil Déc"),
    QStringLiteral("Soleil dist. (ua)"), QStringLiteral("Soleil demi-diam."), QStringLiteral("Lune AD"),
    QStringLiteral("Lune Déc"),        QStringLiteral("Lune dist. (km)"),    QStringLiteral("Lune demi-diam."),
    QStringLiteral("Terre L"),         QStringLiteral("Terre B"),            QStringLiteral("Terre R (ua)")};
inline const QString kEphemerisEpochMark = QStringLiteral(" (époque)");
inline const QString kEphemerisRunning = QStringLiteral("Calcul des éphémérides...");

// "Eléments de Bessel".
inline const QString kBesselTitle = QStringLiteral("Eléments de Bessel");
inline const QString kBesselHeading = QStringLiteral("Eléments de Bessel de l'éclipse du %1, maximum à %2 TU (%3 TT)");
inline const QString kBesselT0 = QStringLiteral("T0 = %1 TT      Delta T = %2 s");
inline const QString kBesselNotes = QStringLiteral(
    "Pour t heures de TT depuis T0 : a = a0 + a1 t + a2 t^2 + a3 t^3 pour a = x, y, d, l1, l2 et mu ;\n"
    "x, y, l1 et l2 en rayons équatoriaux terrestres, d et mu en degrés ; mu est l'angle horaire\n"
    "des éphémérides (l'angle horaire de Greenwich plus 1,002738 Delta T, en temps).");
inline const QString kBesselValidity = QStringLiteral("Valables de %1 à %2 TT (t = %3 à %4).");
inline const QString kBesselNone = QStringLiteral(
    "Aucune éclipse à moins de quinze jours de l'époque.\n"
    "Changez l'époque, ou choisissez une éclipse avec \"Rechercher les éclipses...\".");
inline const QString kBesselRunning = QStringLiteral("Calcul de l'éclipse en cours...");
