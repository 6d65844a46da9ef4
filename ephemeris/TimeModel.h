#pragma once

#include "core/DeltaT.h"
#include "model/Observation.h"

#include <memory>
#include <optional>
#include <string_view>

// The sidereal time that turns the true equator of date into the Earth's frame.
enum class SiderealTimeModel {
    // Newcomb's mean sidereal time, as the document's maps were drawn.
    NewcombMean,
    // The IAU 1982 mean sidereal time plus the equation of the equinoxes.
    Apparent,
};

// How the program models time: the formulas (the document's classic ones or
// the modern ones) and the Delta T the user gave, if any. A front end makes
// one value of it, from an option or a setting, and passes it down: this is
// the only place the choice is written.
//
// - Modern (the default): Delta T observed (ModernDeltaT), the Moon brought
//   from ELP 2000-82B's tidal acceleration to the modern one, the apparent
//   sidereal time. It matches the published circumstances of today's eclipses.
// - Classic: the document's automatic Delta T (ClassicDeltaT), ELP as it
//   stands, Newcomb's mean sidereal time, and for a document's epoch its own
//   single-precision arithmetic, so that its maps stay exactly as they were.
// A given Delta T is used as given under either.
class TimeModel {
public:
    enum class Formulas {
        Classic,
        Modern,
    };

    TimeModel() : TimeModel(Formulas::Modern) {}
    explicit TimeModel(Formulas formulas, std::optional<double> givenDeltaT = std::nullopt);

    // The formulas called name ("classic", "modern"); nothing for any other.
    static std::optional<Formulas> FormulasNamed(std::string_view name);

    Formulas GetFormulas() const { return m_formulas; }
    bool IsClassic() const { return m_formulas == Formulas::Classic; }
    // "classic" or "modern".
    const char* Name() const;
    // Seconds, TT - UT; none when Delta T comes from the formulas.
    std::optional<double> GivenDeltaT() const { return m_givenDeltaT; }

    // The same formulas with the Delta T of a document's epoch: the seconds
    // it gives, or the formulas' own when it asks for the automatic one.
    TimeModel ForEpoch(const CObservation& epoch) const;

    // Delta T at every date: the seconds given, or the formulas'.
    const IDeltaTModel& DeltaT() const { return *m_deltaT; }
    // Whether the Moon's mean longitude is brought from ELP 2000-82B's tidal
    // acceleration to the one DeltaT's values assume.
    bool CorrectsLunarAcceleration() const { return m_formulas == Formulas::Modern; }
    SiderealTimeModel SiderealTime() const;

    friend bool operator==(const TimeModel& a, const TimeModel& b)
    {
        return a.m_formulas == b.m_formulas && a.m_givenDeltaT == b.m_givenDeltaT;
    }

private:
    Formulas m_formulas;
    std::optional<double> m_givenDeltaT;
    std::shared_ptr<const IDeltaTModel> m_deltaT;
};

// The two models, Delta T automatic or given in seconds.
TimeModel ClassicModel(std::optional<double> givenDeltaT = std::nullopt);
TimeModel ModernModel(std::optional<double> givenDeltaT = std::nullopt);
