#include "app/DesktopGazetteer.h"

#include "app/BackgroundWork.h"
#include "datafiles/ProgramDirectory.h"
#include "places/PlaceImage.h"

#include <QCoreApplication>
#include <QFutureWatcher>
#include <QHash>

#include <algorithm>
#include <exception>

struct CDesktopGazetteer::Loaded {
    std::shared_ptr<const Gazetteer> towns;
    QStringList entries;
    QHash<QString, Place> townOfEntry;
};

namespace {

using Loaded = CDesktopGazetteer::Loaded;

// Off the interface thread. A missing or damaged file leaves the desktop
// without towns, as without a gazetteer: local times fall back on the
// document's offset.
std::shared_ptr<const Loaded> ReadTowns(const std::string& dataDirectory)
{
    auto loaded = std::make_shared<Loaded>();
    try {
        loaded->towns = PlaceImage::Load(JoinPath(dataDirectory, kPlacesFileName));
    } catch (const std::exception&) {
        return loaded;
    }
    std::vector<Place> places;
    places.reserve(loaded->towns->Size());
    loaded->towns->ForEach([&](const Place& place) { places.push_back(place); });
    std::stable_sort(places.begin(), places.end(),
                     [](const Place& a, const Place& b) { return a.population > b.population; });
    loaded->entries.reserve(static_cast<qsizetype>(places.size()));
    for (const Place& place : places) {
        const QString entry = QString::fromStdString(PlaceTitle(place));
        if (!loaded->townOfEntry.contains(entry)) {
            loaded->entries.append(entry);
            loaded->townOfEntry.insert(entry, place);
        }
    }
    return loaded;
}

} // namespace

CDesktopGazetteer::CDesktopGazetteer(QObject* parent) : QObject(parent), m_loaded(std::make_shared<Loaded>()) {}

// A reading still running holds nothing of this object.
CDesktopGazetteer::~CDesktopGazetteer() = default;

void CDesktopGazetteer::Load(const std::string& dataDirectory)
{
    const int generation = ++m_generation;
    auto* watcher = new QFutureWatcher<std::shared_ptr<const Loaded>>(this);
    m_watcher = watcher;
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, generation] {
        watcher->deleteLater();
        if (m_watcher == watcher) {
            m_watcher = nullptr;
        }
        if (generation != m_generation) {
            return;
        }
        m_loaded = watcher->result();
        emit Ready();
    });
    watcher->setFuture(RunInBackground([dataDirectory] { return ReadTowns(dataDirectory); }));
}

void CDesktopGazetteer::WaitUntilLoaded()
{
    if (QFutureWatcherBase* watcher = m_watcher) {
        watcher->waitForFinished();
        QCoreApplication::sendPostedEvents(watcher);
    }
}

std::shared_ptr<const Gazetteer> CDesktopGazetteer::Towns() const
{
    return m_loaded->towns;
}

const QStringList& CDesktopGazetteer::CompletionEntries() const
{
    return m_loaded->entries;
}

PlaceChoice CDesktopGazetteer::Choose(const QString& text) const
{
    if (const auto entry = m_loaded->townOfEntry.constFind(text); entry != m_loaded->townOfEntry.cend()) {
        return PlaceChoice{*entry, {}, {}};
    }
    if (!m_loaded->towns) {
        return {};
    }
    return ChoosePlace(*m_loaded->towns, text.toStdString());
}

std::optional<NearbyPlace> CDesktopGazetteer::NearestTown(double longitude, double latitude) const
{
    if (!m_loaded->towns) {
        return std::nullopt;
    }
    return m_loaded->towns->Nearest(longitude, latitude, kZoneReachKilometres);
}
