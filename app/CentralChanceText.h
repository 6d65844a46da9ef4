#pragma once

#include "eclipse/uncertainty/CentralChance.h"

#include <QString>

// The panel's lines on the central phase when Delta T is uncertain:
// "Totale avec une probabilité de 37 %" and the likeliest range of Delta T,
// with Delta T and its sigma (seconds); nothing when the probability rounds
// to 0 %.
QString CentralChanceText(const CentralChance& chance, double deltaT);
