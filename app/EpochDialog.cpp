#include "app/EpochDialog.h"

#include "app/DialogFields.h"
#include "app/DigitsEdit.h"
#include "app/SpinButtons.h"
#include "app/ToolTexts.h"
#include "core/Calendar.h"
#include "ephemeris/EpochArithmetic.h"
#include "model/DocumentOptions.h"
#include "model/Observation.h"

#include <QCheckBox>
#include <QDateTime>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>

#include <cmath>

namespace {

constexpr int kSecondDecimals = 2;
constexpr int kDeltaTDecimals = 2;
constexpr int kOffsetDecimals = 2;
// Larger than Delta T at any date the program computes.
constexpr double kLargestDeltaTSeconds = 86400.0;

QPushButton* AddButton(QBoxLayout& layout, const QString& text, const char* name)
{
    auto* button = new QPushButton(text);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false); // Enter confirms with "Ok", whichever button was last used
    layout.addWidget(button);
    return button;
}

// A whole number, with an optional minus sign, and nothing else.
std::optional<int> WholeNumber(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("^-?\\d{1,9}$"));
    const QString trimmed = text.trimmed();
    if (!pattern.match(trimmed).hasMatch()) {
        return std::nullopt;
    }
    return trimmed.toInt();
}

// A decimal number with "." or "," and an optional sign, and nothing else.
std::optional<double> DecimalNumber(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("^[-+]?(\\d+([.,]\\d*)?|[.,]\\d+)$"));
    QString trimmed = text.trimmed();
    if (!pattern.match(trimmed).hasMatch()) {
        return std::nullopt;
    }
    return trimmed.replace(QLatin1Char(','), QLatin1Char('.')).toDouble();
}

} // namespace

