#include "app/CurrentEclipse.h"

#include "core/DeltaT.h"
#include "eclipse/ElementFitting.h"
#include "eclipse/FittedElements.h"
#include "eclipse/path/EclipsePath.h"
#include "eclipse/path/MagnitudeCurves.h"
#include "eclipse/search/EclipseSearch.h"
#include "eclipse/uncertainty/UncertainBand.h"
#include "ephemeris/Ephemeris.h"
#include "map/EclipseOverlay.h"

#include <QFutureWatcher>
#include <QtConcurrent>

#include <atomic>
#include <cmath>
#include <exception>
#include <optional>
#include <vector>

namespace {

// Two solar eclipses are at least a lunation (29.3 days) apart, so within
// half of it the eclipse at hand is the nearest one.
constexpr double kKeepDays = 14.5;
// How far from the epoch an eclipse is still "around" it.
constexpr double kFortnightDays = 15.0;
// A search covers this much on either side of the epoch, so that the steps
// of the time bar are answered from its list for a month.
constexpr double kSearchDays = 45.0;

// What makes two ephemerides give the same eclipse: the model's formulas
// and Delta T where it matters.
struct ModelKey {
    TimeModel::Formulas formulas = TimeModel::Formulas::Modern;
    double deltaT = 0.0;

    bool Matches(const ModelKey& other) const
    {
        return formulas == other.formulas && std::abs(deltaT - other.deltaT) < 1e-6;
    }
};

ModelKey KeyOf(const Ephemeris& ephemeris, const Instant& at)
{
    return {ephemeris.Model().GetFormulas(), DeltaTAt(at, ephemeris.DeltaT())};
}

double DaysBetween(const Instant& a, const Instant& b)
{
    return std::abs(a.SecondsSince(b)) / 86400.0;
}

// The eclipses of a stretch of time, as a search found them.
struct Catalogue {
    Instant from;
    Instant to;
    Instant centre;
    ModelKey key;
    std::vector<EclipseSummary> eclipses;

    bool Covers(const Instant& epoch, const Ephemeris& ephemeris) const
    {
        return from <= epoch.PlusDays(-kFortnightDays) && epoch.PlusDays(kFortnightDays) <= to &&
               key.Matches(KeyOf(ephemeris, centre));
    }
};

std::optional<EclipseSummary> NearestWithinAFortnight(const std::vector<EclipseSummary>& eclipses, const Instant& epoch)
{
    std::optional<EclipseSummary> nearest;
    for (const EclipseSummary& eclipse : eclipses) {
        const double days = DaysBetween(eclipse.greatest, epoch);
        if (days <= kFortnightDays && (!nearest || days < DaysBetween(nearest->greatest, epoch))) {
            nearest = eclipse;
        }
    }
    return nearest;
}

// Off the interface thread: the eclipses around an instant. Instants beyond
// the years the search covers have none.
Catalogue SearchAround(const Ephemeris& ephemeris, const Instant& centre)
{
    Catalogue catalogue{centre.PlusDays(-kSearchDays), centre.PlusDays(kSearchDays), centre, KeyOf(ephemeris, centre), {}};
    try {
        catalogue.eclipses = FindEclipses(ephemeris, catalogue.from, catalogue.to);
    } catch (const std::exception&) {
        catalogue.eclipses.clear();
    }
    return catalogue;
}

} // namespace

struct CCurrentEclipse::PathResult {
    bool found = false;
    FittedElements elements;
    std::shared_ptr<const EclipseOverlay> overlay;
};

namespace {

using PathResult = CCurrentEclipse::PathResult;

// Off the interface thread: the elements and the path of one eclipse.
PathResult ComputePath(const Ephemeris& ephemeris, const EclipseSummary& eclipse)
{
    PathResult result;
    try {
        result.elements = FitElements(ephemeris, eclipse.greatest).elements;
        auto overlay = std::make_shared<EclipseOverlay>();
        overlay->path = ComputeEclipsePath(result.elements);
        result.overlay = std::move(overlay);
        result.found = true;
    } catch (const std::exception&) {
        result.found = false;
    }
    return result;
}

// Off the interface thread: the path with its curves of equal magnitude,
// and the band of Delta T's uncertainty when the model states it.
std::shared_ptr<const EclipseOverlay> AddCurves(const FittedElements& elements, const EclipseOverlay& path,
                                                std::optional<double> deltaTSigma)
{
    auto overlay = std::make_shared<EclipseOverlay>(path);
    overlay->magnitudeCurves = CCurrentEclipse::MagnitudeCurves(elements);
    if (deltaTSigma) {
        overlay->band = ComputeUncertainBand(elements, path.path, *deltaTSigma, kMapUncertainSigmas);
    }
    return overlay;
}

} // namespace

