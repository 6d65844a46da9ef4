#pragma once

#include "app/KeyboardIndicators.h"

// The lock indicators as the X server's keyboard extension keeps them, on the
// application's own connection to the display. None when the program does
// not run on X11, the server lacks the extension or the program was built
// without it.
IndicatorQuery X11IndicatorQuery();
