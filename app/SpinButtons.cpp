#include "app/SpinButtons.h"

#include "datafiles/TextFields.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

CSpinButtons::CSpinButtons(QLineEdit& buddy, int minimum, int maximum, QWidget* parent)
    : QWidget(parent), m_buddy(buddy), m_minimum(minimum), m_maximum(maximum)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(MakeArrow(Qt::UpArrow, 1));
    layout->addWidget(MakeArrow(Qt::DownArrow, -1));
    m_buddy.installEventFilter(this);
}

QToolButton* CSpinButtons::MakeArrow(Qt::ArrowType direction, int steps)
{
    auto* arrow = new QToolButton(this);
    arrow->setArrowType(direction);
    arrow->setAutoRepeat(true);
    arrow->setFocusPolicy(Qt::NoFocus);
    arrow->setFixedSize(16, 11);
    connect(arrow, &QToolButton::clicked, this, [this, steps] { StepBy(steps); });
    return arrow;
}

void CSpinButtons::StepBy(int steps)
{
    const std::int64_t written = ParseInteger(m_buddy.text().toStdString());
    const std::int64_t current = std::clamp<std::int64_t>(written, m_minimum, m_maximum);
    const std::int64_t next = std::clamp<std::int64_t>(current + steps, m_minimum, m_maximum);
    m_buddy.setText(QString::number(next));
}

bool CSpinButtons::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &m_buddy && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            StepBy(key == Qt::Key_Up ? 1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
