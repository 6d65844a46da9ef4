// The main window's eclipse atlas: the time bar, the current eclipse that
// follows the epoch and is drawn on the map, the list of eclipses, the
// choice of layers and model, and the windows of ephemerides and elements.

#include "app/AtlasTexts.h"
#include "app/BesselianWindow.h"
#include "app/CurrentEclipse.h"
#include "app/DesktopSettings.h"
#include "app/DisplaysDialog.h"
#include "app/EclipseListDialog.h"
#include "eclipse/plane/GeographicPlace.h"
#include "eclipse/search/EclipseSearch.h"
#include "map/EclipseOverlay.h"
#include "app/EphemerisWindow.h"
#include "app/MainFrame.h"
#include "app/TimeBar.h"
#include "app/UmbrantDoc.h"
#include "app/UmbrantView.h"
#include "ephemeris/Ephemeris.h"
#include "ephemeris/EpochArithmetic.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QStatusBar>
#include <QTimer>

#include <exception>

void CMainFrame::CreateAtlas()
{
    m_view->SetLayers(m_document.m_options.m_layers);
    m_view->SetTimeModel(CDesktopSettings::Model());
    addToolBarBreak();
    m_timeBar = new CTimeBar(m_document, *m_currentEclipse, this);
    addToolBar(Qt::TopToolBarArea, m_timeBar);
    addActions(m_timeBar->TimeActions());
    CreateBusyIndicator();
    AddSearchCommand();
    ConnectCommand(ID_PARAMETRES_AFFICHAGES, &CMainFrame::OnParametresAffichages);

    connect(&m_document, &CUmbrantDoc::EpochChanged, this, &CMainFrame::OnEpochChanged);
    connect(&m_document, &CUmbrantDoc::DocumentReplaced, this, [this] {
        m_view->SetLayers(m_document.m_options.m_layers);
        m_timeBar->Refresh();
        FollowEpoch();
    });
    connect(&m_document, &CUmbrantDoc::LayersChanged, this, [this] {
        m_view->SetLayers(m_document.m_options.m_layers);
        m_view->RequestInstantRedraw();
    });
    connect(m_currentEclipse, &CCurrentEclipse::Changed, this, &CMainFrame::OnEclipseChanged);
    connect(m_currentEclipse, &CCurrentEclipse::CurvesReady, this, &CMainFrame::OnEclipseChanged);
    connect(m_currentEclipse, &CCurrentEclipse::BusyChanged, m_busyIndicator, &QWidget::setVisible);
    connect(m_view, &CUmbrantView::DrawingFailed, m_timeBar, &CTimeBar::Pause);
    // After the first trace, so that a missing data file is reported once, by it.
    QTimer::singleShot(0, this, &CMainFrame::FollowEpoch);
}

// A command of the table that gets its handler here rather than in the table.
void CMainFrame::ConnectCommand(CommandId id, Handler handler)
{
    QAction* action = Action(id);
    action->setEnabled(true);
    connect(action, &QAction::triggered, this, [this, handler] {
        RunCommand(m_presenter, this, [this, handler] { (this->*handler)(); });
    });
}

void CMainFrame::CreateBusyIndicator()
{
    m_busyIndicator = new QWidget;
    m_busyIndicator->setObjectName(QStringLiteral("eclipseBusyIndicator"));
    auto* layout = new QHBoxLayout(m_busyIndicator);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(kEclipseBusyText));
    auto* bar = new QProgressBar;
    bar->setRange(0, 0);
    bar->setMaximumWidth(100);
    bar->setMaximumHeight(14);
    layout->addWidget(bar);
    statusBar()->addWidget(m_busyIndicator);
    m_busyIndicator->setVisible(false);
}

