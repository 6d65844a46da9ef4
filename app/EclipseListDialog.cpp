#include "app/EclipseListDialog.h"

#include "app/AtlasTexts.h"
#include "app/DialogButtons.h"
#include "app/TimeFormatting.h"
#include "core/DeltaT.h"
#include "eclipse/search/EclipseSearch.h"
#include "ephemeris/Ephemeris.h"

#include <QFutureWatcher>
#include <QDate>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPromise>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QtConcurrent>

#include <algorithm>
#include <optional>
#include <exception>
#include <stdexcept>

namespace {

// What a search of the list found; a range beyond the years the search
// covers finds nothing.
struct EclipseListResult {
    std::vector<EclipseSummary> eclipses;
    bool outOfRange = false;
};

constexpr int kYearsPerStep = 10;  // the search reports its progress by decades

// The eclipses whose greatest eclipse falls in the years firstYear to
// lastYear of Universal Time, decade by decade; a cancelled search stops
// at the next decade.
void SearchYears(QPromise<EclipseListResult>& promise, const Ephemeris& ephemeris, int firstYear, int lastYear)
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
            result.eclipses.insert(result.eclipses.end(), found.begin(), found.end());
            promise.setProgressValue(step + 1);
        }
    } catch (const std::out_of_range&) {
        result.eclipses.clear();
        result.outOfRange = true;
    }
    promise.addResult(std::move(result));
}

UniversalDate UniversalOfGreatest(const EclipseSummary& eclipse)
{
    const Instant universal = eclipse.greatest.PlusSeconds(-eclipse.deltaT);
    return {universal.WholeDays(), universal.DayFraction()};
}

QTableWidgetItem* Cell(const QString& text, Qt::Alignment alignment = Qt::AlignRight | Qt::AlignVCenter)
{
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(alignment);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    return item;
}

} // namespace

struct CEclipseListDialog::Private {
    explicit Private(const Ephemeris& searched) : ephemeris(searched) {}
    Ephemeris ephemeris;
    QFutureWatcher<EclipseListResult> watcher;
    std::vector<EclipseSummary> eclipses;
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

CEclipseListDialog::CEclipseListDialog(const Ephemeris& ephemeris, QWidget* parent)
    : QDialog(parent), m_private(std::make_unique<Private>(ephemeris))
{
    setWindowTitle(kSearchTitle);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MakeRangeRow());

    m_table = new QTableWidget(0, static_cast<int>(kSearchColumns.size()));
    m_table->setObjectName(QStringLiteral("eclipseTable"));
    m_table->setHorizontalHeaderLabels(Translated(kSearchColumns));
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->verticalHeader()->setVisible(false);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->horizontalHeader()->setStretchLastSection(true);  // no empty band on the right
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

    const auto [first, last] = CurrentDecade();
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
    m_private->eclipses.clear();
    m_table->setRowCount(0);
    m_status->setText(kSearchRunning);
    m_progress->setRange(0, 0);
    m_progress->setVisible(true);
    m_searchButton->setEnabled(false);
    const Ephemeris ephemeris = m_private->ephemeris;
    m_private->watcher.setFuture(QtConcurrent::run(
        [ephemeris, firstYear, lastYear](QPromise<EclipseListResult>& promise) {
            SearchYears(promise, ephemeris, firstYear, lastYear);
        }));
}

const std::vector<EclipseSummary>& CEclipseListDialog::Eclipses() const
{
    return m_private->eclipses;
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
    m_status->setText(kSearchCount.arg(m_private->eclipses.size()).arg(m_searchedFrom).arg(m_searchedTo));
    FillTable();
}

void CEclipseListDialog::FillTable()
{
    m_table->setRowCount(static_cast<int>(m_private->eclipses.size()));
    for (int row = 0; row < m_table->rowCount(); ++row) {
        const EclipseSummary& eclipse = m_private->eclipses[static_cast<std::size_t>(row)];
        const UniversalDate greatest = UniversalOfGreatest(eclipse);
        m_table->setItem(row, 0, Cell(FormatDate(greatest), Qt::AlignLeft | Qt::AlignVCenter));
        m_table->setItem(row, 1, Cell(FormatClock(greatest)));
        m_table->setItem(row, 2, Cell(EclipseTypeText(eclipse.type), Qt::AlignLeft | Qt::AlignVCenter));
        m_table->setItem(row, 3, Cell(QString::number(eclipse.magnitude, 'f', 4)));
        m_table->setItem(row, 4, Cell(eclipse.durationSeconds ? FormatDuration(*eclipse.durationSeconds) : QStringLiteral("-")));
        m_table->setItem(row, 5, Cell(FormatLatitude(eclipse.latitude)));
        m_table->setItem(row, 6, Cell(FormatLongitude(eclipse.longitude)));
    }
    UpdateOkButton();
}

void CEclipseListDialog::UpdateOkButton()
{
    m_okButton->setEnabled(!m_table->selectedItems().isEmpty());
}

void CEclipseListDialog::accept()
{
    const QList<QTableWidgetItem*> selected = m_table->selectedItems();
    if (selected.isEmpty()) {
        return;
    }
    const auto row = static_cast<std::size_t>(selected.front()->row());
    if (row >= m_private->eclipses.size()) {
        return;
    }
    m_private->chosen = m_private->eclipses[row];
    QDialog::accept();
}

// A search still running is dropped with the dialog.
void CEclipseListDialog::done(int result)
{
    m_private->watcher.cancel();
    QDialog::done(result);
}
