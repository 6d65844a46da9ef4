#include "ephemeris/LunarSeriesTerms.h"

#include "core/LargePages.h"
#include "core/Units.h"
#include "datafiles/ElpImage.h"
#include "datafiles/RecordImage.h"
#include "ephemeris/SineLanes.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <limits>
#include <map>
#include <mutex>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <utility>

namespace {

// Corrections of the constants of the main problem (radians, or ratios), and
// the factors of their partial derivatives B1 to B5.
constexpr double kMeanMotionRatio = 0.074801329518;  // am
constexpr double kDtasm = 0.02292188611773368;       // 2 alpha / (3 am), alpha = 0.002571881335
constexpr double kMoonMeanMotionRadians = 1732559343.73604 / kArcsecondsPerRadian;
constexpr double kDeltaNu = 0.55604 / kArcsecondsPerRadian / kMoonMeanMotionRadians;
constexpr double kDeltaE = 0.01789 / kArcsecondsPerRadian;
constexpr double kDeltaGamma = -0.08066 / kArcsecondsPerRadian;
constexpr double kDeltaNPrime = -0.06424 / kArcsecondsPerRadian / kMoonMeanMotionRadians;
constexpr double kDeltaEPrime = -0.12879 / kArcsecondsPerRadian;

constexpr std::size_t kMaximumMultipliers = 11;
// Terms summed at a time, each in a lane of its own.
constexpr std::size_t kStepTerms = 8;
using MultiplierMask = std::uint16_t;
static_assert(kMaximumMultipliers <= 16);

// One record, as the summation uses it.
struct Term {
    std::array<std::int8_t, kMaximumMultipliers> multipliers = {};
    double phase = 0.0;
    double amplitude = 0.0;
};

// The main problem's amplitude with the corrections of the constants; the
// distance (series 3) also loses (2/3) A delta-nu.
double CorrectedAmplitude(const ElpMainTerm& record, int series)
{
    double coefficient = record.amplitude;
    if (series == 3) {
        coefficient -= 2.0 / 3.0 * record.amplitude * kDeltaNu;
    }
    coefficient += (record.b1 + kDtasm * record.b5) * (kDeltaNPrime - kMeanMotionRatio * kDeltaNu) +
                   record.b2 * kDeltaGamma + record.b3 * kDeltaE + record.b4 * kDeltaEPrime;
    return coefficient;
}

template <typename Record>
MultiplierMask MaskOf(const Record& record)
{
    // Without a branch: whether a multiplier is zero is not predictable.
    unsigned mask = 0;
    for (std::size_t k = 0; k < sizeof(Record::multipliers); ++k) {
        mask |= static_cast<unsigned>(record.multipliers[k] != 0) << k;
    }
    return static_cast<MultiplierMask>(mask);
}

template <typename Record>
Term TermOf(const Record& record, int series)
{
    Term term;
    std::copy(std::begin(record.multipliers), std::end(record.multipliers), term.multipliers.begin());
    if constexpr (std::is_same_v<Record, ElpMainTerm>) {
        term.amplitude = CorrectedAmplitude(record, series);
    } else {
        term.phase = record.phase;
        term.amplitude = record.amplitude;
    }
    return term;
}

// A series' records, read one at a time (RecordAt: the image has no alignment).
template <typename Record>
struct RecordsOf {
    std::size_t size() const { return ElpTermCount(series); }
    Record operator[](std::size_t index) const
    {
        return RecordAt<Record>(image, ElpSeriesOffset(series) + index * sizeof(Record));
    }
    std::span<const std::uint8_t> image;
    int series;
};

std::size_t MultiplierCount(int series)
{
    switch (ElpKindOfSeries(series)) {
    case ElpRecordKind::Main:
        return sizeof(ElpMainTerm::multipliers);
    case ElpRecordKind::Figure:
        return sizeof(ElpFigureTerm::multipliers);
    case ElpRecordKind::Planetary:
        return sizeof(ElpPlanetaryTerm::multipliers);
    case ElpRecordKind::Minor:
        return sizeof(ElpMinorTerm::multipliers);
    }
    return 0;
}

// Calls visit with the records of a series, typed by the series' kind.
template <typename Visit>
void WithRecords(std::span<const std::uint8_t> image, int series, Visit&& visit)
{
    switch (ElpKindOfSeries(series)) {
    case ElpRecordKind::Main:
        return visit(RecordsOf<ElpMainTerm>{image, series});
    case ElpRecordKind::Figure:
        return visit(RecordsOf<ElpFigureTerm>{image, series});
    case ElpRecordKind::Planetary:
        return visit(RecordsOf<ElpPlanetaryTerm>{image, series});
    case ElpRecordKind::Minor:
        return visit(RecordsOf<ElpMinorTerm>{image, series});
    }
}

} // namespace

