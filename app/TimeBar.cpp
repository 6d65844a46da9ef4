#include "app/TimeBar.h"

#include "app/CurrentEclipse.h"
#include "app/ObserverZone.h"
#include "app/AtlasTexts.h"
#include "app/TimeFormatting.h"
#include "app/UmbrantDoc.h"
#include "core/Units.h"
#include "ephemeris/EpochArithmetic.h"
#include "map/EclipseOverlay.h"

#include <QComboBox>
#include <QLabel>
#include <QSlider>
#include <QStyle>
#include <QTimer>
#include <QToolButton>

#include <cmath>

namespace {

constexpr int kSliderStepSeconds = 60;
constexpr int kSliderPageSeconds = 600;


// The Universal Time of an instant of TT, Delta T earlier.
UniversalDate UniversalOfInstant(const Instant& instant, double deltaT)
{
    const Instant universal = instant.PlusSeconds(-deltaT);
    return {universal.WholeDays(), universal.DayFraction()};
}

double SecondsBetween(const UniversalDate& later, const UniversalDate& earlier)
{
    return ((later.part1 - earlier.part1) + (later.part2 - earlier.part2)) * kSecondsPerDay;
}

UniversalDate Plus(const UniversalDate& date, double seconds)
{
    return {date.part1, date.part2 + seconds / kSecondsPerDay};
}

} // namespace

CTimeBar::CTimeBar(CUmbrantDoc& document, CCurrentEclipse& eclipse, QWidget* parent)
    : QToolBar(kTimeBarTitle, parent), m_document(document), m_eclipse(eclipse), m_timer(new QTimer(this))
{
    setObjectName(QStringLiteral("timeBar"));
    m_universalLabel = new QLabel;
    m_universalLabel->setObjectName(QStringLiteral("universalTimeLabel"));
    m_localLabel = new QLabel;
    m_localLabel->setObjectName(QStringLiteral("localTimeLabel"));
    addWidget(m_universalLabel);
    addSeparator();
    addWidget(m_localLabel);
    addSeparator();
    AddStep(-10, "stepBackTen", kStepTexts[0], kStepPrompts[0], QKeySequence(Qt::Key_PageUp));
    AddStep(-1, "stepBackOne", kStepTexts[1], kStepPrompts[1], QKeySequence(Qt::CTRL | Qt::Key_Left));
    AddSlider();
    AddStep(1, "stepForwardOne", kStepTexts[2], kStepPrompts[2], QKeySequence(Qt::CTRL | Qt::Key_Right));
    AddStep(10, "stepForwardTen", kStepTexts[3], kStepPrompts[3], QKeySequence(Qt::Key_PageDown));
    addSeparator();
    AddPlayer();
    m_timer->setTimerType(Qt::PreciseTimer);
    m_timer->setInterval(1000 / kFramesPerSecond);
    connect(m_timer, &QTimer::timeout, this, &CTimeBar::OnFrame);
    Refresh();
}

QList<QAction*> CTimeBar::TimeActions() const
{
    return m_timeActions;
}

const QList<int>& CTimeBar::Speeds()
{
    static const QList<int> speeds = {10, 30, 60, 120, 300, 600, 1800};
    return speeds;
}

QAction* CTimeBar::AddStep(int minutes, const char* name, const QString& text, const QString& prompt, const QKeySequence& key)
{
    auto* action = new QAction(text, this);
    action->setObjectName(QString::fromLatin1(name));
    action->setStatusTip(prompt);
    action->setToolTip(QStringLiteral("%1 (%2)").arg(prompt, key.toString(QKeySequence::NativeText)));
    action->setShortcut(key);
    connect(action, &QAction::triggered, this, [this, minutes] { Step(minutes); });
    addAction(action);
    m_timeActions.append(action);
    return action;
}

void CTimeBar::AddSlider()
{
    m_slider = new QSlider(Qt::Horizontal);
    m_slider->setObjectName(QStringLiteral("eclipseSlider"));
    m_slider->setMinimumWidth(240);
    m_slider->setSingleStep(kSliderStepSeconds);
    m_slider->setPageStep(kSliderPageSeconds);
    m_slider->setToolTip(kSliderPrompt);
    m_slider->setStatusTip(kSliderPrompt);
    m_slider->setFocusPolicy(Qt::NoFocus); // the keys step the epoch, whatever has the focus
    connect(m_slider, &QSlider::valueChanged, this, &CTimeBar::OnSliderMoved);
    addWidget(m_slider);
}

void CTimeBar::AddPlayer()
{
    m_playAction = new QAction(style()->standardIcon(QStyle::SP_MediaPlay), kPlayText, this);
    m_playAction->setObjectName(QStringLiteral("playAction"));
    m_playAction->setStatusTip(kPlayPrompt);
    m_playAction->setToolTip(kPlayText);
    connect(m_playAction, &QAction::triggered, this, &CTimeBar::TogglePlaying);
    addAction(m_playAction);
    m_timeActions.append(m_playAction);

    m_speedBox = new QComboBox;
    m_speedBox->setObjectName(QStringLiteral("speedBox"));
    for (const int speed : Speeds()) {
        const int minutes = speed / static_cast<int>(kSecondsPerMinute);
        m_speedBox->addItem(minutes >= 1 ? kSpeedText.arg(minutes) : kSlowSpeedText.arg(speed), speed);
    }
    m_speedBox->setCurrentIndex(static_cast<int>(Speeds().indexOf(600)));
    m_speedBox->setToolTip(kSpeedPrompt);
    m_speedBox->setStatusTip(kSpeedPrompt);
    m_speedBox->setFocusPolicy(Qt::NoFocus);
    addWidget(m_speedBox);
}

