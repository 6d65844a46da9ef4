#pragma once

#include <QIcon>

// The program's icon: a globe with the Moon's shadow on it.
QIcon MakeProgramIcon();

// A printer for the tool bar, which the style's standard icons lack.
QIcon MakePrintIcon();