// Terms sharing their non-zero multipliers, padded with null terms to a
// multiple of the lane count. In the table of values, from offset: the
// multipliers slot by slot (count each), then the phases, then the
// amplitudes.
struct LunarTermGroup {
    std::array<std::size_t, kMaximumMultipliers> argumentOf = {}; // argument index of each slot
    std::size_t slots = 0;
    std::size_t count = 0;
    std::size_t offset = 0;
    // Bounds of the angles: |multiplier| of each slot, and |phase| (infinite
    // when a phase is not finite).
    std::array<double, kMaximumMultipliers> largestMultiplier = {};
    double largestPhase = 0.0;
};

struct LunarTermsOfSeries {
    std::vector<LunarTermGroup> groups;
    std::uint64_t quarterTurns = 0; // 1: the cosine
    std::size_t multipliers = 0;    // arguments the series takes
};

namespace {

// Terms in a group: padded to whole 4-lane vectors.
std::size_t PaddedCount(std::size_t terms)
{
    return (terms + kLaneCount - 1) / kLaneCount * kLaneCount;
}

// A group's place in the table of values, from offset on; its bounds are
// those of no term yet.
LunarTermGroup GroupOf(MultiplierMask mask, std::size_t terms, std::size_t offset)
{
    LunarTermGroup group;
    for (std::size_t k = 0; k < kMaximumMultipliers; ++k) {
        if ((mask & (1u << k)) != 0) {
            group.argumentOf[group.slots++] = k;
        }
    }
    group.count = PaddedCount(terms);
    group.offset = offset;
    return group;
}

// The series' terms by mask, each mask's terms in the image's order (a
// counting sort: there are only 2^11 masks); the groups' first terms are at
// starts, in the order of the masks.
struct TermsByMask {
    std::vector<std::uint32_t> terms;
    std::vector<std::size_t> starts;
    std::vector<MultiplierMask> masks;
};

TermsByMask SortedByMask(std::span<const std::uint8_t> image, int series)
{
    TermsByMask sorted;
    WithRecords(image, series, [&](const auto& records) {
        std::vector<MultiplierMask> masks(records.size());
        std::array<std::uint32_t, std::size_t{1} << kMaximumMultipliers> next{};
        for (std::size_t index = 0; index < records.size(); ++index) {
            masks[index] = MaskOf(records[index]);
            ++next[masks[index]];
        }
        std::uint32_t start = 0;
        for (std::size_t mask = 0; mask < next.size(); ++mask) {
            if (next[mask] > 0) {
                sorted.starts.push_back(start);
                sorted.masks.push_back(static_cast<MultiplierMask>(mask));
            }
            start += std::exchange(next[mask], start);
        }
        sorted.terms.resize(records.size());
        for (std::size_t index = 0; index < records.size(); ++index) {
            sorted.terms[next[masks[index]]++] = static_cast<std::uint32_t>(index);
        }
    });
    sorted.starts.push_back(sorted.terms.size());
    return sorted;
}

// The series' groups in the order of their masks, placed in the table from
// nextOffset on, which moves past them.
LunarTermsOfSeries Plan(const TermsByMask& sorted, int series, std::size_t& nextOffset)
{
    LunarTermsOfSeries laid;
    laid.quarterTurns = series == 3 ? 1 : 0;
    laid.multipliers = MultiplierCount(series);
    for (std::size_t group = 0; group < sorted.masks.size(); ++group) {
        const std::size_t terms = sorted.starts[group + 1] - sorted.starts[group];
        laid.groups.push_back(GroupOf(sorted.masks[group], terms, nextOffset));
        nextOffset += (laid.groups.back().slots + 2) * laid.groups.back().count;
    }
    return laid;
}

// Writes a term at its position in its group of the zero-filled table (the
// padding stays null terms), and widens the group's bounds.
void PlaceTerm(const Term& term, std::size_t position, LunarTermGroup& group, double* values)
{
    double* const multipliers = values + group.offset;
    for (std::size_t slot = 0; slot < group.slots; ++slot) {
        const double multiplier = term.multipliers[group.argumentOf[slot]];
        multipliers[slot * group.count + position] = multiplier;
        group.largestMultiplier[slot] = std::max(group.largestMultiplier[slot], std::fabs(multiplier));
    }
    double* const phases = multipliers + group.slots * group.count;
    double* const amplitudes = phases + group.count;
    phases[position] = term.phase;
    amplitudes[position] = term.amplitude;
    const double phase = std::isfinite(term.phase) ? std::fabs(term.phase) : std::numeric_limits<double>::infinity();
    group.largestPhase = std::max(group.largestPhase, phase);
}

// Group by group, so that the table is written in order.
void Fill(std::span<const std::uint8_t> image, int series, const TermsByMask& sorted, LunarTermsOfSeries& laid,
          double* values)
{
    WithRecords(image, series, [&](const auto& records) {
        for (std::size_t group = 0; group < laid.groups.size(); ++group) {
            for (std::size_t term = sorted.starts[group]; term < sorted.starts[group + 1]; ++term) {
                PlaceTerm(TermOf(records[sorted.terms[term]], series), term - sorted.starts[group], laid.groups[group],
                          values);
            }
        }
    });
}

// The sums of a series in eight lanes, as one 8-lane vector or two 4-lane
// ones: the lanes are the same either way.
template <typename Lanes>
struct LaneSums {
    static constexpr std::size_t kWidth = sizeof(Lanes) / sizeof(double);
    std::array<Lanes, kStepTerms / kWidth> parts = {};

