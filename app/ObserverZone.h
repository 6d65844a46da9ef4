#pragma once

#ifndef Q_MOC_RUN
#include "places/TimeZone.h"
#endif

#include <QObject>
#include <QString>

#include <memory>

class CDesktopGazetteer;
class CUmbrantDoc;

// The time zone of the document's observer: that of the nearest town of the
// gazetteer within 100 km, as the command-line tool takes it for
// coordinates. None while the gazetteer loads, far from any town, or
// without a gazetteer: the document's "Décalage horaire" stands in.
class CObserverZone : public QObject {
    Q_OBJECT

public:
    CObserverZone(CUmbrantDoc& document, CDesktopGazetteer& gazetteer, QObject* parent = nullptr);

    // Null without a zone.
    std::shared_ptr<const TimeZone> Zone() const { return m_zone; }
    // The town the zone was taken from, "Dallas, Texas, United States of
    // America"; empty without a zone.
    const QString& TownName() const { return m_townName; }

signals:
    // The observer moved to another zone, or the gazetteer came.
    void Changed();

private:
    void Update();

    CUmbrantDoc& m_document;
    CDesktopGazetteer& m_gazetteer;
    std::shared_ptr<const TimeZone> m_zone;
    QString m_townName;
};
