#include "app/EclipseListDialog.h"

#include "app/AtlasTexts.h"
#include "app/BackgroundWork.h"
#include "app/DialogButtons.h"
#include "app/TimeFormatting.h"
#include "core/DeltaT.h"
#include "eclipse/ElementFitting.h"
#include "eclipse/local/LocalCircumstances.h"
#include "eclipse/search/EclipseSearch.h"
#include "ephemeris/Ephemeris.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QFutureWatcher>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPromise>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <optional>
#include <exception>
#include <stdexcept>

namespace {

// What a search of the list found; a range beyond the years the search
// covers finds nothing.
struct EclipseListResult {
    std::vector<EclipseSummary> eclipses;
    std::vector<bool> seen;  // by the observer, eclipse by eclipse
    bool outOfRange = false;
};

const QString kFromYearKey = QStringLiteral("Settings/EclipseListFrom");
const QString kToYearKey = QStringLiteral("Settings/EclipseListTo");
constexpr int kSortKey = Qt::UserRole;
constexpr int kEclipseIndex = Qt::UserRole + 1;
constexpr int kAllTypes = -1;

// Whether some phase of the eclipse is seen from the place with the Sun up.
bool SeenFrom(const Ephemeris& ephemeris, const EclipseSummary& eclipse, const GeographicPlace& place)
{
    const LocalCircumstances seen = LocalCircumstancesAt(FitElements(ephemeris, eclipse.greatest).elements, place);
    return seen.type != LocalEclipseType::None && seen.Visible();
}

constexpr int kYearsPerStep = 10;  // the search reports its progress by decades

// The eclipses whose greatest eclipse falls in the years firstYear to
// lastYear of Universal Time, decade by decade; a cancelled search stops
// at the next decade.
void SearchYears(QPromise<EclipseListResult>& promise, const Ephemeris& ephemeris, const GeographicPlace& observer,
                 int firstYear, int lastYear)
{
    const int steps = (lastYear - firstYear) / kYearsPerStep + 1;
    promise.setProgressRange(0, steps);
    EclipseListResult result;
    try {
        for (int step = 0; step < steps; ++step) {
            if (promise.isCanceled()) {
                return;
            }
            const int from = firstYear + step * kYearsPerStep;
            const int to = std::min(lastYear, from + kYearsPerStep - 1);
            const std::vector<EclipseSummary> found =
                FindEclipses(ephemeris, InstantFromUniversal(CivilDateTime{from, 1, 1, 0, 0, 0.0}, ephemeris.DeltaT()),
                             InstantFromUniversal(CivilDateTime{to + 1, 1, 1, 0, 0, 0.0}, ephemeris.DeltaT()));
            for (const EclipseSummary& eclipse : found) {
                if (promise.isCanceled()) {
                    return;
                }
                result.eclipses.push_back(eclipse);
                result.seen.push_back(SeenFrom(ephemeris, eclipse, observer));
            }
            promise.setProgressValue(step + 1);
        }
    } catch (const std::out_of_range&) {
        result.eclipses.clear();
        result.seen.clear();
        result.outOfRange = true;
    }
    promise.addResult(std::move(result));
}

UniversalDate UniversalOfGreatest(const EclipseSummary& eclipse)
{
    const Instant universal = eclipse.greatest.PlusSeconds(-eclipse.deltaT);
    return {universal.WholeDays(), universal.DayFraction()};
}

// A cell sorted by its value rather than by its text (dates, magnitudes,
// durations and angles).
class CSortedCell : public QTableWidgetItem {
public:
    CSortedCell(const QString& text, double key) : QTableWidgetItem(text) { setData(kSortKey, key); }
    bool operator<(const QTableWidgetItem& other) const override
    {
        return data(kSortKey).toDouble() < other.data(kSortKey).toDouble();
    }
};

QTableWidgetItem* Cell(const QString& text, double key, Qt::Alignment alignment = Qt::AlignRight | Qt::AlignVCenter)
{
    auto* item = new CSortedCell(text, key);
    item->setTextAlignment(alignment);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    return item;
}

// The range searched last, or the current decade.
std::pair<int, int> RememberedRange()
{
    const QSettings settings;
    const auto [first, last] = CEclipseListDialog::CurrentDecade();
    const int from = settings.value(kFromYearKey, first).toInt();
    const int to = settings.value(kToYearKey, last).toInt();
    const auto valid = [](int year) { return year >= kFirstSearchYear && year <= kLastSearchYear; };
    return valid(from) && valid(to) ? std::pair(from, to) : std::pair(first, last);
}

} // namespace

