#include "app/LocalCircumstancesPanel.h"

#include "app/CentralChanceText.h"
#include "app/LocalCircumstancesText.h"
#include "app/ObserverZone.h"
#include "app/PlaceText.h"
#include "app/ToolTexts.h"
#include "app/UmbrantDoc.h"
#include "eclipse/local/LocalCircumstances.h"
#include "eclipse/uncertainty/CentralChance.h"
#include "ephemeris/EpochArithmetic.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <optional>

namespace {

enum Column { UniversalTimeColumn, LocalTimeColumn, SunAltitudeColumn, SunAzimuthColumn, PositionAngleColumn, ColumnCount };

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

// Whole degrees, as "umbrant-cli local" rounds them to its hundredths.
QString AngleText(double degrees)
{
    return QString::asprintf("%.1f°", degrees);
}

// The widest texts a row holds, for the panel's fixed width (a rare day
// note scrolls the table).
const std::array<QString, ColumnCount> kWidestCells = {QStringLiteral("00:00:00.0"), QStringLiteral("00:00:00.0"),
                                                       QStringLiteral("-00.0°"), QStringLiteral("000.0°"),
                                                       QStringLiteral("000.0°")};
// The widest offset the local time's title shows.
const QString kWidestOffset = QStringLiteral("-10:30");

// A column's title on two lines, broken at the space nearest its middle.
QString OnTwoLines(const QString& title)
{
    qsizetype best = -1;
    for (qsizetype i = 0; i < title.size(); ++i) {
        if (title[i] == u' ' && (best < 0 || std::abs(i - title.size() / 2) < std::abs(best - title.size() / 2))) {
            best = i;
        }
    }
    QString lines = title;
    if (best >= 0) {
        lines[best] = u'\n';
    }
    return lines;
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
    layout->addWidget(MakeContactButtons());
    m_horizon = NamedLabel("localHorizonLabel");
    m_horizon->setWordWrap(true);
    layout->addWidget(m_horizon);
    layout->addStretch();
    setWidget(content);
    connect(&m_document, &CUmbrantDoc::ObserverChanged, this, &CLocalCircumstancesPanel::Refresh);
    connect(&m_document, &CUmbrantDoc::EpochChanged, this, &CLocalCircumstancesPanel::Refresh);
    connect(&m_document, &CUmbrantDoc::DocumentReplaced, this, &CLocalCircumstancesPanel::Refresh);
    Refresh();
    FixWidth(*content);
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

QWidget* CLocalCircumstancesPanel::MakeContactButtons()
{
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(kGoToContactLabel));
    for (int index = 0; index < static_cast<int>(kContactRows.size()); ++index) {
        const ContactRow& contact = kContactRows[static_cast<std::size_t>(index)];
        auto* button = new QPushButton(contact.name != nullptr ? QString::fromLatin1(contact.name) : kMaximumButton);
        button->setObjectName(QStringLiteral("goToContact%1").arg(index));
        button->setToolTip(kGoToContactPrompt);
        button->setAutoDefault(false);
        button->setEnabled(false);
        connect(button, &QPushButton::clicked, this, [this, index] { GoToContact(index); });
        layout->addWidget(button);
        m_contactButtons.append(button);
    }
    layout->addStretch();
    return row;
}

// Wide enough for the widest place, table and buttons the panel can show,
// and no wider: its width no longer follows what it shows.
void CLocalCircumstancesPanel::FixWidth(QWidget& content)
{
    m_contacts->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    const QFontMetrics metrics(m_contacts->font());
    int table = m_contacts->verticalHeader()->sizeHint().width() + 2 * m_contacts->frameWidth() + 4;
    for (int column = 0; column < ColumnCount; ++column) {
        QString title = m_contacts->horizontalHeaderItem(column)->text();
        if (column == LocalTimeColumn) {
            title = OnTwoLines(kLocalTimeColumn.arg(kWidestOffset));
        }
        int width = metrics.horizontalAdvance(kWidestCells[static_cast<std::size_t>(column)]);
        for (const QString& line : title.split(u'\n')) {
            width = std::max(width, metrics.horizontalAdvance(line));
        }
        m_contacts->setColumnWidth(column, width + 14);
        table += width + 14;
    }
    const QMargins margins = content.layout()->contentsMargins();
    content.setFixedWidth(std::max(table, content.layout()->minimumSize().width() - margins.left() - margins.right()) +
                          margins.left() + margins.right());
}

void CLocalCircumstancesPanel::GoToContact(int index)
{
    if (!m_seen || index < 0 || index >= static_cast<int>(kContactRows.size())) {
        return;
    }
    const std::optional<LocalContact>& contact = *m_seen.*kContactRows[static_cast<std::size_t>(index)].contact;
    if (!contact) {
        return;
    }
    const Instant universal = contact->time.PlusSeconds(-m_seen->deltaT);
    SetEpochToUniversal(m_document.m_map.m_observation, {universal.WholeDays(), universal.DayFraction()});
    m_document.NotifyEpochChanged();
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
    const GeographicPlace place{observation.m_longitude, observation.m_latitude, m_document.m_options.m_observerHeight};
    m_place->setText(kObserverPlacedMessage.arg(PlaceText(CGeoPosition(place.longitude, place.latitude)) +
                                                QString::asprintf(", %.0f ", place.height) + kMetresUnit));
    const double offsetHours = m_document.m_options.m_timeOffsetHours;
    m_contacts->setHorizontalHeaderLabels({kUniversalTimeColumn, OnTwoLines(LocalTimeHeader(offsetHours)),
                                           OnTwoLines(kSunAltitudeColumn), OnTwoLines(kSunAzimuthColumn),
                                           OnTwoLines(kPositionAngleColumn)});
    ShowCentralChance(place);
    if (!m_elements) {
        m_seen.reset();
        ShowNothing(kNoEclipseText);
        return;
    }
    m_seen = std::make_unique<LocalCircumstances>(LocalCircumstancesAt(*m_elements, place));
    Show(*m_seen, offsetHours);
}

void CLocalCircumstancesPanel::SetObserverZone(const CObserverZone* zone)
{
    m_zone = zone;
    if (m_zone != nullptr) {
        connect(m_zone, &CObserverZone::Changed, this, &CLocalCircumstancesPanel::Refresh);
    }
    Refresh();
}

QString CLocalCircumstancesPanel::LocalTimeHeader(double offsetHours) const
{
    if (m_zone != nullptr && m_zone->Zone()) {
        return kLocalZoneColumn.arg(QString::fromStdString(m_zone->Zone()->Name()));
    }
    return kLocalTimeColumn.arg(OffsetText(offsetHours));
}

QString CLocalCircumstancesPanel::LocalTimeOfDay(const Instant& instant, double deltaT, double offsetHours) const
{
    if (m_zone != nullptr && m_zone->Zone()) {
        return ZoneTimeOfDayText(instant, deltaT, *m_zone->Zone());
    }
    return TimeOfDayText(instant, deltaT, offsetHours);
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
    for (QPushButton* button : m_contactButtons) {
        button->setEnabled(false);
    }
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
                                                       LocalTimeOfDay(contact->time, seen.deltaT, offsetHours),
                                                       AltitudeText(*contact), AngleText(contact->sunAzimuth),
                                                       AngleText(contact->positionAngle)}
                    : std::array<QString, ColumnCount>{kMissingValue, kMissingValue, kMissingValue, kMissingValue,
                                                       kMissingValue};
        m_contactButtons[row]->setEnabled(contact.has_value());
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
