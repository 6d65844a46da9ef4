#include "app/EphemerisWindow.h"

#include "app/AtlasTexts.h"
#include "app/BackgroundWork.h"
#include "app/CurrentEclipse.h"
#include "app/EphemerisRows.h"
#include "app/TimeFormatting.h"
#include "app/UmbrantDoc.h"
#include "core/Units.h"
#include "ephemeris/Ephemeris.h"
#include "ephemeris/EpochArithmetic.h"
#include "map/EclipseOverlay.h"

#include <QAction>
#include <QClipboard>
#include <QFutureWatcher>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <cmath>
#include <exception>

namespace {

constexpr double kStepMinutes = 10.0;

// Units, sixtieths and 3600ths of a non-negative quantity, the last rounded
// to the decimals shown and never shown as 60.
struct Sexagesimal {
    int units;
    int sixtieths;
    double rest;
};

Sexagesimal Split(double value, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    const double total = std::round(value * 3600.0 * scale) / scale;
    const int units = static_cast<int>(total / 3600.0);
    const int sixtieths = static_cast<int>((total - units * 3600.0) / 60.0);
    return {units, sixtieths, total - units * 3600.0 - sixtieths * 60.0};
}

QString Decimal(double value, int decimals)
{
    return FormatDecimal(value, decimals);
}

QString Padded(double seconds, int decimals)
{
    return Decimal(seconds, decimals).rightJustified(decimals + 3, QLatin1Char('0'));
}

QString RightAscension(double radians)
{
    const Sexagesimal hms = Split(radians / kRadiansPerHour, 2);
    return QStringLiteral("%1h %2m %3s")
        .arg(hms.units, 2, 10, QLatin1Char('0'))
        .arg(hms.sixtieths, 2, 10, QLatin1Char('0'))
        .arg(Padded(hms.rest, 2));
}

QString Angle(double radians, int decimals)
{
    const double degrees = radians * kRadiansToDegrees;
    const Sexagesimal dms = Split(std::abs(degrees), decimals);
    return QStringLiteral("%1%2° %3' %4\"")
        .arg(degrees < 0.0 ? QStringLiteral("-") : QStringLiteral("+"))
        .arg(dms.units, 2, 10, QLatin1Char('0'))
        .arg(dms.sixtieths, 2, 10, QLatin1Char('0'))
        .arg(Padded(dms.rest, decimals));
}

QString SemiDiameter(double radians)
{
    const double arcseconds = radians * kArcsecondsPerRadian;
    const int minutes = static_cast<int>(arcseconds / 60.0);
    return QStringLiteral("%1' %2\"").arg(minutes).arg(Padded(arcseconds - minutes * 60.0, 2));
}

UniversalDate UniversalOf(const Instant& instant, double deltaT)
{
    const Instant universal = instant.PlusSeconds(-deltaT);
    return {universal.WholeDays(), universal.DayFraction()};
}

EphemerisRow RowAt(const Ephemeris& ephemeris, const Instant& instant, double deltaT, bool isEpoch)
{
    return {UniversalOf(instant, deltaT), isEpoch, ApparentSun(ephemeris, instant), ApparentMoon(ephemeris, instant),
            HeliocentricEarthAt(ephemeris, instant)};
}

QStringList Cells(const EphemerisRow& row)
{
    return {FormatDateTime(row.universal) + (row.isEpoch ? kEphemerisEpochMark : QString()),
            RightAscension(row.sun.rightAscension),
            Angle(row.sun.declination, 1),
            Decimal(row.sun.distance, 8),
            SemiDiameter(row.sun.semiDiameter),
            RightAscension(row.moon.rightAscension),
            Angle(row.moon.declination, 1),
            Decimal(row.moon.distance, 1),
            SemiDiameter(row.moon.semiDiameter),
            Decimal(row.earth.longitude * kRadiansToDegrees, 6) + QStringLiteral("°"),
            Decimal(row.earth.latitude * kArcsecondsPerRadian, 2) + QStringLiteral("\""),
            Decimal(row.earth.radius, 8)};
}

} // namespace

std::vector<EphemerisRow> ComputeEphemerisRows(const Ephemeris& ephemeris, const Instant& epoch,
                                               const std::optional<std::pair<Instant, Instant>>& contacts, double deltaT)
{
    std::vector<EphemerisRow> rows;
    rows.push_back(RowAt(ephemeris, epoch, DeltaTAt(epoch, ephemeris.DeltaT()), true));
    if (!contacts) {
        return rows;
    }
    // Whole 10 minutes of UT from P1 to P4.
    const UniversalDate first = UniversalOf(contacts->first, deltaT);
    const double firstMinutes = (first.part1 - std::floor(first.part1) + first.part2) * 1440.0;
    const double lead = std::ceil(firstMinutes / kStepMinutes) * kStepMinutes - firstMinutes;
    const double span = contacts->second.SecondsSince(contacts->first) / 60.0;
    for (double minutes = lead; minutes <= span + 1e-9; minutes += kStepMinutes) {
        rows.push_back(RowAt(ephemeris, contacts->first.PlusSeconds(minutes * 60.0), deltaT, false));
    }
    return rows;
}