struct CEclipseListDialog::Private {
    Private(const Ephemeris& searched, const GeographicPlace& place) : ephemeris(searched), observer(place) {}
    Ephemeris ephemeris;
    GeographicPlace observer;
    QFutureWatcher<EclipseListResult> watcher;
    std::vector<EclipseSummary> eclipses;
    std::vector<bool> seen;
    std::optional<EclipseSummary> chosen;
};

QString EclipseTypeText(EclipseType type)
{
    switch (type) {
    case EclipseType::Annular:
        return kTypeAnnular;
    case EclipseType::Total:
        return kTypeTotal;
    case EclipseType::Hybrid:
        return kTypeHybrid;
    case EclipseType::Partial:
        break;
    }
    return kTypePartial;
}

std::pair<int, int> CEclipseListDialog::CurrentDecade()
{
    const int year = QDate::currentDate().year();
    const int first = year - year % 10;
    return {first, first + 9};
}

CEclipseListDialog::CEclipseListDialog(const Ephemeris& ephemeris, const GeographicPlace& observer, QWidget* parent)
    : QDialog(parent), m_private(std::make_unique<Private>(ephemeris, observer))
{
    setWindowTitle(kSearchTitle);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MakeRangeRow());
    layout->addWidget(MakeFilterRow());

    m_table = new QTableWidget(0, static_cast<int>(kSearchColumns.size()));
    m_table->setObjectName(QStringLiteral("eclipseTable"));
    m_table->setHorizontalHeaderLabels(Translated(kSearchColumns));
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->verticalHeader()->setVisible(false);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->horizontalHeader()->setStretchLastSection(true);  // no empty band on the right
    m_table->horizontalHeader()->setSortIndicatorShown(true);
    m_table->setMinimumSize(720, 320);
    layout->addWidget(m_table, 1);

    auto* statusRow = new QHBoxLayout;
    m_status = new QLabel;
    m_status->setObjectName(QStringLiteral("searchStatus"));
    m_progress = new QProgressBar;
    m_progress->setObjectName(QStringLiteral("searchProgress"));
    m_progress->setTextVisible(false);
    m_progress->setMaximumWidth(200);
    statusRow->addWidget(m_status, 1);
    statusRow->addWidget(m_progress);
    layout->addLayout(statusRow);
    layout->addWidget(MakeClosingButtons());

    connect(&m_private->watcher, &QFutureWatcherBase::progressRangeChanged, m_progress, &QProgressBar::setRange);
    connect(&m_private->watcher, &QFutureWatcherBase::progressValueChanged, m_progress, &QProgressBar::setValue);
    connect(&m_private->watcher, &QFutureWatcherBase::finished, this, &CEclipseListDialog::OnSearchFinished);
    connect(m_table, &QTableWidget::itemSelectionChanged, this, &CEclipseListDialog::UpdateOkButton);
    connect(m_table, &QTableWidget::cellDoubleClicked, this, [this] { accept(); });

    const auto [first, last] = RememberedRange();
    m_fromYear->setValue(first);
    m_toYear->setValue(last);
    Search(first, last);
}

CEclipseListDialog::~CEclipseListDialog()
{
    m_private->watcher.disconnect(this);
    m_private->watcher.cancel();
}