    double At(std::size_t lane) const { return parts[lane / kWidth][lane % kWidth]; }
    void Add(std::size_t lane, double value) { parts[lane / kWidth][lane % kWidth] += value; }
    // The lanes added last, ((0 + 1) + (2 + 3)) + ((4 + 5) + (6 + 7)).
    double Total() const
    {
        const auto pair = [this](std::size_t lane) { return At(lane) + At(lane + 1); };
        return (pair(0) + pair(2)) + (pair(4) + pair(6));
    }
};

template <typename Lanes>
[[gnu::always_inline]] inline void LoadLanes(const double* values, Lanes& lanes)
{
    std::memcpy(&lanes, values, sizeof(Lanes));
}

// Whether every angle of the group stays within the exact reduction of
// SineLanes (false for a NaN or an infinite argument or phase).
bool AnglesWithinLimit(const LunarTermGroup& group, const double* arguments)
{
    double largest = group.largestPhase;
    for (std::size_t slot = 0; slot < group.slots; ++slot) {
        largest += group.largestMultiplier[slot] * std::fabs(arguments[group.argumentOf[slot]]);
    }
    // The margin covers the rounding of the sums that make an angle.
    return largest <= kSineLanesLimit * 0.5;
}

// The same terms one at a time with the standard library's sine, for angles
// beyond the lanes' reduction.
template <typename Lanes>
void AddGroupOneByOne(const LunarTermsOfSeries& series, const LunarTermGroup& group, const double* values,
                      const double* arguments, LaneSums<Lanes>& sums)
{
    const double* const multipliers = values + group.offset;
    const double* const phases = multipliers + group.slots * group.count;
    const double* const amplitudes = phases + group.count;
    for (std::size_t index = 0; index < group.count; ++index) {
        double angle = 0.0;
        for (std::size_t slot = 0; slot < group.slots; ++slot) {
            angle += multipliers[slot * group.count + index] * arguments[group.argumentOf[slot]];
        }
        angle += phases[index];
        sums.Add(index % kStepTerms,
                 amplitudes[index] * (series.quarterTurns == 1 ? std::cos(angle) : std::sin(angle)));
    }
}

// The group's terms from index on, one per lane: amplitude times sine.
template <typename Lanes>
[[gnu::always_inline]] inline void TermsInLanes(const LunarTermGroup& group, const double* multipliers,
                                                const double* slotArguments, std::uint64_t quarterTurns,
                                                std::size_t index, Lanes& terms)
{
    const double* const phases = multipliers + group.slots * group.count;
    const double* const amplitudes = phases + group.count;
    Lanes angles = {};
    Lanes lanes;
    for (std::size_t slot = 0; slot < group.slots; ++slot) {
        LoadLanes(multipliers + slot * group.count + index, lanes);
        angles += lanes * slotArguments[slot];
    }
    LoadLanes(phases + index, lanes);
    angles += lanes;
    SineLanes(angles, quarterTurns);
    LoadLanes(amplitudes + index, lanes);
    terms = lanes * angles;
}

// Eight terms at a time (with 4-lane vectors, as two independent halves),
// and the last four of a group of 4 modulo 8 in lanes 0 to 3.
template <typename Lanes>
[[gnu::always_inline]] inline void AddGroupInLanes(const LunarTermsOfSeries& series, const LunarTermGroup& group,
                                                   const double* values, const double* arguments,
                                                   LaneSums<Lanes>& sums)
{
    constexpr std::size_t width = LaneSums<Lanes>::kWidth;
    std::array<double, kMaximumMultipliers> slotArguments = {};
    for (std::size_t slot = 0; slot < group.slots; ++slot) {
        slotArguments[slot] = arguments[group.argumentOf[slot]];
    }
    const double* const multipliers = values + group.offset;
    std::size_t step = 0;
    for (; step + kStepTerms <= group.count; step += kStepTerms) {
        for (std::size_t part = 0; part < kStepTerms / width; ++part) {
            Lanes terms;
            TermsInLanes(group, multipliers, slotArguments.data(), series.quarterTurns, step + part * width, terms);
            sums.parts[part] += terms;
        }
    }
    if (step < group.count) {
        DoubleLanes terms;
        TermsInLanes(group, multipliers, slotArguments.data(), series.quarterTurns, step, terms);
        if constexpr (width == kLaneCount) {
            sums.parts[0] += terms;
        } else {
            for (std::size_t lane = 0; lane < kLaneCount; ++lane) {
                sums.Add(lane, terms[lane]);
            }
        }
    }
}

template <typename Lanes>
[[gnu::always_inline]] inline double SumGroups(const LunarTermsOfSeries& series, const double* values,
                                               const double* arguments)
{
    LaneSums<Lanes> sums;
    for (const LunarTermGroup& group : series.groups) {
        if (AnglesWithinLimit(group, arguments)) {
            AddGroupInLanes(series, group, values, arguments, sums);
        } else {
            AddGroupOneByOne(series, group, values, arguments, sums);
        }
    }
    return sums.Total();
}

// The sums are kept in eight lanes, one per term of a step; the terms of a
// group go to the lanes in turn (a last half step to lanes 0 to 3). Compiled for AVX-512 with 8-lane vectors,
// and on x86-64 otherwise for AVX2 and for the SSE2 every such processor
// has, with 4-lane vectors, and chosen when the program starts: the same
// operations lane by lane, so the same result on any. Without FMA in any,
// so that no product is fused into a sum.
#if defined(__x86_64__)
[[gnu::target("avx512f")]] double SumInWideLanes(const LunarTermsOfSeries& series, const double* values,
                                                 const double* arguments)
{
    return SumGroups<WideDoubleLanes>(series, values, arguments);
}

[[gnu::target_clones("avx2", "default")]]
#endif
double SumInNarrowLanes(const LunarTermsOfSeries& series, const double* values, const double* arguments)
{
    return SumGroups<DoubleLanes>(series, values, arguments);
}

double SumInLanes(const LunarTermsOfSeries& series, const double* values, const double* arguments,
                  LunarSeriesTerms::Vectors vectors)
{
#if defined(__x86_64__)
    static const bool wide = __builtin_cpu_supports("avx512f") != 0;
    if (wide && vectors == LunarSeriesTerms::Vectors::Fastest) {
        return SumInWideLanes(series, values, arguments);
    }
#endif
    return SumInNarrowLanes(series, values, arguments);
}

} // namespace