struct CCurrentEclipse::State {
    // What is shown.
    std::optional<EclipseSummary> summary;
    std::optional<FittedElements> elements;
    std::shared_ptr<const EclipseOverlay> overlay;

    // What was asked for: the eclipse being computed or shown, and with
    // which ephemeris.
    std::optional<EclipseSummary> target;
    std::optional<Ephemeris> targetEphemeris;
    // The latest epoch to follow, and the search that answers for it.
    std::optional<Instant> epoch;
    std::optional<Ephemeris> epochEphemeris;
    std::optional<Catalogue> catalogue;
    std::optional<Catalogue> pendingSearch;  // its stretch; no eclipses yet

    // Each request gets a number; a result of an older one is dropped, and
    // its worker stops at its next stage.
    std::shared_ptr<std::atomic<int>> generation = std::make_shared<std::atomic<int>>(0);
    int searchGeneration = 0;
    bool computing = false;
    bool busy = false;
};

CCurrentEclipse::CCurrentEclipse(QObject* parent) : QObject(parent), m_state(std::make_unique<State>()) {}

CCurrentEclipse::~CCurrentEclipse()
{
    // Workers still running find their results dropped.
    ++*m_state->generation;
}

void CCurrentEclipse::Follow(const CObservation& epoch, const Ephemeris& ephemeris)
{
    State& state = *m_state;
    const Instant instant = InstantOfObservation(ephemeris, epoch);
    state.epoch = instant;
    state.epochEphemeris = ephemeris;
    if (state.target && DaysBetween(state.target->greatest, instant) <= kKeepDays &&
        KeyOf(*state.targetEphemeris, state.target->greatest).Matches(KeyOf(ephemeris, state.target->greatest))) {
        return;
    }
    if (state.catalogue && state.catalogue->Covers(instant, ephemeris)) {
        ShowNearest();
        return;
    }
    if (state.pendingSearch && state.pendingSearch->Covers(instant, ephemeris)) {
        return;
    }
    StartSearch(ephemeris, instant);
}

void CCurrentEclipse::Choose(const EclipseSummary& eclipse, const Ephemeris& ephemeris)
{
    StartComputing(eclipse, ephemeris);
}

void CCurrentEclipse::Clear()
{
    State& state = *m_state;
    ++state.searchGeneration;
    state.catalogue.reset();
    state.pendingSearch.reset();
    state.epoch.reset();
    state.epochEphemeris.reset();
    const bool wasShown = state.summary.has_value();
    DropEclipse();
    if (!wasShown) {
        emit Changed();
    }
}

// Forgets the eclipse shown or on its way; the catalogue stays.
void CCurrentEclipse::DropEclipse()
{
    State& state = *m_state;
    ++*state.generation;
    const bool wasShown = state.summary.has_value();
    state.summary.reset();
    state.elements.reset();
    state.overlay.reset();
    state.target.reset();
    state.targetEphemeris.reset();
    state.computing = false;
    UpdateBusy();
    if (wasShown) {
        emit Changed();
    }
}

const EclipseSummary* CCurrentEclipse::Summary() const
{
    return m_state->summary ? &*m_state->summary : nullptr;
}

const FittedElements* CCurrentEclipse::Elements() const
{
    return m_state->elements ? &*m_state->elements : nullptr;
}

std::vector<MagnitudeCurve> CCurrentEclipse::MagnitudeCurves(const FittedElements& elements)
{
    return MapMagnitudeCurves(elements);
}

std::shared_ptr<const EclipseOverlay> CCurrentEclipse::Overlay() const
{
    return m_state->overlay;
}

bool CCurrentEclipse::IsBusy() const
{
    return m_state->busy;
}

