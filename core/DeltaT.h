#pragma once

#include "core/Calendar.h"
#include "core/Instant.h"

#include <optional>

// Delta T = TT - UT, the lag of the Earth's rotation behind uniform time.
//
// A model gives Delta T for a Universal Time and names the secular
// acceleration of the Moon's mean longitude that its values assume, so that
// the lunar theory can be brought to the same acceleration, and the standard
// error of its values where one is published.
class IDeltaTModel {
public:
    virtual ~IDeltaTModel() = default;

    // Delta T in seconds at a Universal Time given as a Julian date.
    virtual double SecondsAt(double julianDateUT) const = 0;
    // The tidal acceleration of the Moon's mean longitude behind the values,
    // arcseconds per century squared.
    virtual double LunarAcceleration() const = 0;
    // The standard error (one sigma) of SecondsAt, seconds; none when the
    // model's values come with no published uncertainty.
    virtual std::optional<double> SigmaAt(double julianDateUT) const = 0;
};

// The acceleration of ELP 2000-82B's mean longitude, arcseconds per century
// squared. A model that assumes it asks for no correction of the Moon.
// Reference: Chapront-Touze & Chapront, A&A 190, 342 (1988).
inline constexpr double kElpLunarAcceleration = -23.8946;

// The document's automatic Delta T: 27.26 t^2 - 44.3 seconds, t in Julian
// centuries from JD 2378496.5 (1800 January 0.5).
double ClassicDeltaTSeconds(double julianDate);

// The classic formula as a model (it asks for no correction of the Moon).
// It states no uncertainty: the formula was never an estimate of the Earth's
// rotation with an error attached, and it strays from the observed record by
// many times the record's own error (some 1700 s at year 0, where the record
// is good to 265 s), so no sigma would describe its values.
class ClassicDeltaT : public IDeltaTModel {
public:
    double SecondsAt(double julianDateUT) const override { return ClassicDeltaTSeconds(julianDateUT); }
    double LunarAcceleration() const override { return kElpLunarAcceleration; }
    std::optional<double> SigmaAt(double) const override { return std::nullopt; }
};

// A number of seconds given by the user, the same at every date. Its
// uncertainty is the user's to know: the model states none.
class GivenDeltaT : public IDeltaTModel {
public:
    explicit GivenDeltaT(double seconds, double lunarAcceleration = kElpLunarAcceleration)
        : m_seconds(seconds), m_lunarAcceleration(lunarAcceleration)
    {
    }
    double SecondsAt(double) const override { return m_seconds; }
    double LunarAcceleration() const override { return m_lunarAcceleration; }
    std::optional<double> SigmaAt(double) const override { return std::nullopt; }

private:
    double m_seconds;
    double m_lunarAcceleration;
};

// A Universal Time as a two-part Julian date (the same representation as an
// Instant, on the UT scale).
struct UniversalDate {
    double part1 = 0.0;
    double part2 = 0.0;
    double JulianDate() const { return part1 + part2; }
};

// The TT instant of a Universal Time: UT + Delta T(UT).
Instant InstantFromUniversal(const UniversalDate& ut, const IDeltaTModel& model);
Instant InstantFromUniversal(const CivilDateTime& ut, const IDeltaTModel& model);

// The Universal Time of an instant, solving TT = UT + Delta T(UT).
UniversalDate UniversalOf(const Instant& instant, const IDeltaTModel& model);
CivilDateTime UniversalCivilOf(const Instant& instant, const IDeltaTModel& model);
// Delta T at the instant, seconds.
double DeltaTAt(const Instant& instant, const IDeltaTModel& model);
// Its standard error there, seconds, if the model states one.
std::optional<double> DeltaTSigmaAt(const Instant& instant, const IDeltaTModel& model);
