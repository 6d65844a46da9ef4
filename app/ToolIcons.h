#pragma once

#include <QIcon>

// The icons of the map's tools, drawn for the tool bar: a marker on a globe
// for placing the observer, two points joined by an arc for the separation.
QIcon MakeObserverIcon();
QIcon MakeSeparationIcon();
