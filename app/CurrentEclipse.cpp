#include "app/CurrentEclipse.h"

#include "app/BackgroundWork.h"
#include "core/Cancellation.h"
#include "core/DeltaT.h"
#include "eclipse/ElementFitting.h"
#include "eclipse/FittedElements.h"
#include "eclipse/path/EclipsePath.h"
#include "eclipse/path/MagnitudeCurves.h"
#include "eclipse/search/EclipseSearch.h"
#include "eclipse/uncertainty/UncertainBand.h"
#include "ephemeris/Ephemeris.h"
#include "map/EclipseOverlay.h"
#include "places/EclipseTowns.h"

#include <QFutureWatcher>

#include <cmath>
#include <exception>
#include <optional>
#include <stop_token>
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
// the years the search covers have none, nor has a search abandoned.
Catalogue SearchAround(const Ephemeris& ephemeris, const Instant& centre, const std::stop_token& stop)
{
    Catalogue catalogue{centre.PlusDays(-kSearchDays), centre.PlusDays(kSearchDays), centre, KeyOf(ephemeris, centre), {}};
    try {
        catalogue.eclipses = FindEclipses(ephemeris, catalogue.from, catalogue.to, stop);
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

// Off the interface thread: the elements and the path of one eclipse; none
// once abandoned.
PathResult ComputePath(const Ephemeris& ephemeris, const EclipseSummary& eclipse, const std::stop_token& stop)
{
    PathResult result;
    try {
        ThrowIfStopRequested(stop);
        result.elements = FitElements(ephemeris, eclipse.greatest).elements;
        ThrowIfStopRequested(stop);
        auto overlay = std::make_shared<EclipseOverlay>();
        overlay->type = eclipse.type;
        overlay->path = ComputeEclipsePath(result.elements);
        result.overlay = std::move(overlay);
        result.found = true;
    } catch (const std::exception&) {
        result.found = false;
    }
    return result;
}

// Off the interface thread: the path with its curves of equal magnitude,
// and the band of Delta T's uncertainty when the model states it; none once
// abandoned.
std::shared_ptr<const EclipseOverlay> AddCurves(const FittedElements& elements, const EclipseOverlay& path,
                                                std::optional<double> deltaTSigma, const std::stop_token& stop)
{
    try {
        auto overlay = std::make_shared<EclipseOverlay>(path);
        overlay->magnitudeCurves = CCurrentEclipse::MagnitudeCurves(elements, stop);
        if (deltaTSigma && !stop.stop_requested()) {
            overlay->band = ComputeUncertainBand(elements, path.path, *deltaTSigma, kMapUncertainSigmas);
        }
        return overlay;
    } catch (const OperationCancelled&) {
        return nullptr;
    }
}

// The most populous towns that see the central phase, for the map.
std::vector<TownLabel> LargestTownsInPath(const std::vector<TownCircumstances>& towns)
{
    std::vector<const TownCircumstances*> central;
    for (const TownCircumstances& town : towns) {
        if (town.seen.durationSeconds > 0.0 && town.seen.maximum && town.seen.maximum->sunAboveHorizon) {
            central.push_back(&town);
        }
    }
    std::stable_sort(central.begin(), central.end(), [](const TownCircumstances* a, const TownCircumstances* b) {
        return a->place.population > b->place.population;
    });
    std::vector<TownLabel> labels;
    for (std::size_t i = 0; i < central.size() && labels.size() < CCurrentEclipse::kLabelledTowns; ++i) {
        labels.push_back({central[i]->place.name, central[i]->place.longitude, central[i]->place.latitude});
    }
    return labels;
}

std::shared_ptr<const EclipseOverlay> WithTowns(const EclipseOverlay& overlay, std::vector<TownLabel> towns)
{
    auto named = std::make_shared<EclipseOverlay>(overlay);
    named->towns = std::move(towns);
    return named;
}

using TownList = std::shared_ptr<const std::vector<TownCircumstances>>;

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

    // Each request gets a number; a result of an older one is dropped. Its
    // worker is asked to stop, and does at its next candidate or step.
    int generation = 0;
    int searchGeneration = 0;
    std::stop_source eclipseWork;
    std::stop_source searchWork;
    bool computing = false;
    bool busy = false;

    // The towns: where they come from, and those of the eclipse shown.
    std::shared_ptr<const Gazetteer> gazetteer;
    TownList towns;
    std::vector<TownLabel> townLabels;
    bool computingTowns = false;
};

std::shared_ptr<const EclipseOverlay> CCurrentEclipse::OverlayAround(const CObservation& epoch, const Ephemeris& ephemeris)
{
    const Instant instant = InstantOfObservation(ephemeris, epoch);
    const std::stop_token never;
    const std::optional<EclipseSummary> eclipse =
        NearestWithinAFortnight(SearchAround(ephemeris, instant, never).eclipses, instant);
    if (!eclipse) {
        return nullptr;
    }
    const PathResult result = ComputePath(ephemeris, *eclipse, never);
    return result.found ? AddCurves(result.elements, *result.overlay, eclipse->deltaTSigma, never) : nullptr;
}

CCurrentEclipse::CCurrentEclipse(QObject* parent) : QObject(parent), m_state(std::make_unique<State>()) {}

CCurrentEclipse::~CCurrentEclipse()
{
    // Workers still running stop; what they return goes nowhere.
    m_state->eclipseWork.request_stop();
    m_state->searchWork.request_stop();
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
    state.searchWork.request_stop();
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
    ++state.generation;
    state.eclipseWork.request_stop();
    const bool wasShown = state.summary.has_value();
    state.summary.reset();
    state.elements.reset();
    state.overlay.reset();
    state.towns.reset();
    state.townLabels.clear();
    state.target.reset();
    state.targetEphemeris.reset();
    state.computing = false;
    state.computingTowns = false;
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

std::vector<MagnitudeCurve> CCurrentEclipse::MagnitudeCurves(const FittedElements& elements, const std::stop_token& stop)
{
    return MapMagnitudeCurves(elements, stop);
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
    state.searchWork.request_stop();
    state.searchWork = std::stop_source();
    const std::stop_token stop = state.searchWork.get_token();
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
    watcher->setFuture(RunInBackground([ephemeris, centre, stop] { return SearchAround(ephemeris, centre, stop); }));
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
    const int generation = ++state.generation;
    state.eclipseWork.request_stop();
    state.eclipseWork = std::stop_source();
    const std::stop_token stop = state.eclipseWork.get_token();
    const bool wasShown = state.summary.has_value();
    state.target = eclipse;
    state.targetEphemeris = ephemeris;
    state.summary.reset();
    state.elements.reset();
    state.overlay.reset();
    state.towns.reset();
    state.townLabels.clear();
    state.computingTowns = false;
    state.computing = true;
    UpdateBusy();
    if (wasShown) {
        emit Changed();
    }
    auto* watcher = new QFutureWatcher<PathResult>(this);
    connect(watcher, &QFutureWatcher<PathResult>::finished, this, [this, watcher, generation, eclipse] {
        watcher->deleteLater();
        if (generation != m_state->generation) {
            return;
        }
        PublishPath(eclipse, watcher->result(), generation);
    });
    watcher->setFuture(RunInBackground([ephemeris, eclipse, stop] { return ComputePath(ephemeris, eclipse, stop); }));
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
    StartTowns(generation);

    const FittedElements elements = result.elements;
    const std::shared_ptr<const EclipseOverlay> path = result.overlay;
    const std::stop_token stop = state.eclipseWork.get_token();
    using Curves = std::shared_ptr<const EclipseOverlay>;
    auto* watcher = new QFutureWatcher<Curves>(this);
    connect(watcher, &QFutureWatcher<Curves>::finished, this, [this, watcher, generation] {
        watcher->deleteLater();
        State& current = *m_state;
        if (generation != current.generation) {
            return;
        }
        current.computing = false;
        if (Curves curves = watcher->result()) {
            current.overlay = current.townLabels.empty() ? std::move(curves) : WithTowns(*curves, current.townLabels);
            UpdateBusy();
            emit CurvesReady();
        } else {
            UpdateBusy();
        }
    });
    const std::optional<double> sigma = eclipse.deltaTSigma;
    watcher->setFuture(
        RunInBackground([elements, path, sigma, stop] { return AddCurves(elements, *path, sigma, stop); }));
}

void CCurrentEclipse::SetGazetteer(std::shared_ptr<const Gazetteer> gazetteer)
{
    State& state = *m_state;
    state.gazetteer = std::move(gazetteer);
    if (state.elements && !state.towns && !state.computingTowns) {
        StartTowns(state.generation);
    }
}

std::shared_ptr<const std::vector<TownCircumstances>> CCurrentEclipse::Towns() const
{
    return m_state->towns;
}

// Off the interface thread, beside the curves: some 0.2 s for the 24 000
// towns of the gazetteer.
void CCurrentEclipse::StartTowns(int generation)
{
    State& state = *m_state;
    if (!state.gazetteer || !state.elements) {
        return;
    }
    state.computingTowns = true;
    UpdateBusy();
    const std::shared_ptr<const Gazetteer> gazetteer = state.gazetteer;
    const FittedElements elements = *state.elements;
    const std::stop_token stop = state.eclipseWork.get_token();
    auto* watcher = new QFutureWatcher<TownList>(this);
    connect(watcher, &QFutureWatcher<TownList>::finished, this, [this, watcher, generation] {
        watcher->deleteLater();
        State& current = *m_state;
        if (generation != current.generation || !watcher->result()) {
            return;
        }
        current.computingTowns = false;
        current.towns = watcher->result();
        current.townLabels = LargestTownsInPath(*current.towns);
        if (current.overlay) {
            current.overlay = WithTowns(*current.overlay, current.townLabels);
        }
        UpdateBusy();
        emit TownsReady();
    });
    watcher->setFuture(RunInBackground([gazetteer, elements, stop]() -> TownList {
        if (stop.stop_requested()) {
            return nullptr;
        }
        return std::make_shared<const std::vector<TownCircumstances>>(TownsSeeingEclipse(*gazetteer, elements, {}));
    }));
}

void CCurrentEclipse::UpdateBusy()
{
    State& state = *m_state;
    const bool busy = state.computing || state.computingTowns || state.pendingSearch.has_value();
    if (busy != state.busy) {
        state.busy = busy;
        emit BusyChanged(busy);
    }
}
