#include "eclipse/ObservationShadow.h"

#include "ephemeris/Ephemeris.h"

ModelShadow ShadowOfObservation(const Ephemeris& ephemeris, const CObservation& observation)
{
    ModelShadow shadow;
    shadow.instant = InstantOfObservation(ephemeris, observation);
    shadow.elements = ElementsAt(ephemeris, shadow.instant);
    shadow.outlines = OutlinesFromElements(shadow.elements);
    return shadow;
}