void CCurrentEclipse::StartSearch(const Ephemeris& ephemeris, const Instant& centre)
{
    State& state = *m_state;
    const int search = ++state.searchGeneration;
    state.pendingSearch = Catalogue{centre.PlusDays(-kSearchDays), centre.PlusDays(kSearchDays), centre,
                                    KeyOf(ephemeris, centre), {}};
    UpdateBusy();
    auto* watcher = new QFutureWatcher<Catalogue>(this);
    connect(watcher, &QFutureWatcher<Catalogue>::finished, this, [this, watcher, search] {
        watcher->deleteLater();
        State& current = *m_state;
        if (search != current.searchGeneration) {
            return;
        }
        current.pendingSearch.reset();
        current.catalogue = watcher->result();
        UpdateBusy();
        if (current.epoch && current.catalogue->Covers(*current.epoch, *current.epochEphemeris)) {
            ShowNearest();
        } else if (current.epoch) {
            StartSearch(*current.epochEphemeris, *current.epoch);
        }
    });
    watcher->setFuture(QtConcurrent::run([ephemeris, centre] { return SearchAround(ephemeris, centre); }));
}

void CCurrentEclipse::ShowNearest()
{
    State& state = *m_state;
    const std::optional<EclipseSummary> nearest = NearestWithinAFortnight(state.catalogue->eclipses, *state.epoch);
    if (!nearest) {
        DropEclipse();
        return;
    }
    if (state.target && state.target->greatest == nearest->greatest) {
        return;
    }
    StartComputing(*nearest, *state.epochEphemeris);
}

void CCurrentEclipse::StartComputing(const EclipseSummary& eclipse, const Ephemeris& ephemeris)
{
    State& state = *m_state;
    const int generation = ++*state.generation;
    const bool wasShown = state.summary.has_value();
    state.target = eclipse;
    state.targetEphemeris = ephemeris;
    state.summary.reset();
    state.elements.reset();
    state.overlay.reset();
    state.computing = true;
    UpdateBusy();
    if (wasShown) {
        emit Changed();
    }
    const std::shared_ptr<std::atomic<int>> live = state.generation;
    auto* watcher = new QFutureWatcher<PathResult>(this);
    connect(watcher, &QFutureWatcher<PathResult>::finished, this, [this, watcher, generation, eclipse] {
        watcher->deleteLater();
        if (generation != *m_state->generation) {
            return;
        }
        PublishPath(eclipse, watcher->result(), generation);
    });
    watcher->setFuture(QtConcurrent::run([ephemeris, eclipse, live, generation] {
        return *live == generation ? ComputePath(ephemeris, eclipse) : PathResult{};
    }));
}

void CCurrentEclipse::PublishPath(const EclipseSummary& eclipse, const PathResult& result, int generation)
{
    State& state = *m_state;
    if (!result.found) {
        state.computing = false;
        UpdateBusy();
        return;
    }
    state.summary = eclipse;
    state.elements = result.elements;
    state.overlay = result.overlay;
    emit Changed();

    const FittedElements elements = result.elements;
    const std::shared_ptr<const EclipseOverlay> path = result.overlay;
    const std::shared_ptr<std::atomic<int>> live = state.generation;
    using Curves = std::shared_ptr<const EclipseOverlay>;
    auto* watcher = new QFutureWatcher<Curves>(this);
    connect(watcher, &QFutureWatcher<Curves>::finished, this, [this, watcher, generation] {
        watcher->deleteLater();
        State& current = *m_state;
        if (generation != *current.generation) {
            return;
        }
        current.computing = false;
        if (Curves curves = watcher->result()) {
            current.overlay = std::move(curves);
            UpdateBusy();
            emit CurvesReady();
        } else {
            UpdateBusy();
        }
    });
    const std::optional<double> sigma = eclipse.deltaTSigma;
    watcher->setFuture(QtConcurrent::run([elements, path, sigma, live, generation]() -> Curves {
        return *live == generation ? AddCurves(elements, *path, sigma) : nullptr;
    }));
}

void CCurrentEclipse::UpdateBusy()
{
    State& state = *m_state;
    const bool busy = state.computing || state.pendingSearch.has_value();
    if (busy != state.busy) {
        state.busy = busy;
        emit BusyChanged(busy);
    }
}