// "Rechercher les éclipses..." heads the "&Outils" menu.
void CMainFrame::AddSearchCommand()
{
    QAction* search = MakeAction(ID_OUTILS_RECHERCHE, &CMainFrame::OnOutilsRechercheEclipses);
    m_actions.insert(ID_OUTILS_RECHERCHE, search);
    for (QAction* title : menuBar()->actions()) {
        if (title->text() == tr("&Outils") && title->menu() != nullptr) {
            QMenu* tools = title->menu();
            QAction* first = tools->actions().value(0);
            tools->insertAction(first, search);
            tools->insertSeparator(first);
        }
    }
}

void CMainFrame::OnEpochChanged()
{
    m_timeBar->Refresh();
    m_view->RequestInstantRedraw();
    FollowEpoch();
    if (m_ephemerisWindow != nullptr && m_ephemerisWindow->isVisible()) {
        RunCommand(m_presenter, this, [this] { m_ephemerisWindow->Refresh(); });
    }
}

void CMainFrame::OnEclipseChanged()
{
    m_timeBar->Refresh();
    const std::shared_ptr<const EclipseOverlay> overlay = m_currentEclipse->Overlay();
    if (overlay != m_view->Eclipse()) {
        m_view->SetEclipse(overlay);
        m_view->RequestInstantRedraw();
    }
    if (m_ephemerisWindow != nullptr && m_ephemerisWindow->isVisible()) {
        RunCommand(m_presenter, this, [this] { m_ephemerisWindow->Refresh(); });
    }
}

// Without the series there is no eclipse to follow; the trace reports the
// missing file.
void CMainFrame::FollowEpoch()
{
    try {
        m_currentEclipse->Follow(m_document.m_map.m_observation, DesktopEphemeris());
    } catch (const std::exception&) {
        if (m_currentEclipse->Summary() != nullptr) {
            m_currentEclipse->Clear();
        }
    }
}

// The epoch at greatest eclipse (UT, by the Delta T the list was searched
// with) and the map centred on its place.
void CMainFrame::ShowChosenEclipse(const EclipseSummary& eclipse, const Ephemeris& ephemeris)
{
    CObservation& epoch = m_document.m_map.m_observation;
    const Instant universal = eclipse.greatest.PlusSeconds(-eclipse.deltaT);
    SetEpochToUniversal(epoch, {universal.WholeDays(), universal.DayFraction()});
    epoch.m_centre.m_longitude = eclipse.longitude;
    epoch.m_centre.m_latitude = eclipse.latitude;
    m_currentEclipse->Choose(eclipse, ephemeris);
    m_document.NotifyEpochChanged();
}

void CMainFrame::OnOutilsRechercheEclipses()
{
    const Ephemeris ephemeris = DesktopEphemeris();
    const CObservation& epoch = m_document.m_map.m_observation;
    CEclipseListDialog dialog(ephemeris, {epoch.m_longitude, epoch.m_latitude, m_document.m_options.m_observerHeight}, this);
    if (dialog.exec() == QDialog::Accepted && dialog.Chosen()) {
        ShowChosenEclipse(*dialog.Chosen(), ephemeris);
    }
}

void CMainFrame::OnParametresAffichages()
{
    CDisplaysDialog dialog(m_document.m_options.m_layers, this);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    m_document.SetLayers(dialog.Layers());
    m_view->SetTimeModel(CDesktopSettings::Model());
    FollowEpoch();
    m_view->RequestInstantRedraw();
}

void CMainFrame::OnOutilsEphemerides()
{
    if (m_ephemerisWindow == nullptr) {
        m_ephemerisWindow = new CEphemerisWindow(m_document, *m_currentEclipse, [this] { return DesktopEphemeris(); }, this);
    } else {
        m_ephemerisWindow->Refresh();
    }
    m_ephemerisWindow->show();
    m_ephemerisWindow->raise();
    m_ephemerisWindow->activateWindow();
}

void CMainFrame::OnOutilsBessel()
{
    if (m_besselianWindow == nullptr) {
        m_besselianWindow = new CBesselianWindow(*m_currentEclipse, this);
    }
    m_besselianWindow->show();
    m_besselianWindow->raise();
    m_besselianWindow->activateWindow();
}
