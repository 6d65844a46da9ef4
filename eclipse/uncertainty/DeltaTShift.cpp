#include "eclipse/uncertainty/DeltaTShift.h"

#include "core/Units.h"

double LongitudeShiftDegrees(double deltaTSeconds)
{
    return kEarthRotationDegreesPerSecond * deltaTSeconds;
}

FittedElements WithAddedDeltaT(const FittedElements& elements, double addedSeconds)
{
    FittedElements shifted = elements;
    shifted.mu.coefficients[0] -= LongitudeShiftDegrees(addedSeconds) * kDegreesToRadians;
    shifted.deltaT += addedSeconds;
    return shifted;
}