QWidget* CEclipseListDialog::MakeRangeRow()
{
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    const auto makeYear = [](const char* name) {
        auto* year = new QSpinBox;
        year->setObjectName(QString::fromLatin1(name));
        year->setRange(kFirstSearchYear, kLastSearchYear);
        // Room for "-1999" and the arrows, whatever the style.
        year->setMinimumWidth(year->fontMetrics().horizontalAdvance(QStringLiteral("-00000")) + 40);
        return year;
    };
    m_fromYear = makeYear("fromYear");
    m_toYear = makeYear("toYear");
    m_searchButton = new QPushButton(kSearchButton);
    m_searchButton->setObjectName(QStringLiteral("searchButton"));
    m_searchButton->setAutoDefault(false);
    connect(m_searchButton, &QPushButton::clicked, this, [this] { Search(m_fromYear->value(), m_toYear->value()); });
    layout->addWidget(new QLabel(kSearchFromLabel));
    layout->addWidget(m_fromYear);
    layout->addWidget(new QLabel(kSearchToLabel));
    layout->addWidget(m_toYear);
    layout->addWidget(m_searchButton);
    layout->addStretch(1);
    return row;
}

QWidget* CEclipseListDialog::MakeFilterRow()
{
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    m_typeFilter = new QComboBox;
    m_typeFilter->setObjectName(QStringLiteral("typeFilter"));
    m_typeFilter->addItem(kAllTypesFilter, kAllTypes);
    for (const EclipseType type : {EclipseType::Total, EclipseType::Annular, EclipseType::Hybrid, EclipseType::Partial}) {
        m_typeFilter->addItem(EclipseTypeText(type), static_cast<int>(type));
    }
    m_seenFilter = new QCheckBox(kSeenFilter);
    m_seenFilter->setObjectName(QStringLiteral("seenFilter"));
    connect(m_typeFilter, &QComboBox::currentIndexChanged, this, &CEclipseListDialog::ApplyFilter);
    connect(m_seenFilter, &QCheckBox::toggled, this, &CEclipseListDialog::ApplyFilter);
    layout->addWidget(new QLabel(kTypeFilterLabel));
    layout->addWidget(m_typeFilter);
    layout->addWidget(m_seenFilter);
    layout->addStretch(1);
    return row;
}

QWidget* CEclipseListDialog::MakeClosingButtons()
{
    QWidget* row = MakeCancelOkRow(*this, &m_okButton);
    m_okButton->setEnabled(false);
    return row;
}

void CEclipseListDialog::Search(int firstYear, int lastYear)
{
    m_private->watcher.cancel();
    if (lastYear < firstYear) {
        std::swap(firstYear, lastYear);
    }
    m_searchedFrom = firstYear;
    m_searchedTo = lastYear;
    QSettings settings;
    settings.setValue(kFromYearKey, firstYear);
    settings.setValue(kToYearKey, lastYear);
    m_private->eclipses.clear();
    m_private->seen.clear();
    m_table->setRowCount(0);
    m_status->setText(kSearchRunning);
    m_progress->setRange(0, 0);
    m_progress->setVisible(true);
    m_searchButton->setEnabled(false);
    const Ephemeris ephemeris = m_private->ephemeris;
    const GeographicPlace observer = m_private->observer;
    m_private->watcher.setFuture(RunWithPromise<EclipseListResult>(
        [ephemeris, observer, firstYear, lastYear](QPromise<EclipseListResult>& promise) {
            SearchYears(promise, ephemeris, observer, firstYear, lastYear);
        }));
}

const std::vector<EclipseSummary>& CEclipseListDialog::Eclipses() const
{
    return m_private->eclipses;
}

bool CEclipseListDialog::SeenFromObserver(std::size_t index) const
{
    return index < m_private->seen.size() && m_private->seen[index];
}

const EclipseSummary* CEclipseListDialog::Chosen() const
{
    return m_private->chosen ? &*m_private->chosen : nullptr;
}

// Until its results are in the table, not only while the worker runs.
bool CEclipseListDialog::IsSearching() const
{
    return !m_searchButton->isEnabled();
}

