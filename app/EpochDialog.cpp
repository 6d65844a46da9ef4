#include "app/EpochDialog.h"

#include "app/DesktopSettings.h"
#include "app/DialogFields.h"
#include "app/DigitsEdit.h"
#include "app/SpinButtons.h"
#include "model/Observation.h"

#include <QCheckBox>
#include <QDateTime>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>

namespace {

constexpr int kSecondDecimals = 2;
constexpr int kDeltaTDecimals = 2;
constexpr int kOffsetDecimals = 2;

QPushButton* AddButton(QBoxLayout& layout, const QString& text, const char* name)
{
    auto* button = new QPushButton(text);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false); // Enter confirms with "Ok", whichever button was last used
    layout.addWidget(button);
    return button;
}

} // namespace

CEpochDialog::CEpochDialog(CObservation& observation, QWidget* parent)
    : QDialog(parent), m_observation(observation)
{
    setWindowTitle(tr("Choix du temps"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    auto* layout = new QGridLayout(this);
    layout->addWidget(MakeTimeGroup(), 0, 0);
    layout->addWidget(MakeNowButtons(), 0, 1, Qt::AlignTop);
    layout->addWidget(MakeOffsetGroup(), 1, 0);
    layout->addWidget(MakeClosingButtons(), 1, 1, Qt::AlignBottom);
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
    AddSpinField(*grid, 2, 0, tr("Année"), m_yearEdit, "yearEdit", -24999, 24999);
    AddSpinField(*grid, 0, 3, tr("Heure"), m_hourEdit, "hourEdit", 0, 23);
    AddSpinField(*grid, 1, 3, tr("Minute"), m_minuteEdit, "minuteEdit", 0, 59);
    m_secondEdit = new CDigitsEdit;
    m_secondEdit->setObjectName(QStringLiteral("secondEdit"));
    grid->addWidget(new QLabel(tr("Seconde")), 2, 3);
    grid->addWidget(m_secondEdit, 2, 4);
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
    // Local time is UT plus this many hours; the time bar shows both.
    m_timeZoneEdit = new QLineEdit;
    m_timeZoneEdit->setObjectName(QStringLiteral("timeZoneEdit"));
    grid->addWidget(new QLabel(tr("Décalage horaire")), 2, 0);
    grid->addWidget(m_timeZoneEdit, 2, 1);
    grid->addWidget(new QLabel(tr("heure(s)")), 2, 2);
    connect(m_deltaTAutoBox, &QCheckBox::clicked, this,
            [this](bool automatic) { m_deltaTEdit->setEnabled(!automatic); });
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
    QPushButton* quit = AddButton(*layout, tr("Quitter"), "quitButton");
    QPushButton* ok = AddButton(*layout, tr("Ok"), "okButton");
    ok->setDefault(true);
    connect(quit, &QPushButton::clicked, this, &QDialog::reject);
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
    m_deltaTAutoBox->setChecked(m_observation.m_deltaTAuto);
    m_deltaTEdit->setText(FormatFixed(m_observation.m_deltaT, kDeltaTDecimals));
    m_deltaTEdit->setEnabled(!m_observation.m_deltaTAuto);
    m_timeZoneEdit->setText(FormatFixed(CDesktopSettings::TimeOffsetHours(), kOffsetDecimals));
}

// The given Delta T is stored even in automatic mode, so that it is still
// there when the user returns to manual mode.
void CEpochDialog::accept()
{
    m_observation.m_year = ReadIntegerField(*m_yearEdit);
    m_observation.m_month = ReadIntegerField(*m_monthEdit);
    m_observation.m_day = ReadIntegerField(*m_dayEdit);
    m_observation.m_hour = ReadIntegerField(*m_hourEdit);
    m_observation.m_minute = ReadIntegerField(*m_minuteEdit);
    m_observation.m_second = ReadFloatField(*m_secondEdit);
    m_observation.m_deltaTAuto = m_deltaTAutoBox->isChecked();
    m_observation.m_deltaT = ReadFloatField(*m_deltaTEdit);
    CDesktopSettings::SetTimeOffsetHours(ReadRealField(*m_timeZoneEdit));
    QDialog::accept();
}
