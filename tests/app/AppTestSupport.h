#pragma once

// Helpers shared by the interface tests: recorded message boxes, a trace that
// needs no data files, and a settings file of the test's own.

#include "QtTestRegistry.h"
#include "app/UserMessages.h"
#include "model/EclipseMap.h"
#include "datafiles/FileException.h"
#include "map/DrawingSurface.h"

#include <QAbstractButton>
#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <QWidget>

#include <functional>
#include <memory>
#include <string>
#include <vector>

struct RecordedMessage {
    QMessageBox::Icon icon;
    QString caption;
    QString text;
};

// Collects the message boxes instead of showing them.
class CMessageRecorder {
public:
    MessagePresenter Presenter()
    {
        return [this](QWidget*, QMessageBox::Icon icon, const QString& caption, const QString& text) {
            m_messages.push_back({icon, caption, text});
        };
    }
    const std::vector<RecordedMessage>& Messages() const { return m_messages; }

private:
    std::vector<RecordedMessage> m_messages;
};

inline constexpr RgbColour kTestSky{0, 0, 0};
inline constexpr RgbColour kTestGlobe{140, 198, 255};

// Stands for the map trace: black sky and the globe's bounding square, so
// that the picture follows the viewport without any data file.
class CFakeTrace {
public:
    void operator()(IDrawingSurface& surface, const CEclipseMap& map, const std::string&)
    {
        ++m_calls;
        if (m_failure) {
            throw CFileException("/nowhere/data/gshhs_i.dat", "cannot open");
        }
        surface.FillRectangle(0, 0, surface.ClientWidth(), surface.ClientHeight(), kTestSky);
        const CViewport& viewport = map.m_viewport;
        surface.FillRectangle(static_cast<int>(viewport.m_originX - viewport.m_scale),
                              static_cast<int>(viewport.m_originY - viewport.m_scale),
                              static_cast<int>(viewport.m_originX + viewport.m_scale),
                              static_cast<int>(viewport.m_originY + viewport.m_scale), kTestGlobe);
    }

    int m_calls = 0;
    bool m_failure = false;
};

// Points QSettings at an initialisation file in a fresh temporary directory.
class CTemporarySettings {
public:
    CTemporarySettings()
    {
        QSettings::setDefaultFormat(QSettings::IniFormat);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_directory.path());
        QCoreApplication::setOrganizationName(QStringLiteral("UmbrantTests"));
        QCoreApplication::setApplicationName(QStringLiteral("UmbrantTests"));
    }
    QString Path() const { return m_directory.path(); }

private:
    QTemporaryDir m_directory;
};

// Clicks a tick box or radio button on its indicator, at its left end, where
// a click lands whatever the width the layout gave the button.
inline void ClickIndicator(QAbstractButton& button)
{
    QTest::mouseClick(&button, Qt::LeftButton, Qt::NoModifier, QPoint(8, button.height() / 2));
}

// Runs action on the modal dialog of type T once it is shown (the caller then
// opens it and blocks until the action closes it).
template <typename T>
void WhenDialogShown(std::function<void(T&)> action)
{
    auto* timer = new QTimer(QCoreApplication::instance());
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, action] {
        if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            action(*dialog);
            // A failed check returns early from the action: close the
            // dialog, or the test would wait in its event loop forever.
            if (dialog->isVisible()) {
                dialog->reject();
            }
        }
    });
    timer->start();
}
