#include "app/BesselianWindow.h"

#include "app/AtlasTexts.h"
#include "app/CurrentEclipse.h"
#include "app/TimeFormatting.h"
#include "eclipse/FittedElements.h"
#include "eclipse/PrintedElements.h"
#include "eclipse/search/EclipseSearch.h"

#include <QClipboard>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

UniversalDate DateOf(const Instant& instant, double secondsEarlier)
{
    const Instant shifted = instant.PlusSeconds(-secondsEarlier);
    return {shifted.WholeDays(), shifted.DayFraction()};
}

QString Dotted(double value, int decimals)
{
    return QString::number(value, 'f', decimals);
}

} // namespace

QString BesselianElementsText(const EclipseSummary& eclipse, const FittedElements& e)
{
    const UniversalDate greatest = DateOf(eclipse.greatest, eclipse.deltaT);
    const UniversalDate t0 = DateOf(e.t0, 0.0);
    QString text = kBesselHeading.arg(FormatDate(greatest), FormatClock(greatest), FormatClock(DateOf(eclipse.greatest, 0.0)));
    text += QStringLiteral("\n\n") + kBesselT0.arg(FormatDateTime(t0), Dotted(e.deltaT, 1)) + QStringLiteral("\n\n");
    text += QString::fromStdString(ElementsTableText(PrintedElementsOf(e)));
    text += QLatin1Char('\n') + kBesselNotes + QLatin1Char('\n');
    text += kBesselValidity.arg(FormatClock(DateOf(e.InstantOf(e.validFrom), 0.0)),
                                FormatClock(DateOf(e.InstantOf(e.validTo), 0.0)), Dotted(e.validFrom, 3),
                                Dotted(e.validTo, 3)) +
            QLatin1Char('\n');
    return text;
}

CBesselianWindow::CBesselianWindow(CCurrentEclipse& eclipse, QWidget* parent) : QDialog(parent), m_eclipse(eclipse)
{
    setWindowTitle(kBesselTitle);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setObjectName(QStringLiteral("besselianWindow"));
    auto* layout = new QVBoxLayout(this);
    m_text = new QPlainTextEdit;
    m_text->setObjectName(QStringLiteral("besselianText"));
    m_text->setReadOnly(true);
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_text->setMinimumSize(760, 360);
    layout->addWidget(m_text, 1);
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    auto* copy = new QPushButton(kCopyButton);
    copy->setObjectName(QStringLiteral("copyButton"));
    auto* close = new QPushButton(kCloseButton);
    close->setObjectName(QStringLiteral("closeButton"));
    row->addWidget(copy);
    row->addWidget(close);
    layout->addLayout(row);
    connect(copy, &QPushButton::clicked, this, [this] { QGuiApplication::clipboard()->setText(Text()); });
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    connect(&m_eclipse, &CCurrentEclipse::Changed, this, &CBesselianWindow::Refresh);
    connect(&m_eclipse, &CCurrentEclipse::BusyChanged, this, &CBesselianWindow::Refresh);
    Refresh();
}

void CBesselianWindow::Refresh()
{
    const EclipseSummary* summary = m_eclipse.Summary();
    const FittedElements* elements = m_eclipse.Elements();
    if (summary != nullptr && elements != nullptr) {
        m_text->setPlainText(BesselianElementsText(*summary, *elements));
    } else {
        m_text->setPlainText(m_eclipse.IsBusy() ? kBesselRunning : kBesselNone);
    }
}

QString CBesselianWindow::Text() const
{
    return m_text->toPlainText();
}
