#pragma once

// A function of the angle theta around the limb (radians, from north toward
// the east) of the form a0 + a1 cos theta + b1 sin theta + a2 cos 2 theta +
// b2 sin 2 theta: the squared distance of the limb's points from the axis,
// or the rate of that distance, both take this form once the limb's height
// above the plane and the ground's motion are written in theta.
// Reference: Explanatory Supplement to the Astronomical Almanac (1992), 8.3
//            and 8.5 (the limb on the fundamental plane, the rise and set curves).
struct LimbFunction {
    double a0 = 0.0;
    double a1 = 0.0;
    double b1 = 0.0;
    double a2 = 0.0;
    double b2 = 0.0;

    double At(double theta) const;
    double Slope(double theta) const;
    // The minimum or maximum nearest theta, by Newton's method.
    double ExtremumNear(double theta) const;
};
