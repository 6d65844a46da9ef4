#include "app/TownsPanel.h"

#include "app/CurrentEclipse.h"
#include "app/LocalCircumstancesText.h"
#include "app/PlaceTexts.h"
#include "app/QtTimeZone.h"
#include "app/TimeFormatting.h"
#include "places/EclipseTowns.h"

#include <QAbstractTableModel>
#include <QCheckBox>
#include <QHash>
#include <QHeaderView>
#include <QLabel>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QVBoxLayout>

#include <array>

namespace {

enum Column {
    TownColumn,
    StateColumn,
    CountryColumn,
    PopulationColumn,
    TypeColumn,
    MagnitudeColumn,
    DurationColumn,
    MaximumColumn,
    AltitudeColumn,
    ColumnCount
};

const std::array<CUiText, ColumnCount> kHeaders = {kTownColumn,          kStateColumn,        kCountryColumn,
                                                   kPopulationColumn,    kTownTypeColumn,     kTownMagnitudeColumn,
                                                   kTownDurationColumn,  kTownMaximumColumn,  kTownAltitudeColumn};

bool Central(const TownCircumstances& town)
{
    return town.seen.durationSeconds > 0.0 && town.seen.maximum && town.seen.maximum->sunAboveHorizon;
}

} // namespace

// The towns as rows; each cell's text, and under Qt::UserRole the value it
// sorts by.
class CTownsPanel::Model : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    void SetTowns(std::shared_ptr<const std::vector<TownCircumstances>> towns)
    {
        beginResetModel();
        m_towns = std::move(towns);
        endResetModel();
    }
    const TownCircumstances* TownAt(int row) const
    {
        return m_towns && row >= 0 && row < static_cast<int>(m_towns->size()) ? &(*m_towns)[static_cast<std::size_t>(row)]
                                                                            : nullptr;
    }

    int rowCount(const QModelIndex& parent) const override
    {
        return parent.isValid() || !m_towns ? 0 : static_cast<int>(m_towns->size());
    }
    int columnCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : ColumnCount; }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < ColumnCount) {
            return kHeaders[static_cast<std::size_t>(section)].Text();
        }
        return QAbstractTableModel::headerData(section, orientation, role);
    }

    QVariant data(const QModelIndex& index, int role) const override
    {
        const TownCircumstances* town = TownAt(index.row());
        if (town == nullptr) {
            return {};
        }
        if (role == Qt::TextAlignmentRole) {
            return index.column() >= PopulationColumn && index.column() != TypeColumn
                       ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                       : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
        }
        if (role == Qt::UserRole) {
            return SortValue(*town, index.column());
        }
        if (role != Qt::DisplayRole) {
            return {};
        }
        return index.column() == MaximumColumn ? MaximumText(*town) : Text(*town, index.column());
    }

private:
    static QVariant SortValue(const TownCircumstances& town, int column)
    {
        switch (column) {
        case PopulationColumn: return static_cast<qulonglong>(town.place.population);
        case MagnitudeColumn: return town.seen.magnitude;
        case DurationColumn: return town.seen.durationSeconds;
        case MaximumColumn: return town.seen.maximum ? town.seen.maximum->time.JulianDate() : 0.0;
        case AltitudeColumn: return town.seen.maximum ? town.seen.maximum->sunAltitude : -90.0;
        default: return Text(town, column);
        }
    }

    static QString Text(const TownCircumstances& town, int column)
    {
        const LocalCircumstances& seen = town.seen;
        switch (column) {
        case TownColumn: return QString::fromStdString(town.place.name);
        case StateColumn: return QString::fromStdString(town.place.state);
        case CountryColumn: return QString::fromStdString(town.place.country);
        case PopulationColumn: return QString::number(town.place.population);
        case TypeColumn: return LocalTypeText(seen.type);
        case MagnitudeColumn: return QString::asprintf("%.4f", seen.magnitude);
        case DurationColumn: return seen.durationSeconds > 0.0 ? FormatDuration(seen.durationSeconds) : QString();
        case AltitudeColumn: return seen.maximum ? QString::asprintf("%.1f°", seen.maximum->sunAltitude) : QString();
        default: break;
        }
        return QString();
    }

    // The maximum on the town's clocks; the zones are looked up once each.
    QString MaximumText(const TownCircumstances& town) const
    {
        if (!town.seen.maximum) {
            return {};
        }
        auto zone = m_zones.constFind(town.place.timeZone);
        if (zone == m_zones.cend()) {
            zone = m_zones.insert(town.place.timeZone, QtTimeZone(town.place.timeZone));
        }
        return *zone ? ZoneTimeOfDayText(town.seen.maximum->time, town.seen.deltaT, **zone)
                     : TimeOfDayText(town.seen.maximum->time, town.seen.deltaT, 0.0) + QStringLiteral(" TU");
    }

