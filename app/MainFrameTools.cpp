// The main frame's map tools: the observer's place, the local circumstances,
// the separation of two points, the help, copying the map, the navigation's
// status pane, the shortcuts, and the save prompt before changes are lost.

#include "app/MainFrame.h"

#include "app/CurrentEclipse.h"
#include "app/DesktopGazetteer.h"
#include "app/GeodesicSeparation.h"
#include "app/HelpWindow.h"
#include "app/LocalCircumstancesPanel.h"
#include "app/MapPointPicker.h"
#include "app/PlaceText.h"
#include "app/PositionDialog.h"
#include "app/ToolIcons.h"
#include "app/ToolTexts.h"
#include "app/UmbrantDoc.h"
#include "app/UmbrantView.h"
#include "app/ViewNavigation.h"
#include "eclipse/search/EclipseSearch.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

namespace {

// Accelerators beyond the framework's standard ones.
struct ToolShortcut {
    CommandId id;
    const char* keys;
};
constexpr ToolShortcut kToolShortcuts[] = {
    {ID_APP_EXIT, "Ctrl+Q"},  {ID_FILE_SAVE_AS, "Ctrl+Shift+S"}, {ID_VUE_TRACE, "F5"},
    {ID_VUE_GLOBAL, "Home"},  {ID_PARAMETRES_EPOQUE, "Ctrl+E"},  {ID_HELP_INDEX, "F1"},
};

constexpr int kToolIconSize = 16;

// The menu that holds an action.
QMenu* MenuOf(const QAction* action)
{
    for (QObject* holder : action->associatedObjects()) {
        if (auto* menu = qobject_cast<QMenu*>(holder)) {
            return menu;
        }
    }
    return nullptr;
}

} // namespace

void CMainFrame::CreateTools()
{
    m_navigation = new CViewNavigation(*m_view, m_document);
    m_picker = new CMapPointPicker(*m_view, m_document);
    ConnectCommand(ID_PARAMETRES_POSITION, &CMainFrame::OnParametresPosition);
    ConnectCommand(ID_OUTILS_SEPARATION, &CMainFrame::OnOutilsSeparation);
    ConnectCommand(ID_HELP_INDEX, &CMainFrame::OnHelpIndex);
    m_actions.insert(ID_VUE_POSITION, MakeAction(ID_VUE_POSITION, &CMainFrame::OnVuePosition));
    m_actions.insert(ID_EDIT_COPY, MakeAction(ID_EDIT_COPY, &CMainFrame::OnEditCopy));
    SetToolShortcuts();
    AddToolMenuEntries();
    CreateToolsToolBar();
    CreateLocalPanel();
    ConnectTools();
}

void CMainFrame::SetToolShortcuts()
{
    for (const ToolShortcut& shortcut : kToolShortcuts) {
        Action(shortcut.id)->setShortcut(QKeySequence(QString::fromLatin1(shortcut.keys)));
    }
    // Escape gives up a pending zoom, translation or pick, wherever the focus is in the window.
    auto* cancel = new QAction(this);
    cancel->setObjectName(QStringLiteral("cancelModeAction"));
    cancel->setShortcut(QKeySequence(Qt::Key_Escape));
    connect(cancel, &QAction::triggered, this, &CMainFrame::CancelModes);
    addAction(cancel);
}

void CMainFrame::AddToolMenuEntries()
{
    if (QMenu* view = MenuOf(Action(ID_VUE_TRACE))) {
        view->insertAction(Action(ID_VUE_TRACE), Action(ID_VUE_POSITION));
        view->addSeparator();
        view->addAction(Action(ID_EDIT_COPY));
    }
}

void CMainFrame::CreateToolsToolBar()
{
    auto* tools = addToolBar(kToolsToolBarTitle);
    tools->setObjectName(QStringLiteral("toolsToolBar"));
    tools->setIconSize(QSize(kToolIconSize, kToolIconSize));
    Action(ID_VUE_POSITION)->setIcon(MakeObserverIcon());
    Action(ID_OUTILS_SEPARATION)->setIcon(MakeSeparationIcon());
    for (const CommandId id : {ID_VUE_POSITION, ID_OUTILS_SEPARATION}) {
        Action(id)->setIconVisibleInMenu(false);
        tools->addAction(Action(id));
    }
}

// Before the lock indicators, at the right end of the status bar.
void CMainFrame::CreateCursorPlacePane()
{
    m_cursorPlace = new QLabel;
    m_cursorPlace->setObjectName(QStringLiteral("cursorPlace"));
    m_cursorPlace->setMinimumWidth(m_cursorPlace->fontMetrics().horizontalAdvance(QStringLiteral("00°00'00\" N, 000°00'00\" O")));
    statusBar()->addPermanentWidget(m_cursorPlace);
}