LunarSeriesTerms::LunarSeriesTerms(std::span<const std::uint8_t> elpImage)
{
    if (elpImage.size() < kElpImageSize) {
        throw std::invalid_argument("an ELP 2000 image of " + std::to_string(elpImage.size()) + " bytes, expected " +
                                    std::to_string(kElpImageSize));
    }
    // Planned first, so that the table is made in one piece (on huge pages,
    // cleared by the system) and each term read straight into its place.
    std::vector<TermsByMask> sorted;
    sorted.reserve(kElpSeriesCount);
    std::size_t values = 0;
    m_series.reserve(kElpSeriesCount);
    for (int series = 1; series <= kElpSeriesCount; ++series) {
        sorted.push_back(SortedByMask(elpImage, series));
        m_series.push_back(Plan(sorted.back(), series, values));
    }
    m_values = LargePageArray<double>(values);
    for (int series = 1; series <= kElpSeriesCount; ++series) {
        const auto index = static_cast<std::size_t>(series - 1);
        Fill(elpImage, series, sorted[index], m_series[index], m_values.data());
    }
}

LunarSeriesTerms::~LunarSeriesTerms() = default;

double LunarSeriesTerms::Sum(int series, std::span<const double> arguments, Vectors vectors) const
{
    const LunarTermsOfSeries& laid = m_series.at(static_cast<std::size_t>(series - 1));
    if (arguments.size() != laid.multipliers) {
        throw std::invalid_argument("series " + std::to_string(series) + " takes " + std::to_string(laid.multipliers) +
                                    " arguments");
    }
    return SumInLanes(laid, m_values.data(), arguments.data(), vectors);
}

std::shared_ptr<const LunarSeriesTerms> SharedLunarSeriesTerms(const DataImage& elpImage)
{
    // Keyed by the image's address, which another image can take only once
    // this one is gone: an entry whose image has expired is built anew.
    struct Kept {
        std::weak_ptr<const ImageBytes> image;
        std::shared_ptr<const LunarSeriesTerms> terms;
    };
    if (!elpImage) {
        throw std::invalid_argument("no ELP 2000 image");
    }
    static std::mutex mutex;
    static std::map<const ImageBytes*, Kept> byImage;
    const std::lock_guard<std::mutex> lock(mutex);
    std::erase_if(byImage, [](const auto& entry) { return entry.second.image.expired(); });
    Kept& kept = byImage[elpImage.get()];
    if (!kept.terms) {
        kept = {elpImage, std::make_shared<const LunarSeriesTerms>(*elpImage)};
    }
    return kept.terms;
}