void CEclipseListDialog::OnSearchFinished()
{
    const QFuture<EclipseListResult> future = m_private->watcher.future();
    m_progress->setVisible(false);
    m_searchButton->setEnabled(true);
    if (future.isCanceled() || future.resultCount() == 0) {
        m_status->setText(QString());
        return;
    }
    const EclipseListResult result = future.result();
    if (result.outOfRange) {
        m_status->setText(kSearchRange);
        return;
    }
    m_private->eclipses = result.eclipses;
    m_private->seen = result.seen;
    FillTable();
}

// Each row keeps the index of its eclipse, as sorting moves the rows.
void CEclipseListDialog::FillTable()
{
    m_table->setSortingEnabled(false);
    m_table->setRowCount(static_cast<int>(m_private->eclipses.size()));
    for (int row = 0; row < m_table->rowCount(); ++row) {
        const EclipseSummary& eclipse = m_private->eclipses[static_cast<std::size_t>(row)];
        const UniversalDate greatest = UniversalOfGreatest(eclipse);
        const double time = greatest.JulianDate();
        QTableWidgetItem* date = Cell(FormatDate(greatest), time, Qt::AlignLeft | Qt::AlignVCenter);
        date->setData(kEclipseIndex, row);
        m_table->setItem(row, 0, date);
        m_table->setItem(row, 1, Cell(FormatClock(greatest), time - std::floor(time - 0.5)));
        m_table->setItem(row, 2, Cell(EclipseTypeText(eclipse.type), static_cast<int>(eclipse.type),
                                      Qt::AlignLeft | Qt::AlignVCenter));
        m_table->setItem(row, 3, Cell(FormatDecimal(eclipse.magnitude, 4), eclipse.magnitude));
        m_table->setItem(row, 4, Cell(eclipse.durationSeconds ? FormatDuration(*eclipse.durationSeconds) : QStringLiteral("-"),
                                      eclipse.durationSeconds.value_or(-1.0)));
        m_table->setItem(row, 5, Cell(FormatLatitude(eclipse.latitude), eclipse.latitude));
        m_table->setItem(row, 6, Cell(FormatLongitude(eclipse.longitude), eclipse.longitude));
    }
    m_table->setSortingEnabled(true);
    m_table->sortByColumn(0, Qt::AscendingOrder);
    ApplyFilter();
}

int CEclipseListDialog::IndexOfRow(int row) const
{
    const QTableWidgetItem* date = m_table->item(row, 0);
    return date != nullptr ? date->data(kEclipseIndex).toInt() : -1;
}

void CEclipseListDialog::ApplyFilter()
{
    const int type = m_typeFilter->currentData().toInt();
    int shown = 0;
    for (int row = 0; row < m_table->rowCount(); ++row) {
        const int index = IndexOfRow(row);
        const bool typeMatches =
            type == kAllTypes || (index >= 0 && static_cast<int>(m_private->eclipses[static_cast<std::size_t>(index)].type) == type);
        const bool hidden = !typeMatches || (m_seenFilter->isChecked() && !SeenFromObserver(static_cast<std::size_t>(index)));
        m_table->setRowHidden(row, hidden);
        shown += hidden ? 0 : 1;
    }
    if (!IsSearching() && m_status->text() != kSearchRange.Text()) {
        m_status->setText(kSearchCount.arg(shown).arg(m_searchedFrom).arg(m_searchedTo));
    }
    UpdateOkButton();
}

void CEclipseListDialog::UpdateOkButton()
{
    const QList<QTableWidgetItem*> selected = m_table->selectedItems();
    m_okButton->setEnabled(!selected.isEmpty() && !m_table->isRowHidden(selected.front()->row()));
}

void CEclipseListDialog::accept()
{
    const QList<QTableWidgetItem*> selected = m_table->selectedItems();
    if (selected.isEmpty()) {
        return;
    }
    const int index = IndexOfRow(selected.front()->row());
    if (index < 0 || static_cast<std::size_t>(index) >= m_private->eclipses.size()) {
        return;
    }
    m_private->chosen = m_private->eclipses[static_cast<std::size_t>(index)];
    QDialog::accept();
}

// A search still running is dropped with the dialog.
void CEclipseListDialog::done(int result)
{
    m_private->watcher.cancel();
    QDialog::done(result);
}
