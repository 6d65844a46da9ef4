#pragma once

#include "app/UiText.h"

// The texts on Delta T's uncertainty: the layer of "Affichages..." and the
// central phase's chance in the local-circumstances panel.
inline constexpr CUiText kLayerUncertainty{
    QT_TRANSLATE_NOOP("UiText", "Incertitude de ΔT : bande hachurée où la phase centrale peut tomber (2 σ)")};
// %1: the probability in percent ("37", "< 1", "> 99").
inline constexpr CUiText kTotalChance{QT_TRANSLATE_NOOP("UiText", "Totale avec une probabilité de %1 %")};
inline constexpr CUiText kAnnularChance{QT_TRANSLATE_NOOP("UiText", "Annulaire avec une probabilité de %1 %")};
// %1 and %2: the range of ΔT in seconds; %3 and %4: ΔT and its standard error.
inline constexpr CUiText kCentralRangeText{
    QT_TRANSLATE_NOOP("UiText", "si ΔT est compris entre %1 et %2 s (ΔT = %3 ± %4 s)")};
