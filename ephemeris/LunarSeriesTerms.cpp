#include "ephemeris/LunarSeriesTerms.h"

#include "core/LargePages.h"
#include "core/Units.h"
#include "datafiles/ElpImage.h"
#include "datafiles/RecordImage.h"
#include "ephemeris/SineLanes.h"

#include <algorithm>
#include <array>
#include <bit>
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
using MultiplierMask = std::uint16_t;
static_assert(kMaximumMultipliers <= 16);

// One record, as the summation uses it.
struct Term {
    std::array<std::int8_t, kMaximumMultipliers> multipliers = {};
    double phase = 0.0;
    double amplitude = 0.0;
    MultiplierMask nonZero = 0;
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
Term TermOf(const Record& record, int series)
{
    Term term;
    for (std::size_t k = 0; k < sizeof(Record::multipliers); ++k) {
        term.multipliers[k] = record.multipliers[k];
        if (record.multipliers[k] != 0) {
            term.nonZero = static_cast<MultiplierMask>(term.nonZero | (1u << k));
        }
    }
    if constexpr (std::is_same_v<Record, ElpMainTerm>) {
        term.amplitude = CorrectedAmplitude(record, series);
    } else {
        term.phase = record.phase;
        term.amplitude = record.amplitude;
    }
    return term;
}

// The terms of the series being laid out; reused from one series to the next,
// since fresh memory costs more to fault in than the terms to read.
using TermScratch = std::vector<Term, LargePageAllocator<Term>>;

template <typename Record>
void ReadTerms(std::span<const std::uint8_t> image, int series, TermScratch& terms)
{
    terms.clear();
    for (std::size_t index = 0; index < ElpTermCount(series); ++index) {
        terms.push_back(TermOf(RecordAt<Record>(image, ElpSeriesOffset(series) + index * sizeof(Record)), series));
    }
}

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

void ReadTerms(std::span<const std::uint8_t> image, int series, TermScratch& terms)
{
    switch (ElpKindOfSeries(series)) {
    case ElpRecordKind::Main:
        return ReadTerms<ElpMainTerm>(image, series, terms);
    case ElpRecordKind::Figure:
        return ReadTerms<ElpFigureTerm>(image, series, terms);
    case ElpRecordKind::Planetary:
        return ReadTerms<ElpPlanetaryTerm>(image, series, terms);
    case ElpRecordKind::Minor:
        return ReadTerms<ElpMinorTerm>(image, series, terms);
    }
    terms.clear();
}

} // namespace

// Terms sharing their non-zero multipliers, padded with null terms to a
// multiple of the lane count. In the series' values, from offset: the
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
    std::vector<double, LargePageAllocator<double>> values;
    std::uint64_t quarterTurns = 0; // 1: the cosine
    std::size_t multipliers = 0;    // arguments the series takes
};

