#include "app/ObserverZone.h"

#include "app/DesktopGazetteer.h"
#include "app/QtTimeZone.h"
#include "app/UmbrantDoc.h"

CObserverZone::CObserverZone(CUmbrantDoc& document, CDesktopGazetteer& gazetteer, QObject* parent)
    : QObject(parent), m_document(document), m_gazetteer(gazetteer)
{
    connect(&m_document, &CUmbrantDoc::ObserverChanged, this, &CObserverZone::Update);
    connect(&m_document, &CUmbrantDoc::DocumentReplaced, this, &CObserverZone::Update);
    connect(&m_gazetteer, &CDesktopGazetteer::Ready, this, &CObserverZone::Update);
    Update();
}

void CObserverZone::Update()
{
    const CObservation& observation = m_document.m_map.m_observation;
    const std::optional<NearbyPlace> town = m_gazetteer.NearestTown(observation.m_longitude, observation.m_latitude);
    std::shared_ptr<const TimeZone> zone = town ? QtTimeZone(town->place.timeZone) : nullptr;
    const QString townName = zone ? QString::fromStdString(PlaceTitle(town->place)) : QString();
    const bool changed = (zone ? zone->Name() : std::string()) != (m_zone ? m_zone->Name() : std::string()) ||
                         townName != m_townName;
    m_zone = std::move(zone);
    m_townName = townName;
    if (changed) {
        emit Changed();
    }
}