CEpochDialog::CEpochDialog(CObservation& observation, CDocumentOptions& options, QWidget* parent)
    : QDialog(parent), m_observation(observation), m_options(options)
{
    setWindowTitle(tr("Choix du temps"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    auto* layout = new QGridLayout(this);
    layout->addWidget(MakeTimeGroup(), 0, 0);
    layout->addWidget(MakeNowButtons(), 0, 1, Qt::AlignTop);
    layout->addWidget(MakeOffsetGroup(), 1, 0);
    layout->addWidget(MakeClosingButtons(), 1, 1, Qt::AlignBottom);
    m_error = MakeErrorLabel();
    layout->addWidget(m_error, 2, 0, 1, 2);
    FillFields();
    m_dayEdit->setFocus();
    m_dayEdit->selectAll();
}

QWidget* CEpochDialog::MakeTimeGroup()
{
    auto* group = new QGroupBox(tr("Horaire (TEMPS UNIVERSEL)"));
    auto* grid = new QGridLayout(group);
    AddSpinField(*grid, 0, 0, tr("Date"), m_dayEdit, "dayEdit", 1, 31);
    AddSpinField(*grid, 1, 0, tr("Mois"), m_monthEdit, "monthEdit", 1, 12);
    AddSpinField(*grid, 2, 0, tr("Année"), m_yearEdit, "yearEdit", kFirstComputedYear, kLastComputedYear);
    m_yearEdit->AllowAlso(QStringLiteral("-"));
    AddSpinField(*grid, 0, 3, tr("Heure"), m_hourEdit, "hourEdit", 0, 23);
    AddSpinField(*grid, 1, 3, tr("Minute"), m_minuteEdit, "minuteEdit", 0, 59);
    m_secondEdit = new CDigitsEdit;
    m_secondEdit->AllowAlso(QStringLiteral(".,"));
    m_secondEdit->setObjectName(QStringLiteral("secondEdit"));
    grid->addWidget(new QLabel(tr("Seconde")), 2, 3);
    grid->addWidget(m_secondEdit, 2, 4);
    for (QLineEdit* field : {static_cast<QLineEdit*>(m_dayEdit), static_cast<QLineEdit*>(m_monthEdit),
                             static_cast<QLineEdit*>(m_yearEdit), static_cast<QLineEdit*>(m_hourEdit),
                             static_cast<QLineEdit*>(m_minuteEdit), static_cast<QLineEdit*>(m_secondEdit)}) {
        connect(field, &QLineEdit::textChanged, this, &CEpochDialog::ShowAutomaticDeltaT);
    }
    return group;
}

void CEpochDialog::AddSpinField(QGridLayout& layout, int row, int column, const QString& label, CDigitsEdit*& edit,
                                const char* name, int minimum, int maximum)
{
    edit = new CDigitsEdit;
    edit->setObjectName(QString::fromLatin1(name));
    auto* arrows = new CSpinButtons(*edit, minimum, maximum);
    arrows->setObjectName(QString::fromLatin1(name).replace(QStringLiteral("Edit"), QStringLiteral("Spin")));
    layout.addWidget(new QLabel(label), row, column);
    layout.addWidget(edit, row, column + 1);
    layout.addWidget(arrows, row, column + 2);
}

QWidget* CEpochDialog::MakeOffsetGroup()
{
    auto* group = new QGroupBox(tr("Décalages"));
    auto* grid = new QGridLayout(group);
    m_deltaTAutoBox = new QCheckBox(tr("Delta T (TT-TU) automatique"));
    m_deltaTAutoBox->setObjectName(QStringLiteral("deltaTAutoBox"));
    grid->addWidget(m_deltaTAutoBox, 0, 0, 1, 3);
    m_deltaTEdit = new QLineEdit;
    m_deltaTEdit->setObjectName(QStringLiteral("deltaTEdit"));
    grid->addWidget(new QLabel(tr("Delta T")), 1, 0);
    grid->addWidget(m_deltaTEdit, 1, 1);
    grid->addWidget(new QLabel(tr("seconde(s)")), 1, 2);
    // Local time is UT plus this many hours; the time bar, the panel and
    // the times written on the map use it.
    m_timeZoneEdit = new QLineEdit;
    m_timeZoneEdit->setObjectName(QStringLiteral("timeZoneEdit"));
    grid->addWidget(new QLabel(tr("Décalage horaire")), 2, 0);
    grid->addWidget(m_timeZoneEdit, 2, 1);
    grid->addWidget(new QLabel(tr("heure(s)")), 2, 2);
    connect(m_deltaTAutoBox, &QCheckBox::clicked, this, &CEpochDialog::OnAutomaticToggled);
    return group;
}

// "Maintenant" gives the date and time of the clock in UT; "Midi" and
// "Minuit" only the time. The document changes on "Ok" as for any field.
QWidget* CEpochDialog::MakeNowButtons()
{
    auto* column = new QWidget;
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    QPushButton* now = AddButton(*layout, tr("Maintenant"), "nowButton");
    QPushButton* noon = AddButton(*layout, tr("Midi"), "noonButton");
    QPushButton* midnight = AddButton(*layout, tr("Minuit"), "midnightButton");
    connect(now, &QPushButton::clicked, this, [this] { ShowDateTime(QDateTime::currentDateTimeUtc()); });
    connect(noon, &QPushButton::clicked, this, [this] { ShowTime(12, 0, 0.0); });
    connect(midnight, &QPushButton::clicked, this, [this] { ShowTime(0, 0, 0.0); });
    return column;
}

void CEpochDialog::ShowDateTime(const QDateTime& universal)
{
    const QDate date = universal.date();
    const QTime time = universal.time();
    m_dayEdit->setText(FormatInteger(date.day()));
    m_monthEdit->setText(FormatInteger(date.month()));
    m_yearEdit->setText(FormatInteger(date.year()));
    ShowTime(time.hour(), time.minute(), time.second() + time.msec() / 1000.0);
}

void CEpochDialog::ShowTime(int hour, int minute, double second)
{
    m_hourEdit->setText(FormatInteger(hour));
    m_minuteEdit->setText(FormatInteger(minute));
    m_secondEdit->setText(FormatFixed(std::floor(second * 100.0) / 100.0, kSecondDecimals));
}

QWidget* CEpochDialog::MakeClosingButtons()
{
    auto* column = new QWidget;
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    QPushButton* cancel = AddButton(*layout, kCancelButton, "cancelButton");
    QPushButton* ok = AddButton(*layout, tr("Ok"), "okButton");
    ok->setDefault(true);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    return column;
}

void CEpochDialog::FillFields()
{
    m_dayEdit->setText(FormatInteger(m_observation.m_day));
    m_monthEdit->setText(FormatInteger(m_observation.m_month));
    m_yearEdit->setText(FormatInteger(m_observation.m_year));
    m_hourEdit->setText(FormatInteger(m_observation.m_hour));
    m_minuteEdit->setText(FormatInteger(m_observation.m_minute));
    m_secondEdit->setText(FormatFixed(m_observation.m_second, kSecondDecimals));
    m_givenDeltaT = FormatFixed(m_observation.m_deltaT, kDeltaTDecimals);
    m_showingGiven = false;
    m_deltaTAutoBox->setChecked(m_observation.m_deltaTAuto);
    OnAutomaticToggled(m_observation.m_deltaTAuto);
    m_timeZoneEdit->setText(FormatFixed(m_options.m_timeOffsetHours, kOffsetDecimals));
}

void CEpochDialog::SetAutomaticDeltaT(AutomaticDeltaT deltaT)
{
    m_automaticDeltaT = std::move(deltaT);
    ShowAutomaticDeltaT();
}

// The given value is kept aside while the field shows the automatic one.
void CEpochDialog::OnAutomaticToggled(bool automatic)
{
    if (m_showingGiven) {
        m_givenDeltaT = m_deltaTEdit->text();
    }
    m_showingGiven = !automatic;
    m_deltaTEdit->setEnabled(!automatic);
    if (automatic) {
        ShowAutomaticDeltaT();
    } else {
        m_deltaTEdit->setText(m_givenDeltaT);
    }
}

void CEpochDialog::ShowAutomaticDeltaT()
{
    if (m_showingGiven) {
        return;
    }
    CObservation epoch = m_observation;
    epoch.m_day = WholeNumber(m_dayEdit->text()).value_or(0);
    epoch.m_month = WholeNumber(m_monthEdit->text()).value_or(0);
    epoch.m_year = WholeNumber(m_yearEdit->text()).value_or(kLastComputedYear + 1);
    epoch.m_hour = WholeNumber(m_hourEdit->text()).value_or(0);
    epoch.m_minute = WholeNumber(m_minuteEdit->text()).value_or(0);
    epoch.m_deltaTAuto = true;
    const bool known = EpochDateExists(epoch.m_year, epoch.m_month, epoch.m_day) && epoch.m_year >= kFirstComputedYear &&
                       epoch.m_year <= kLastComputedYear;
    const std::optional<double> used = known && m_automaticDeltaT ? m_automaticDeltaT(epoch) : std::nullopt;
    m_deltaTEdit->setText(used ? FormatFixed(*used, kDeltaTDecimals) : QString());
}

bool CEpochDialog::Refuse(QLineEdit& field, const QString& error)
{
    SetFieldError(*m_error, error);
    field.setFocus();
    field.selectAll();
    return false;
}

std::optional<CObservation> CEpochDialog::ReadEpoch()
{
    struct WholeField {
        CDigitsEdit* edit;
        std::int32_t CObservation::*member;
        QString label;
        int lowest;
        int highest;
    };
    const WholeField fields[] = {
        {m_dayEdit, &CObservation::m_day, tr("Date"), 1, 31},
        {m_monthEdit, &CObservation::m_month, tr("Mois"), 1, 12},
        {m_yearEdit, &CObservation::m_year, tr("Année"), kFirstComputedYear, kLastComputedYear},
        {m_hourEdit, &CObservation::m_hour, tr("Heure"), 0, 23},
        {m_minuteEdit, &CObservation::m_minute, tr("Minute"), 0, 59},
    };
    CObservation epoch = m_observation;
    for (const WholeField& field : fields) {
        const std::optional<int> value = WholeNumber(field.edit->text());
        if (!value || *value < field.lowest || *value > field.highest) {
            Refuse(*field.edit,
                   tr("%1 : un nombre entier de %2 à %3.").arg(field.label).arg(field.lowest).arg(field.highest));
            return std::nullopt;
        }
        epoch.*field.member = *value;
    }
    if (!EpochDateExists(epoch.m_year, epoch.m_month, epoch.m_day)) {
        Refuse(*m_dayEdit, tr("Le %1/%2/%3 n'existe pas.").arg(epoch.m_day).arg(epoch.m_month).arg(epoch.m_year));
        return std::nullopt;
    }
    const std::optional<double> second = DecimalNumber(m_secondEdit->text());
    if (!second || !(*second >= 0.0 && *second < 60.0)) {
        Refuse(*m_secondEdit, tr("Seconde : un nombre de 0 à moins de 60."));
        return std::nullopt;
    }
    epoch.m_second = static_cast<float>(*second);
    return epoch;
}

// The given Delta T is stored even in automatic mode, so that it is still
// there when the user returns to manual mode.
void CEpochDialog::accept()
{
    std::optional<CObservation> epoch = ReadEpoch();
    if (!epoch) {
        return;
    }
    epoch->m_deltaTAuto = !m_showingGiven;
    const std::optional<double> given = DecimalNumber(m_showingGiven ? m_deltaTEdit->text() : m_givenDeltaT);
    if (m_showingGiven && (!given || std::fabs(*given) > kLargestDeltaTSeconds)) {
        Refuse(*m_deltaTEdit, tr("Delta T : un nombre de secondes de %1 à %2.")
                                  .arg(-kLargestDeltaTSeconds)
                                  .arg(kLargestDeltaTSeconds));
        return;
    }
    epoch->m_deltaT = given ? static_cast<float>(*given) : m_observation.m_deltaT;
    const std::optional<double> offset = DecimalNumber(m_timeZoneEdit->text());
    if (!offset || std::fabs(*offset) > kLargestTimeOffsetHours) {
        Refuse(*m_timeZoneEdit, tr("Décalage horaire : un nombre d'heures de %1 à %2.")
                                    .arg(-kLargestTimeOffsetHours)
                                    .arg(kLargestTimeOffsetHours));
        return;
    }
    m_observation = *epoch;
    m_options.m_timeOffsetHours = *offset;
    QDialog::accept();
}