private:
    std::shared_ptr<const std::vector<TownCircumstances>> m_towns;
    mutable QHash<std::string, std::shared_ptr<const TimeZone>> m_zones;
};

namespace {

// Rows sorted by the values under Qt::UserRole; with the box ticked, only
// the towns that see the central phase.
class TownsFilter final : public QSortFilterProxyModel {
public:
    TownsFilter(const QCheckBox& centralOnly, QObject* parent) : QSortFilterProxyModel(parent), m_centralOnly(centralOnly)
    {
        setSortRole(Qt::UserRole);
    }

    void Update() { invalidateFilter(); }

protected:
    bool filterAcceptsRow(int row, const QModelIndex&) const override
    {
        if (!m_centralOnly.isChecked()) {
            return true;
        }
        const TownCircumstances* town = static_cast<const CTownsPanel::Model*>(sourceModel())->TownAt(row);
        return town != nullptr && Central(*town);
    }

private:
    const QCheckBox& m_centralOnly;
};

} // namespace

CTownsPanel::CTownsPanel(CCurrentEclipse& eclipse, QWidget* parent)
    : QDockWidget(kTownsPanelTitle, parent), m_eclipse(eclipse)
{
    setObjectName(QStringLiteral("townsPanel"));
    auto* content = new QWidget;
    auto* layout = new QVBoxLayout(content);
    m_centralOnly = new QCheckBox(kCentralOnlyBox);
    m_centralOnly->setObjectName(QStringLiteral("centralOnlyBox"));
    layout->addWidget(m_centralOnly);

    m_model = new Model(this);
    auto* filter = new TownsFilter(*m_centralOnly, this);
    m_sorted = filter;
    m_sorted->setSourceModel(m_model);
    m_table = new QTableView;
    m_table->setObjectName(QStringLiteral("townsTable"));
    m_table->setModel(m_sorted);
    m_table->setSortingEnabled(true);
    m_table->sortByColumn(DurationColumn, Qt::DescendingOrder);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->setVisible(false);
    m_table->setStatusTip(kTownsPrompt);
    layout->addWidget(m_table);
    m_status = new QLabel;
    m_status->setObjectName(QStringLiteral("townsStatus"));
    layout->addWidget(m_status);
    setWidget(content);

    connect(m_centralOnly, &QCheckBox::toggled, this, [this, filter] {
        filter->Update();
        UpdateStatus();
    });
    connect(m_table, &QTableView::clicked, this, &CTownsPanel::OnClicked);
    connect(&m_eclipse, &CCurrentEclipse::Changed, this, &CTownsPanel::Refresh);
    connect(&m_eclipse, &CCurrentEclipse::TownsReady, this, &CTownsPanel::Refresh);
    Refresh();
}

CTownsPanel::~CTownsPanel() = default;

void CTownsPanel::Refresh()
{
    m_model->SetTowns(m_eclipse.Towns());
    UpdateStatus();
}

int CTownsPanel::RowCount() const
{
    return m_sorted->rowCount();
}

void CTownsPanel::UpdateStatus()
{
    if (m_eclipse.Summary() == nullptr) {
        m_status->setText(QString());
    } else if (!m_eclipse.Towns()) {
        m_status->setText(kTownsWaitingText);
    } else {
        m_status->setText(kTownsCountText.arg(RowCount()));
    }
}

void CTownsPanel::OnClicked(const QModelIndex& index)
{
    if (const TownCircumstances* town = m_model->TownAt(m_sorted->mapToSource(index).row())) {
        emit TownChosen(town->place);
    }
}
