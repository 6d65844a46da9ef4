#pragma once

// moc cannot read the standard library's concepts that the computing
// headers bring in, and needs nothing of them.
#ifndef Q_MOC_RUN
#include "places/PlaceChoice.h"
#endif

#include <QObject>
#include <QStringList>

#include <memory>
#include <optional>
#include <string>

// The towns of the data directory's gazetteer for the desktop: read off the
// interface thread when the window opens (the image, then the list the
// completion offers, some milliseconds in all), so that the first question
// never waits on the disk; until Ready, there are none and the fixed offset
// of the document stands for local time.
class CDesktopGazetteer : public QObject {
    Q_OBJECT

public:
    explicit CDesktopGazetteer(QObject* parent = nullptr);
    ~CDesktopGazetteer() override;

    // Starts reading the gazetteer of a data directory; a reading of
    // another directory still running is dropped.
    void Load(const std::string& dataDirectory);
    // Waits until the reading started has ended (tests, printing).
    void WaitUntilLoaded();

    // Null until the towns are there, or when the directory has none.
    std::shared_ptr<const Gazetteer> Towns() const;
    // "Dallas, Texas, United States of America", the most populous first.
    const QStringList& CompletionEntries() const;
    // The town of an entry of the completion, or of a name as the command
    // line takes it ("Dallas", "Burgos, Spain"): the most populous of its
    // namesakes; with the closest spellings when none answers.
    PlaceChoice Choose(const QString& text) const;
    // The town nearest a place (degrees) within the reach of its time zone.
    std::optional<NearbyPlace> NearestTown(double longitude, double latitude) const;

    // How far the nearest town may lie and still lend its zone, km.
    static constexpr double kZoneReachKilometres = 100.0;

    struct Loaded;

signals:
    void Ready();

private:
    std::shared_ptr<const Loaded> m_loaded;
    int m_generation = 0;
    class QFutureWatcherBase* m_watcher = nullptr;
};