struct CEphemerisWindow::Private {
    QFutureWatcher<std::vector<EphemerisRow>> watcher;
};

CEphemerisWindow::CEphemerisWindow(CUmbrantDoc& document, CCurrentEclipse& eclipse, EphemerisSource ephemeris,
                                   QWidget* parent)
    : QDialog(parent), m_document(document), m_eclipse(eclipse), m_ephemeris(std::move(ephemeris)),
      m_private(std::make_unique<Private>())
{
    setWindowTitle(kEphemerisTitle);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setObjectName(QStringLiteral("ephemerisWindow"));
    auto* layout = new QVBoxLayout(this);
    auto* note = new QLabel(kEphemerisNote);
    note->setWordWrap(true);
    layout->addWidget(note);
    m_table = new QTableWidget(0, static_cast<int>(kEphemerisColumns.size()));
    m_table->setObjectName(QStringLiteral("ephemerisTable"));
    m_table->setHorizontalHeaderLabels(Translated(kEphemerisColumns));
    m_table->verticalHeader()->setVisible(false);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setMinimumSize(900, 360);
    layout->addWidget(m_table, 1);

    auto* row = new QHBoxLayout;
    m_status = new QLabel;
    m_status->setObjectName(QStringLiteral("ephemerisStatus"));
    row->addWidget(m_status, 1);
    auto* copy = new QPushButton(kCopyButton);
    copy->setObjectName(QStringLiteral("copyButton"));
    auto* close = new QPushButton(kCloseButton);
    close->setObjectName(QStringLiteral("closeButton"));
    row->addWidget(copy);
    row->addWidget(close);
    layout->addLayout(row);
    connect(copy, &QPushButton::clicked, this, &CEphemerisWindow::CopyTable);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    auto* copyKey = new QAction(this);
    copyKey->setShortcut(QKeySequence::Copy);
    copyKey->setShortcutContext(Qt::WindowShortcut);
    connect(copyKey, &QAction::triggered, this, &CEphemerisWindow::CopyTable);
    addAction(copyKey);
    connect(&m_private->watcher, &QFutureWatcherBase::finished, this, &CEphemerisWindow::OnComputed);
    Refresh();
}

CEphemerisWindow::~CEphemerisWindow()
{
    m_private->watcher.disconnect(this);
}

void CEphemerisWindow::Refresh()
{
    if (m_private->watcher.isRunning()) {
        m_refreshAgain = true;
        return;
    }
    m_refreshAgain = false;
    Ephemeris ephemeris = m_ephemeris();  // raises for missing series: the command reports it
    const Instant epoch = InstantOfObservation(ephemeris, m_document.m_map.m_observation);
    std::optional<std::pair<Instant, Instant>> contacts;
    double deltaT = 0.0;
    if (const std::shared_ptr<const EclipseOverlay> overlay = m_eclipse.Overlay()) {
        const GlobalCircumstances& circumstances = overlay->path.circumstances;
        if (circumstances.p1 && circumstances.p4) {
            contacts = std::pair(circumstances.p1->time, circumstances.p4->time);
            deltaT = overlay->path.deltaT;
        }
    }
    m_status->setText(kEphemerisRunning);
    m_private->watcher.setFuture(RunInBackground([ephemeris = std::move(ephemeris), epoch, contacts, deltaT] {
        return ComputeEphemerisRows(ephemeris, epoch, contacts, deltaT);
    }));
}

bool CEphemerisWindow::IsComputing() const
{
    return m_private->watcher.isRunning() || m_refreshAgain;
}

void CEphemerisWindow::OnComputed()
{
    m_status->clear();
    if (m_private->watcher.future().resultCount() > 0) {
        Fill();
    }
    if (m_refreshAgain) {
        try {
            Refresh();
        } catch (const std::exception&) {
            m_refreshAgain = false;  // the series went missing: the table stays as it is
        }
    }
}

void CEphemerisWindow::Fill()
{
    const std::vector<EphemerisRow> rows = m_private->watcher.result();
    m_table->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < m_table->rowCount(); ++r) {
        const QStringList cells = Cells(rows[static_cast<std::size_t>(r)]);
        for (int c = 0; c < cells.size(); ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            item->setTextAlignment(c == 0 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignRight | Qt::AlignVCenter);
            m_table->setItem(r, c, item);
        }
    }
}

QString CEphemerisWindow::TableText() const
{
    QString text = Translated(kEphemerisColumns).join(QLatin1Char('\t')) + QLatin1Char('\n');
    for (int r = 0; r < m_table->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < m_table->columnCount(); ++c) {
            const QTableWidgetItem* item = m_table->item(r, c);
            cells << (item != nullptr ? item->text() : QString());
        }
        text += cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    return text;
}

void CEphemerisWindow::CopyTable() const
{
    QGuiApplication::clipboard()->setText(TableText());
}