namespace {

// Terms in a group: padded to whole lanes.
std::size_t PaddedCount(std::size_t terms)
{
    return (terms + kLaneCount - 1) / kLaneCount * kLaneCount;
}

void AppendGroup(std::span<const Term> terms, LunarTermsOfSeries& series)
{
    LunarTermGroup group;
    for (std::size_t k = 0; k < kMaximumMultipliers; ++k) {
        if ((terms.front().nonZero & (1u << k)) != 0) {
            group.argumentOf[group.slots++] = k;
        }
    }
    group.count = PaddedCount(terms.size());
    group.offset = series.values.size();
    series.values.resize(group.offset + (group.slots + 2) * group.count, 0.0);
    double* const multipliers = series.values.data() + group.offset;
    double* const phases = multipliers + group.slots * group.count;
    double* const amplitudes = phases + group.count;
    for (std::size_t index = 0; index < terms.size(); ++index) {
        const Term& term = terms[index];
        for (std::size_t slot = 0; slot < group.slots; ++slot) {
            const double multiplier = term.multipliers[group.argumentOf[slot]];
            multipliers[slot * group.count + index] = multiplier;
            group.largestMultiplier[slot] = std::max(group.largestMultiplier[slot], std::fabs(multiplier));
        }
        phases[index] = term.phase;
        amplitudes[index] = term.amplitude;
        const double phase = std::isfinite(term.phase) ? std::fabs(term.phase) : std::numeric_limits<double>::infinity();
        group.largestPhase = std::max(group.largestPhase, phase);
    }
    series.groups.push_back(group);
}

// The terms in the order of their masks, each mask's terms in the image's
// order (a counting sort: there are only 2^11 masks).
void SortByMask(const TermScratch& terms, TermScratch& sorted)
{
    std::array<std::size_t, std::size_t{1} << kMaximumMultipliers> next{};
    for (const Term& term : terms) {
        ++next[term.nonZero];
    }
    std::size_t start = 0;
    for (std::size_t& place : next) {
        start += std::exchange(place, start);
    }
    sorted.resize(terms.size());
    for (const Term& term : terms) {
        sorted[next[term.nonZero]++] = term;
    }
}

struct LayOutScratch {
    TermScratch read;
    TermScratch terms;  // sorted by mask
};

LunarTermsOfSeries LayOut(std::span<const std::uint8_t> image, int series, LayOutScratch& scratch)
{
    ReadTerms(image, series, scratch.read);
    SortByMask(scratch.read, scratch.terms);
    const TermScratch& terms = scratch.terms;
    LunarTermsOfSeries laid;
    laid.quarterTurns = series == 3 ? 1 : 0;
    laid.multipliers = MultiplierCount(series);
    std::vector<std::span<const Term>> groups;
    std::size_t values = 0;
    for (auto first = terms.begin(); first != terms.end();) {
        const auto last = std::find_if(first, terms.end(), [&](const Term& term) { return term.nonZero != first->nonZero; });
        groups.emplace_back(&*first, static_cast<std::size_t>(last - first));
        values += (static_cast<std::size_t>(std::popcount(first->nonZero)) + 2) * PaddedCount(groups.back().size());
        first = last;
    }
    laid.values.reserve(values);
    laid.groups.reserve(groups.size());
    for (const std::span<const Term> group : groups) {
        AppendGroup(group, laid);
    }
    return laid;
}

[[gnu::always_inline]] inline void LoadLanes(const double* values, DoubleLanes& lanes)
{
    std::memcpy(&lanes, values, sizeof(DoubleLanes));
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
void AddGroupOneByOne(const LunarTermsOfSeries& series, const LunarTermGroup& group, const double* arguments,
                      DoubleLanes& sums)
{
    const double* const multipliers = series.values.data() + group.offset;
    const double* const phases = multipliers + group.slots * group.count;
    const double* const amplitudes = phases + group.count;
    for (std::size_t index = 0; index < group.count; ++index) {
        double angle = 0.0;
        for (std::size_t slot = 0; slot < group.slots; ++slot) {
            angle += multipliers[slot * group.count + index] * arguments[group.argumentOf[slot]];
        }
        angle += phases[index];
        sums[index % kLaneCount] += amplitudes[index] * (series.quarterTurns == 1 ? std::cos(angle) : std::sin(angle));
    }
}

[[gnu::always_inline]] inline void AddGroupInLanes(const LunarTermsOfSeries& series, const LunarTermGroup& group,
                                                   const double* arguments, DoubleLanes& sums)
{
    std::array<double, kMaximumMultipliers> slotArguments = {};
    for (std::size_t slot = 0; slot < group.slots; ++slot) {
        slotArguments[slot] = arguments[group.argumentOf[slot]];
    }
    const double* const multipliers = series.values.data() + group.offset;
    const double* const phases = multipliers + group.slots * group.count;
    const double* const amplitudes = phases + group.count;
    for (std::size_t index = 0; index < group.count; index += kLaneCount) {
        DoubleLanes angles = {};
        DoubleLanes lanes;
        for (std::size_t slot = 0; slot < group.slots; ++slot) {
            LoadLanes(multipliers + slot * group.count + index, lanes);
            angles += lanes * slotArguments[slot];
        }
        LoadLanes(phases + index, lanes);
        angles += lanes;
        SineLanes(angles, series.quarterTurns);
        LoadLanes(amplitudes + index, lanes);
        sums += lanes * angles;
    }
}

// The sums are kept in four lanes, one per lane of the sines; the terms of a
// group go to the lanes in turn, and the lanes are added last, (0 + 1) + (2 + 3).
// Compiled twice on x86-64, for AVX2 and for the SSE2 every such processor
// has, and chosen when the program starts: the same operations lane by
// lane, so the same result on either. Without FMA in either, so that no
// product is fused into a sum.
#if defined(__x86_64__)
[[gnu::target_clones("avx2", "default")]]
#endif
double SumInLanes(const LunarTermsOfSeries& series, const double* arguments)
{
    DoubleLanes sums = {};
    for (const LunarTermGroup& group : series.groups) {
        if (AnglesWithinLimit(group, arguments)) {
            AddGroupInLanes(series, group, arguments, sums);
        } else {
            AddGroupOneByOne(series, group, arguments, sums);
        }
    }
    return (sums[0] + sums[1]) + (sums[2] + sums[3]);
}

} // namespace

LunarSeriesTerms::LunarSeriesTerms(std::span<const std::uint8_t> elpImage)
{
    if (elpImage.size() < kElpImageSize) {
        throw std::invalid_argument("an ELP 2000 image of " + std::to_string(elpImage.size()) + " bytes, expected " +
                                    std::to_string(kElpImageSize));
    }
    const std::size_t mostTerms = *std::max_element(kElpTermCounts.begin(), kElpTermCounts.end());
    LayOutScratch scratch;
    scratch.read.reserve(mostTerms);
    scratch.terms.reserve(mostTerms);
    m_series.reserve(kElpSeriesCount);
    for (int series = 1; series <= kElpSeriesCount; ++series) {
        m_series.push_back(LayOut(elpImage, series, scratch));
    }
}

LunarSeriesTerms::~LunarSeriesTerms() = default;

double LunarSeriesTerms::Sum(int series, std::span<const double> arguments) const
{
    const LunarTermsOfSeries& laid = m_series.at(static_cast<std::size_t>(series - 1));
    if (arguments.size() != laid.multipliers) {
        throw std::invalid_argument("series " + std::to_string(series) + " takes " + std::to_string(laid.multipliers) +
                                    " arguments");
    }
    return SumInLanes(laid, arguments.data());
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