void CTimeBar::Step(int minutes)
{
    AddMinutesToEpoch(m_document.m_map.m_observation, minutes);
    m_document.NotifyEpochChanged();
}

void CTimeBar::AdvanceSeconds(double seconds)
{
    CObservation& epoch = m_document.m_map.m_observation;
    SetEpochToUniversal(epoch, Plus(UniversalOfEpoch(epoch), seconds));
    m_document.NotifyEpochChanged();
}

void CTimeBar::Play()
{
    double p1 = 0.0;
    double p4 = 0.0;
    // From P1 when the epoch lies outside the eclipse.
    if (ContactsFromEpoch(p1, p4) && (p1 > 0.0 || p4 <= 0.0)) {
        AdvanceSeconds(p1);
    }
    m_timer->start();
    m_playAction->setIcon(style()->standardIcon(QStyle::SP_MediaPause));
    m_playAction->setText(kPauseText);
    m_playAction->setToolTip(kPauseText);
}

void CTimeBar::Pause()
{
    m_timer->stop();
    m_playAction->setIcon(style()->standardIcon(QStyle::SP_MediaPlay));
    m_playAction->setText(kPlayText);
    m_playAction->setToolTip(kPlayText);
}

bool CTimeBar::IsPlaying() const
{
    return m_timer->isActive();
}

void CTimeBar::SetSpeed(int secondsPerSecond)
{
    const int index = m_speedBox->findData(secondsPerSecond);
    if (index >= 0) {
        m_speedBox->setCurrentIndex(index);
    }
}

int CTimeBar::Speed() const
{
    return m_speedBox->currentData().toInt();
}

void CTimeBar::TogglePlaying()
{
    if (IsPlaying()) {
        Pause();
    } else {
        Play();
    }
}

// Each picture moves the epoch by the same amount, so that a slow
// picture slows the animation rather than skipping instants.
void CTimeBar::OnFrame()
{
    const double advance = static_cast<double>(Speed()) / kFramesPerSecond;
    double p1 = 0.0;
    double p4 = 0.0;
    if (ContactsFromEpoch(p1, p4) && p4 <= advance) {
        AdvanceSeconds(std::max(p4, 0.0));
        Pause();
        return;
    }
    AdvanceSeconds(advance);
}

bool CTimeBar::ContactsFromEpoch(double& p1, double& p4) const
{
    const std::shared_ptr<const EclipseOverlay> overlay = m_eclipse.Overlay();
    if (!overlay || !overlay->path.circumstances.p1 || !overlay->path.circumstances.p4) {
        return false;
    }
    const double deltaT = overlay->path.deltaT;
    const UniversalDate epoch = UniversalOfEpoch(m_document.m_map.m_observation);
    p1 = SecondsBetween(UniversalOfInstant(overlay->path.circumstances.p1->time, deltaT), epoch);
    p4 = SecondsBetween(UniversalOfInstant(overlay->path.circumstances.p4->time, deltaT), epoch);
    return true;
}

void CTimeBar::OnSliderMoved(int value)
{
    if (m_updating) {
        return;
    }
    double p1 = 0.0;
    double p4 = 0.0;
    if (ContactsFromEpoch(p1, p4)) {
        AdvanceSeconds(p1 + value);
    }
}

void CTimeBar::Refresh()
{
    UpdateLabels();
    UpdateSlider();
}

void CTimeBar::SetObserverZone(const CObserverZone* zone)
{
    m_zone = zone;
    if (m_zone != nullptr) {
        connect(m_zone, &CObserverZone::Changed, this, &CTimeBar::UpdateLabels);
    }
    UpdateLabels();
}

void CTimeBar::UpdateLabels()
{
    const UniversalDate universal = UniversalOfEpoch(m_document.m_map.m_observation);
    m_universalLabel->setText(kUniversalTimeLabel.arg(FormatDateTime(universal)));
    if (m_zone != nullptr && m_zone->Zone()) {
        const double posixSeconds = (universal.part1 - kJulianDatePosixEpoch + universal.part2) * kSecondsPerDay;
        const ZoneOffset offset = m_zone->Zone()->OffsetAt(static_cast<std::int64_t>(std::floor(posixSeconds)));
        const double hours = offset.seconds / kSecondsPerHour;
        m_localLabel->setText(kLocalTimeLabel.arg(FormatDateTime(Plus(universal, offset.seconds)),
                                                  QString::fromStdString(offset.abbreviation) + QStringLiteral(", ") +
                                                      FormatTimeOffset(hours)));
        return;
    }
    const double offset = m_document.m_options.m_timeOffsetHours;
    m_localLabel->setText(
        kLocalTimeLabel.arg(FormatDateTime(Plus(universal, offset * kSecondsPerHour)), FormatTimeOffset(offset)));
}

void CTimeBar::UpdateSlider()
{
    m_updating = true;
    double p1 = 0.0;
    double p4 = 0.0;
    const bool contacts = ContactsFromEpoch(p1, p4);
    m_slider->setEnabled(contacts);
    if (contacts) {
        m_slider->setRange(0, static_cast<int>(std::lround(p4 - p1)));
        m_slider->setValue(static_cast<int>(std::lround(-p1)));
    } else {
        m_slider->setRange(0, 0);
    }
    m_updating = false;
}
