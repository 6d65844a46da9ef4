#include "model/DocumentCheck.h"

#include "core/Calendar.h"

#include <limits>
#include <string>

namespace {

// Larger than Delta T at any date the program computes (some 13 hours at
// -1999), far smaller than anything a stray float holds.
constexpr double kLargestDeltaTSeconds = 86400.0;
// A map wider than this many pixels comes from no screen.
constexpr double kLargestClientSize = 1.0e6;

std::string FieldName(DocumentField field)
{
    switch (field) {
    case DocumentField::RecordFlag: return "record flag";
    case DocumentField::Day: return "day";
    case DocumentField::Month: return "month";
    case DocumentField::Year: return "year";
    case DocumentField::Hour: return "hour";
    case DocumentField::Minute: return "minute";
    case DocumentField::Second: return "second";
    case DocumentField::GivenDeltaT: return "given Delta T";
    case DocumentField::ObserverLongitude: return "observer's longitude";
    case DocumentField::ObserverLatitude: return "observer's latitude";
    case DocumentField::CentreLongitude: return "map centre's longitude";
    case DocumentField::CentreLatitude: return "map centre's latitude";
    case DocumentField::ViewportScale: return "map scale";
    case DocumentField::ViewportOrigin: return "map origin";
    case DocumentField::ViewportSize: return "map size";
    }
    return "field";
}

std::string Describe(const DocumentFault& fault)
{
    return "not an Umbrant document: " + FieldName(fault.field) + " " + std::to_string(fault.value) + " outside " +
           std::to_string(fault.lowest) + " .. " + std::to_string(fault.highest);
}

// Collects the first field outside its range; NaN is outside every range.
class FieldJudge {
public:
    void Check(DocumentField field, double value, double lowest, double highest)
    {
        if (!m_fault && !(value >= lowest && value <= highest)) {
            m_fault = DocumentFault{field, value, lowest, highest};
        }
    }
    const std::optional<DocumentFault>& Fault() const { return m_fault; }

private:
    std::optional<DocumentFault> m_fault;
};

void CheckFlags(FieldJudge& judge, const CEclipseMap& map)
{
    for (const std::int32_t flag : {map.m_flag, map.m_observation.m_flag, map.m_observation.m_centre.m_flag,
                                    map.m_viewport.m_flag, map.m_viewport2.m_flag, map.m_previousViewport.m_flag}) {
        judge.Check(DocumentField::RecordFlag, flag, 1, 1);
    }
}

// The day is judged against 31 whatever the month: the epoch dialogs of
// earlier versions stored 31 February, which stands for 3 March.
void CheckEpoch(FieldJudge& judge, const CObservation& epoch)
{
    judge.Check(DocumentField::Day, epoch.m_day, 1, 31);
    judge.Check(DocumentField::Month, epoch.m_month, 1, 12);
    judge.Check(DocumentField::Year, epoch.m_year, kFirstComputedYear, kLastComputedYear);
    judge.Check(DocumentField::Hour, epoch.m_hour, 0, 23);
    judge.Check(DocumentField::Minute, epoch.m_minute, 0, 59);
    judge.Check(DocumentField::Second, epoch.m_second, 0.0, 60.0);
    judge.Check(DocumentField::GivenDeltaT, epoch.m_deltaT, -kLargestDeltaTSeconds, kLargestDeltaTSeconds);
}

void CheckPlaces(FieldJudge& judge, const CObservation& epoch)
{
    judge.Check(DocumentField::ObserverLongitude, epoch.m_longitude, -180.0, 180.0);
    judge.Check(DocumentField::ObserverLatitude, epoch.m_latitude, -90.0, 90.0);
    judge.Check(DocumentField::CentreLongitude, epoch.m_centre.m_longitude, -180.0, 180.0);
    judge.Check(DocumentField::CentreLatitude, epoch.m_centre.m_latitude, -90.0, 90.0);
}

// Only finite numbers: a map saved before any view was shown has a scale of 0.
void CheckViewport(FieldJudge& judge, const CViewport& viewport)
{
    constexpr double kLargestFloat = std::numeric_limits<float>::max();
    judge.Check(DocumentField::ViewportScale, viewport.m_scale, 0.0, kLargestFloat);
    judge.Check(DocumentField::ViewportOrigin, viewport.m_originX, -kLargestFloat, kLargestFloat);
    judge.Check(DocumentField::ViewportOrigin, viewport.m_originY, -kLargestFloat, kLargestFloat);
    judge.Check(DocumentField::ViewportSize, viewport.m_width, 0.0, kLargestClientSize);
    judge.Check(DocumentField::ViewportSize, viewport.m_height, 0.0, kLargestClientSize);
}

} // namespace

std::optional<DocumentFault> FindImplausibleField(const CEclipseMap& map)
{
    FieldJudge judge;
    CheckFlags(judge, map);
    CheckEpoch(judge, map.m_observation);
    CheckPlaces(judge, map.m_observation);
    CheckViewport(judge, map.m_viewport);
    return judge.Fault();
}

CImplausibleDocument::CImplausibleDocument(std::string fileName, const DocumentFault& fault)
    : CFileException(std::move(fileName), Describe(fault)), m_fault(fault)
{
}

void LoadPlausibleDocument(const std::string& path, CEclipseMap& map)
{
    CEclipseMap loaded = map;
    LoadDocument(path, loaded);
    if (const std::optional<DocumentFault> fault = FindImplausibleField(loaded)) {
        throw CImplausibleDocument(path, *fault);
    }
    map = loaded;
}
