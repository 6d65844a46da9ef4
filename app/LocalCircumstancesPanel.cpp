#include "app/LocalCircumstancesPanel.h"

#include "app/CentralChanceText.h"
#include "app/DesktopSettings.h"
#include "app/LocalCircumstancesText.h"
#include "app/PlaceText.h"
#include "app/ToolTexts.h"
#include "app/UmbrantDoc.h"
#include "eclipse/local/LocalCircumstances.h"
#include "eclipse/uncertainty/CentralChance.h"

#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include <array>
#include <optional>

namespace {

enum Column { UniversalTimeColumn, LocalTimeColumn, SunAltitudeColumn, ColumnCount };

struct ContactRow {
    const char* name;
    std::optional<LocalContact> LocalCircumstances::*contact;
};

const std::array kContactRows = {
    ContactRow{"C1", &LocalCircumstances::c1},      ContactRow{"C2", &LocalCircumstances::c2},
    ContactRow{nullptr, &LocalCircumstances::maximum}, ContactRow{"C3", &LocalCircumstances::c3},
    ContactRow{"C4", &LocalCircumstances::c4},
};

QLabel* NamedLabel(const char* name)
{
    auto* label = new QLabel;
    label->setObjectName(QString::fromLatin1(name));
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QString AltitudeText(const LocalContact& contact)
{
    return QString::asprintf("%.1f°", contact.sunAltitude);
}

} // namespace

CLocalCircumstancesPanel::CLocalCircumstancesPanel(CUmbrantDoc& document, QWidget* parent)
    : QDockWidget(kLocalPanelTitle, parent), m_document(document)
{
    setObjectName(QStringLiteral("localCircumstancesPanel"));
    auto* content = new QWidget;
    auto* layout = new QVBoxLayout(content);
    m_place = NamedLabel("localPlaceLabel");
    m_place->setWordWrap(true);
    layout->addWidget(m_place);
    layout->addWidget(MakeSummary());
    m_chance = NamedLabel("localCentralChanceLabel");
    m_chance->setWordWrap(true);
    layout->addWidget(m_chance);
    layout->addWidget(MakeContactTable());
    m_horizon = NamedLabel("localHorizonLabel");
    m_horizon->setWordWrap(true);
    layout->addWidget(m_horizon);
    layout->addStretch();
    setWidget(content);
    connect(&m_document, &CUmbrantDoc::ObserverChanged, this, &CLocalCircumstancesPanel::Refresh);
    connect(&m_document, &CUmbrantDoc::EpochChanged, this, &CLocalCircumstancesPanel::Refresh);
    connect(&m_document, &CUmbrantDoc::DocumentReplaced, this, &CLocalCircumstancesPanel::Refresh);
    Refresh();
}

CLocalCircumstancesPanel::~CLocalCircumstancesPanel() = default;

QWidget* CLocalCircumstancesPanel::MakeSummary()
{
    auto* summary = new QWidget;
    auto* form = new QFormLayout(summary);
    form->setContentsMargins(0, 0, 0, 0);
    m_type = NamedLabel("localTypeValue");
    m_magnitude = NamedLabel("localMagnitudeValue");
    m_moonSunRatio = NamedLabel("localMoonSunRatioValue");
    m_obscuration = NamedLabel("localObscurationValue");
    m_duration = NamedLabel("localDurationValue");
    form->addRow(kTypeLabel, m_type);
    form->addRow(kMagnitudeLabel, m_magnitude);
    form->addRow(kMoonSunRatioLabel, m_moonSunRatio);
    form->addRow(kObscurationLabel, m_obscuration);
    form->addRow(kDurationLabel, m_duration);
    return summary;
}

QTableWidget* CLocalCircumstancesPanel::MakeContactTable()
{
    m_contacts = new QTableWidget(static_cast<int>(kContactRows.size()), ColumnCount);
    m_contacts->setObjectName(QStringLiteral("localContactsTable"));
    m_contacts->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_contacts->setSelectionMode(QAbstractItemView::ContiguousSelection);
    QStringList rows;
    for (const ContactRow& row : kContactRows) {
        rows << (row.name != nullptr ? QString::fromLatin1(row.name) : kMaximumRow);
    }
    m_contacts->setVerticalHeaderLabels(rows);
    m_contacts->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_contacts->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_contacts->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_contacts->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_contacts->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    m_contacts->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    return m_contacts;
}

void CLocalCircumstancesPanel::SetEclipse(const FittedElements* elements, std::optional<double> deltaTSigma)
{
    m_elements = elements != nullptr ? std::make_unique<FittedElements>(*elements) : nullptr;
    m_deltaTSigma = deltaTSigma;
    Refresh();
}

void CLocalCircumstancesPanel::Refresh()
{
    const CObservation& observation = m_document.m_map.m_observation;
    const GeographicPlace place{observation.m_longitude, observation.m_latitude, CDesktopSettings::ObserverHeightMetres()};
    m_place->setText(kObserverPlacedMessage.arg(PlaceText(CGeoPosition(place.longitude, place.latitude)) +
                                                QString::asprintf(", %.0f ", place.height) + kMetresUnit));
    const double offsetHours = CDesktopSettings::TimeOffsetHours();
    m_contacts->setHorizontalHeaderLabels(
        {kUniversalTimeColumn, kLocalTimeColumn.arg(OffsetText(offsetHours)), kSunAltitudeColumn});
    ShowCentralChance(place);
    if (!m_elements) {
        ShowNothing(kNoEclipseText);
        return;
    }
    Show(LocalCircumstancesAt(*m_elements, place), offsetHours);
}

void CLocalCircumstancesPanel::ShowCentralChance(const GeographicPlace& place)
{
    if (!m_elements || !m_deltaTSigma) {
        m_chance->clear();
        return;
    }
    m_chance->setText(CentralChanceText(ChanceOfCentral(*m_elements, place, *m_deltaTSigma), m_elements->deltaT));
}

void CLocalCircumstancesPanel::ShowNothing(const QString& why)
{
    for (QLabel* value : {m_type, m_magnitude, m_moonSunRatio, m_obscuration, m_duration}) {
        value->setText(kMissingValue);
    }
    m_contacts->clearContents();
    m_horizon->setText(why);
}

void CLocalCircumstancesPanel::Show(const LocalCircumstances& seen, double offsetHours)
{
    if (seen.type == LocalEclipseType::None) {
        ShowNothing(QString());
        m_type->setText(LocalTypeText(seen.type));
        return;
    }
    m_type->setText(LocalTypeText(seen.type) + (seen.Visible() ? QString() : kBelowHorizonNote));
    m_magnitude->setText(QString::asprintf("%.4f", seen.magnitude));
    m_moonSunRatio->setText(QString::asprintf("%.4f", seen.moonSunRatio));
    m_obscuration->setText(QString::asprintf("%.2f %%", 100.0 * seen.obscuration));
    m_duration->setText(seen.durationSeconds > 0.0 ? DurationText(seen.durationSeconds) : kMissingValue);
    ShowContacts(seen, offsetHours);
    ShowHorizonEvents(seen);
}

void CLocalCircumstancesPanel::ShowContacts(const LocalCircumstances& seen, double offsetHours)
{
    for (int row = 0; row < static_cast<int>(kContactRows.size()); ++row) {
        const std::optional<LocalContact>& contact = seen.*kContactRows[static_cast<std::size_t>(row)].contact;
        const std::array<QString, ColumnCount> cells =
            contact ? std::array<QString, ColumnCount>{TimeOfDayText(contact->time, seen.deltaT, 0.0),
                                                       TimeOfDayText(contact->time, seen.deltaT, offsetHours),
                                                       AltitudeText(*contact)}
                    : std::array<QString, ColumnCount>{kMissingValue, kMissingValue, kMissingValue};
        for (int column = 0; column < ColumnCount; ++column) {
            auto* item = new QTableWidgetItem(cells[static_cast<std::size_t>(column)]);
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            m_contacts->setItem(row, column, item);
        }
    }
}

void CLocalCircumstancesPanel::ShowHorizonEvents(const LocalCircumstances& seen)
{
    QStringList notes;
    if (seen.sunrise) {
        notes << kSunriseNote.arg(TimeOfDayText(seen.sunrise->time, seen.deltaT, 0.0),
                                  QString::asprintf("%.4f", seen.sunrise->magnitude));
    }
    if (seen.sunset) {
        notes << kSunsetNote.arg(TimeOfDayText(seen.sunset->time, seen.deltaT, 0.0),
                                 QString::asprintf("%.4f", seen.sunset->magnitude));
    }
    m_horizon->setText(notes.join(QLatin1Char('\n')));
}