void CMainFrame::CreateLocalPanel()
{
    m_localPanel = new CLocalCircumstancesPanel(m_document, this);
    addDockWidget(Qt::RightDockWidgetArea, m_localPanel);
    connect(m_currentEclipse, &CCurrentEclipse::Changed, m_localPanel,
            [this] {
                const EclipseSummary* summary = m_currentEclipse->Summary();
                m_localPanel->SetEclipse(m_currentEclipse->Elements(), summary ? summary->deltaTSigma : std::nullopt);
            });
    if (QMenu* display = MenuOf(Action(ID_VIEW_STATUS_BAR))) {
        display->addAction(m_localPanel->toggleViewAction());
    }
}

void CMainFrame::ConnectTools()
{
    connect(&m_document, &CUmbrantDoc::ModifiedChanged, this, &CMainFrame::UpdateTitle);
    connect(&m_document, &CUmbrantDoc::DocumentReplaced, this, &CMainFrame::TraceReplacedDocument);
    connect(&m_document, &CUmbrantDoc::ObserverChanged, m_view, &CUmbrantView::OnViewTrace);
    connect(m_navigation, &CViewNavigation::PlaceUnderCursorChanged, m_cursorPlace, &QLabel::setText);
    connect(m_navigation, &CViewNavigation::Clicked, m_picker, &CMapPointPicker::OnClicked);
    connect(m_picker, &CMapPointPicker::Prompt, this, [this](const QString& text) { statusBar()->showMessage(text); });
    connect(m_picker, &CMapPointPicker::ObserverPicked, this, &CMainFrame::PlaceObserver);
    connect(m_picker, &CMapPointPicker::SeparationPicked, this, &CMainFrame::ShowSeparation);
    // A zoom or translation chosen while a pick is armed replaces it.
    for (const CommandId id : {ID_VUE_ZOOM_PLUS, ID_VUE_ZOOM_MOINS, ID_VUE_TRANSLATION}) {
        connect(Action(id), &QAction::triggered, m_picker, &CMapPointPicker::Cancel);
    }
}

// A new or opened document is drawn at once; before the window is shown
// (a document named on the command line) the first "Global" draws it.
void CMainFrame::TraceReplacedDocument()
{
    if (m_view->isVisible()) {
        m_view->OnViewTrace();
    }
}

void CMainFrame::OnParametresPosition()
{
    CPositionDialog dialog(m_document.m_map.m_observation, m_document.m_options, this);
    dialog.EnableTownSearch(*m_gazetteer);
    const int result = dialog.exec();
    if (result == QDialog::Accepted) {
        m_document.NotifyObserverChanged();
    } else if (result == CPositionDialog::PickOnMap) {
        m_picker->Arm(CMapPointPicker::Tool::Observer);
    }
}

void CMainFrame::OnVuePosition()
{
    m_picker->Arm(CMapPointPicker::Tool::Observer);
}

void CMainFrame::OnOutilsSeparation()
{
    m_picker->Arm(CMapPointPicker::Tool::Separation);
}

void CMainFrame::OnHelpIndex()
{
    if (m_helpWindow == nullptr) {
        m_helpWindow = new CHelpWindow(this);
    }
    m_helpWindow->show();
    m_helpWindow->raise();
    m_helpWindow->activateWindow();
}

void CMainFrame::OnEditCopy()
{
    if (!m_view->Picture().isNull()) {
        QGuiApplication::clipboard()->setImage(m_view->Picture());
    }
}

void CMainFrame::CancelModes()
{
    m_view->CancelMode();
    m_picker->Cancel();
}

void CMainFrame::PlaceObserver(const CGeoPosition& place)
{
    CObservation& observation = m_document.m_map.m_observation;
    observation.m_longitude = place.m_longitude;
    observation.m_latitude = place.m_latitude;
    m_document.NotifyObserverChanged();
    statusBar()->showMessage(kObserverPlacedMessage.arg(PlaceText(place)));
}

void CMainFrame::ShowSeparation(const CGeoPosition& from, const CGeoPosition& to)
{
    const GeodesicSeparation separation = SeparationBetween(from, to);
    const QString distance = QString::number(separation.distanceKilometres, 'f', 1);
    const QString initial = QString::number(separation.initialAzimuth, 'f', 1);
    statusBar()->showMessage(kSeparationStatus.arg(distance, initial));
    m_presenter(this, QMessageBox::Information, kSeparationCaption,
                kSeparationText.arg(PlaceText(from), PlaceText(to), distance, initial,
                                    QString::number(separation.finalAzimuth, 'f', 1)));
}

bool CMainFrame::SaveModified()
{
    if (!m_document.IsModified()) {
        return true;
    }
    switch (m_savePrompter(this, m_document.Title())) {
    case SaveChoice::Save: return SaveDocument();
    case SaveChoice::Discard: return true;
    case SaveChoice::Cancel: break;
    }
    return false;
}

// A dialog over the window ends what the mouse was doing on the map: a
// gesture holding the mouse would take the dialog's clicks for its own.
bool CMainFrame::event(QEvent* event)
{
    if (event->type() == QEvent::WindowBlocked) {
        CancelModes();
        m_navigation->DropGesture();
    }
    return QMainWindow::event(event);
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    if (SaveModified()) {
        event->accept();
    } else {
        event->ignore();
    }
}
