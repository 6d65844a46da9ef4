#pragma once

#include <cmath>

// A rectangular vector; the unit and frame are those of the function that
// hands it out.
struct Vector3 {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;

    friend Vector3 operator+(const Vector3& a, const Vector3& b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
    friend Vector3 operator-(const Vector3& a, const Vector3& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
    friend Vector3 operator*(double s, const Vector3& v) { return {s * v.x, s * v.y, s * v.z}; }
    friend bool operator==(const Vector3&, const Vector3&) = default;
};

inline double Dot(const Vector3& a, const Vector3& b)
{
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

inline double Length(const Vector3& v)
{
    return std::sqrt(Dot(v, v));
}

// The same for vectors held as arrays of three doubles, as the evaluators'
// classic interfaces hand them around.
inline double Dot(const double a[3], const double b[3])
{
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

inline double Length(const double v[3])
{
    return std::sqrt(Dot(v, v));
}

inline Vector3 ToVector(const double v[3])
{
    return {v[0], v[1], v[2]};
}

inline void ToArray(const Vector3& v, double out[3])
{
    out[0] = v.x;
    out[1] = v.y;
    out[2] = v.z;
}
