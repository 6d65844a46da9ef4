#include "app/KeyboardIndicators.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QStatusBar>

namespace {

// X11 modifier masks: the lock bit and the usual number-lock modifier.
constexpr quint32 kX11CapitalsLockMask = 0x02;
constexpr quint32 kX11NumberLockMask = 0x10;

} // namespace

CKeyboardIndicators::CKeyboardIndicators(QStatusBar& statusBar)
    : QObject(&statusBar),
      m_capitals(AddIndicator(statusBar, QStringLiteral("MAJ"))),
      m_numbers(AddIndicator(statusBar, QStringLiteral("NUM"))),
      m_scroll(AddIndicator(statusBar, QStringLiteral("DEF")))
{
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        QGuiApplication::instance()->installEventFilter(this);
    }
}

QLabel* CKeyboardIndicators::AddIndicator(QStatusBar& statusBar, const QString& text)
{
    auto* label = new QLabel(text);
    label->setObjectName(text + QStringLiteral("Indicator"));
    label->setAlignment(Qt::AlignCenter);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(text) + 12);
    label->setEnabled(false);
    statusBar.addPermanentWidget(label);
    return label;
}

bool CKeyboardIndicators::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
        const quint32 modifiers = static_cast<QKeyEvent*>(event)->nativeModifiers();
        m_capitals->setEnabled((modifiers & kX11CapitalsLockMask) != 0);
        m_numbers->setEnabled((modifiers & kX11NumberLockMask) != 0);
    }
    return QObject::eventFilter(watched, event);
}
