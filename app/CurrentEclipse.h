#pragma once

#include <QObject>

#include <memory>
#include <stop_token>
#include <vector>

struct MagnitudeCurve;
class CObservation;
class Ephemeris;
class Instant;
struct EclipseOverlay;
struct EclipseSummary;
struct FittedElements;
class Gazetteer;
struct TownCircumstances;

// The eclipse the desktop shows: the one chosen in the list of eclipses, or
// the one around the document's epoch. Its fitted elements, path and curves
// are computed off the interface thread; Changed and CurvesReady say when
// they are there. The map's path layers, the time bar's slider (P1 to P4),
// the local-circumstances panel and the "Eléments de Bessel" window all
// read it. (The computing headers stay out of this one: moc cannot read them.)
class CCurrentEclipse : public QObject {
    Q_OBJECT

public:
    explicit CCurrentEclipse(QObject* parent = nullptr);
    ~CCurrentEclipse() override;

    // Looks for the eclipse around the epoch (in progress at it, or the
    // nearest within a fortnight) with the given ephemeris.
    void Follow(const CObservation& epoch, const Ephemeris& ephemeris);
    // Shows the given eclipse of a list.
    void Choose(const EclipseSummary& eclipse, const Ephemeris& ephemeris);
    void Clear();

    // Null until an eclipse is found and its elements fitted.
    const EclipseSummary* Summary() const;
    const FittedElements* Elements() const;
    // The path (and, once computed, the magnitude curves); null without an eclipse.
    std::shared_ptr<const EclipseOverlay> Overlay() const;
    // The curves of equal maximum magnitude the map draws, computed now;
    // OperationCancelled once stop is requested.
    static std::vector<MagnitudeCurve> MagnitudeCurves(const FittedElements& elements, const std::stop_token& stop = {});
    // The eclipse around an epoch (in progress at it, or the nearest within
    // a fortnight) with its path and curves, computed now; null when there
    // is none.
    static std::shared_ptr<const EclipseOverlay> OverlayAround(const CObservation& epoch, const Ephemeris& ephemeris);
    // Whether work is still running (for a progress indicator).
    bool IsBusy() const;

    // The towns whose eclipse is computed (null: none), from now on and for
    // the eclipse shown.
    void SetGazetteer(std::shared_ptr<const Gazetteer> gazetteer);
    // Every town that sees the current eclipse, the longest central phase
    // first; null until computed. The overlay then names the largest towns
    // inside the path.
    std::shared_ptr<const std::vector<TownCircumstances>> Towns() const;
    // How many of the most populous towns inside the path the map names.
    static constexpr int kLabelledTowns = 12;

    // The result of a worker (in the source file only).
    struct PathResult;

signals:
    // The summary, elements and path changed (or were cleared).
    void Changed();
    // The magnitude curves of the current eclipse are there.
    void CurvesReady();
    void BusyChanged(bool busy);
    // The towns of the current eclipse are there (and the overlay names them).
    void TownsReady();

private:
    void StartSearch(const Ephemeris& ephemeris, const Instant& centre);
    void ShowNearest();
    void StartComputing(const EclipseSummary& eclipse, const Ephemeris& ephemeris);
    void PublishPath(const EclipseSummary& eclipse, const PathResult& result, int generation);
    void StartTowns(int generation);
    void DropEclipse();
    void UpdateBusy();

    struct State;
    std::unique_ptr<State> m_state;
};
