#include "app/CurrentEclipse.h"

#include "eclipse/FittedElements.h"
#include "eclipse/search/EclipseSearch.h"
#include "map/EclipseOverlay.h"

#include <optional>

// The work in the background comes with the time bar and the path on the
// map; until then the object holds no eclipse.
struct CCurrentEclipse::State {
    std::optional<EclipseSummary> summary;
    std::optional<FittedElements> elements;
    std::shared_ptr<const EclipseOverlay> overlay;
};

CCurrentEclipse::CCurrentEclipse(QObject* parent) : QObject(parent), m_state(std::make_unique<State>()) {}

CCurrentEclipse::~CCurrentEclipse() = default;

void CCurrentEclipse::Follow(const CObservation&, const Ephemeris&) {}

void CCurrentEclipse::Choose(const EclipseSummary&, const Ephemeris&) {}

void CCurrentEclipse::Clear()
{
    *m_state = State{};
    emit Changed();
}

const EclipseSummary* CCurrentEclipse::Summary() const
{
    return m_state->summary ? &*m_state->summary : nullptr;
}

const FittedElements* CCurrentEclipse::Elements() const
{
    return m_state->elements ? &*m_state->elements : nullptr;
}

std::shared_ptr<const EclipseOverlay> CCurrentEclipse::Overlay() const
{
    return m_state->overlay;
}

bool CCurrentEclipse::IsBusy() const
{
    return false;
}
