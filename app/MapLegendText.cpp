#include "app/MapLegendText.h"

#include "app/EclipseListDialog.h"
#include "app/TimeFormatting.h"
#include "app/UmbrantDoc.h"
#include "core/Units.h"
#include "ephemeris/EpochArithmetic.h"
#include "map/EclipseOverlay.h"

#include <QCoreApplication>

namespace {

// The context of this file's texts for their translation.
class CText {
    Q_DECLARE_TR_FUNCTIONS(MapLegendText)
};

std::string Utf8(const QString& text)
{
    return text.toStdString();
}

UniversalDate UniversalOfInstant(const Instant& instant, double deltaT)
{
    const Instant universal = instant.PlusSeconds(-deltaT);
    return {universal.WholeDays(), universal.DayFraction()};
}

QString BandText(EclipseType type)
{
    switch (type) {
    case EclipseType::Total: return CText::tr("Bande de totalité");
    case EclipseType::Annular: return CText::tr("Bande d'annularité");
    case EclipseType::Hybrid:
    case EclipseType::Partial: break;
    }
    return CText::tr("Bande de centralité");
}

std::vector<std::string> Title(const LegendFacts& facts)
{
    std::vector<std::string> title;
    title.push_back(Utf8(facts.eclipse ? CText::tr("Eclipse %1 de Soleil du %2")
                                             .arg(EclipseTypeText(*facts.eclipse), FormatDate(facts.greatest))
                                       : CText::tr("Ombre de la Lune")));
    QString instant = CText::tr("Ombre le %1 TU").arg(FormatDateTime(facts.instant));
    if (facts.timeOffsetHours != 0.0) {
        const UniversalDate local{facts.instant.part1, facts.instant.part2 + facts.timeOffsetHours / kHoursPerDay};
        instant += CText::tr(", %1 en heure locale (%2)").arg(FormatClock(local), FormatTimeOffset(facts.timeOffsetHours));
    }
    title.push_back(Utf8(instant));
    const QString model = facts.modernModel ? CText::tr("moderne") : CText::tr("classique");
    title.push_back(Utf8((facts.givenDeltaT ? CText::tr("Modèle %1, Delta T donné %2 s")
                                            : CText::tr("Modèle %1, Delta T %2 s"))
                             .arg(model, FormatDecimal(facts.deltaT, 1))));
    return title;
}

void AddPathEntries(const LegendFacts& facts, std::vector<MapLegend::Entry>& entries)
{
    if (facts.layers.path) {
        entries.push_back({LegendMark::UmbralBand, Utf8(BandText(*facts.eclipse))});
        entries.push_back({LegendMark::CentralLine,
                           Utf8(CText::tr("Ligne centrale, heures en %1").arg(FormatTimeOffset(facts.timeOffsetHours)))});
    }
    if (facts.layers.greatest) {
        entries.push_back({LegendMark::GreatestEclipse, Utf8(CText::tr("Maximum de l'éclipse"))});
    }
    if (facts.layers.penumbraLimits) {
        entries.push_back({LegendMark::PenumbralLimit, Utf8(CText::tr("Limites de l'éclipse partielle"))});
    }
    if (facts.layers.riseSet) {
        entries.push_back({LegendMark::RiseSetContacts, Utf8(CText::tr("Début ou fin au lever ou au coucher du Soleil"))});
        entries.push_back({LegendMark::RiseSetMaximum, Utf8(CText::tr("Maximum au lever ou au coucher du Soleil"))});
    }
    if (facts.layers.magnitudeCurves) {
        entries.push_back({LegendMark::MagnitudeCurve, Utf8(CText::tr("Courbes d'égale grandeur"))});
    }
}

} // namespace

LegendFacts LegendFactsOf(const CUmbrantDoc& document, const EclipseOverlay* eclipse, bool modernModel, double deltaT)
{
    const CObservation& epoch = document.m_map.m_observation;
    LegendFacts facts;
    facts.layers = document.m_options.m_layers;
    if (eclipse != nullptr) {
        facts.eclipse = eclipse->type;
        facts.greatest = UniversalOfInstant(eclipse->path.circumstances.greatest.time, eclipse->path.deltaT);
    }
    facts.instant = UniversalOfEpoch(epoch);
    facts.modernModel = modernModel;
    facts.givenDeltaT = !epoch.m_deltaTAuto;
    facts.deltaT = deltaT;
    facts.timeOffsetHours = document.m_options.m_timeOffsetHours;
    return facts;
}

MapLegend MakeMapLegend(const LegendFacts& facts)
{
    MapLegend legend;
    legend.title = Title(facts);
    if (facts.eclipse) {
        AddPathEntries(facts, legend.entries);
    }
    if (facts.layers.shadow) {
        legend.entries.push_back({LegendMark::Shadow, Utf8(CText::tr("Ombre et pénombre à l'instant"))});
    }
    if (facts.layers.observer) {
        legend.entries.push_back({LegendMark::Observer, Utf8(CText::tr("Observateur"))});
    }
    if (facts.layers.terminator) {
        legend.entries.push_back({LegendMark::Terminator, Utf8(CText::tr("Terminateur jour/nuit"))});
    }
    return legend;
}
