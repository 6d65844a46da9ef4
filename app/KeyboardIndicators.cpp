#include "app/KeyboardIndicators.h"

#include "app/X11KeyboardIndicators.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QStatusBar>

namespace {

// X11 modifier masks: the lock bit and the usual number-lock modifier.
constexpr quint32 kX11CapitalsLockMask = 0x02;
constexpr quint32 kX11NumberLockMask = 0x10;

bool OnX11()
{
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

} // namespace

IndicatorQuery PlatformIndicatorQuery()
{
    return OnX11() ? X11IndicatorQuery() : IndicatorQuery();
}

CKeyboardIndicators::CKeyboardIndicators(QStatusBar& statusBar, IndicatorQuery query)
    : QObject(&statusBar),
      m_query(std::move(query)),
      m_capitals(AddIndicator(statusBar, tr("MAJ"), "MAJ")),
      m_numbers(AddIndicator(statusBar, tr("NUM"), "NUM")),
      m_scroll(AddIndicator(statusBar, tr("DEF"), "DEF"))
{
    ShowQueriedStates();
    if (m_query || OnX11()) {
        QGuiApplication::instance()->installEventFilter(this);
    }
}

QLabel* CKeyboardIndicators::AddIndicator(QStatusBar& statusBar, const QString& text, const char* name)
{
    auto* label = new QLabel(text);
    label->setObjectName(QLatin1String(name) + QStringLiteral("Indicator"));
    label->setAlignment(Qt::AlignCenter);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(text) + 12);
    label->setEnabled(false);
    statusBar.addPermanentWidget(label);
    return label;
}

bool CKeyboardIndicators::ShowQueriedStates()
{
    const std::optional<LockStates> states = m_query ? m_query() : std::nullopt;
    if (states) {
        ShowStates(*states);
    }
    return states.has_value();
}

void CKeyboardIndicators::ShowStates(const LockStates& states)
{
    m_capitals->setEnabled(states.capitals);
    m_numbers->setEnabled(states.numbers);
    m_scroll->setEnabled(states.scroll);
}

// The native modifiers of a key event tell the state before the key: they
// stand in only when no query answers.
// A key event passes the filter once for each widget it is offered to; the
// keyboard answers in one round trip, quickly enough for typing.
bool CKeyboardIndicators::eventFilter(QObject* watched, QEvent* event)
{
    if ((event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) && !ShowQueriedStates() && OnX11()) {
        const quint32 modifiers = static_cast<QKeyEvent*>(event)->nativeModifiers();
        m_capitals->setEnabled((modifiers & kX11CapitalsLockMask) != 0);
        m_numbers->setEnabled((modifiers & kX11NumberLockMask) != 0);
    }
    return QObject::eventFilter(watched, event);
}
