// The main frame's towns: the gazetteer read off the interface thread, the
// observer's time zone for the local times, the "Villes" panel of the
// current eclipse, and the search of a town in the tool bar.

#include "app/MainFrame.h"

#include "app/CurrentEclipse.h"
#include "app/DesktopGazetteer.h"
#include "app/LocalCircumstancesPanel.h"
#include "app/ObserverZone.h"
#include "app/PlaceTexts.h"
#include "app/TimeBar.h"
#include "app/TownsPanel.h"
#include "app/UmbrantDoc.h"
#include "app/UmbrantView.h"
#include "formats/LocalOutput.h"

#include <QCompleter>
#include <QLineEdit>
#include <QMenu>
#include <QStatusBar>
#include <QStringListModel>
#include <QToolBar>

namespace {

constexpr int kSearchFieldWidth = 220;
// The closest spellings a status message offers.
constexpr std::size_t kSpellingsShown = 3;

QString ShortTitle(const Place& place)
{
    QString title = QString::fromStdString(place.name);
    for (const std::string* part : {&place.state, &place.countryCode}) {
        if (!part->empty()) {
            title += QStringLiteral(", ") + QString::fromStdString(*part);
        }
    }
    return title;
}

QString Listed(const std::vector<Place>& places)
{
    QStringList titles;
    for (std::size_t i = 0; i < places.size() && i < kSpellingsShown; ++i) {
        titles << ShortTitle(places[i]);
    }
    return titles.join(QStringLiteral(" ; "));
}

} // namespace

void CMainFrame::CreatePlaces()
{
    m_gazetteer = new CDesktopGazetteer(this);
    m_observerZone = new CObserverZone(m_document, *m_gazetteer, this);
    m_localPanel->SetObserverZone(m_observerZone);
    m_timeBar->SetObserverZone(m_observerZone);
    connect(m_gazetteer, &CDesktopGazetteer::Ready, this, [this] { m_currentEclipse->SetGazetteer(m_gazetteer->Towns()); });
    connect(m_currentEclipse, &CCurrentEclipse::TownsReady, this, &CMainFrame::OnEclipseChanged);
    CreateTownsPanel();
    CreateTownSearch();
    ReadTowns();
}

void CMainFrame::ReadTowns()
{
    if (m_gazetteer != nullptr) {
        m_gazetteer->Load(m_view->DataDirectory());
    }
}

void CMainFrame::CreateTownsPanel()
{
    m_townsPanel = new CTownsPanel(*m_currentEclipse, this);
    addDockWidget(Qt::RightDockWidgetArea, m_townsPanel);
    tabifyDockWidget(m_localPanel, m_townsPanel);
    m_localPanel->raise();
    connect(m_townsPanel, &CTownsPanel::TownChosen, this, &CMainFrame::PlaceObserverInTown);
    // Beside the local panel's entry in the "Affichage" menu.
    for (QObject* holder : m_localPanel->toggleViewAction()->associatedObjects()) {
        if (auto* menu = qobject_cast<QMenu*>(holder)) {
            menu->addAction(m_townsPanel->toggleViewAction());
        }
    }
}

// A field in the map's tool bar, completing the names of the towns as one
// types, most populous first.
void CMainFrame::CreateTownSearch()
{
    auto* tools = findChild<QToolBar*>(QStringLiteral("toolsToolBar"));
    auto* field = new QLineEdit;
    field->setObjectName(QStringLiteral("townSearchField"));
    field->setPlaceholderText(kTownSearchPlaceholder);
    field->setToolTip(kTownSearchPrompt);
    field->setStatusTip(kTownSearchPrompt);
    field->setClearButtonEnabled(true);
    field->setMaximumWidth(kSearchFieldWidth);
    auto* completer = new QCompleter(new QStringListModel(field), field);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setModelSorting(QCompleter::UnsortedModel);
    completer->setMaxVisibleItems(12);
    field->setCompleter(completer);
    if (tools != nullptr) {
        tools->addSeparator();
        tools->addWidget(field);
    }
    connect(m_gazetteer, &CDesktopGazetteer::Ready, completer, [this, completer] {
        static_cast<QStringListModel*>(completer->model())->setStringList(m_gazetteer->CompletionEntries());
    });
    connect(completer, qOverload<const QString&>(&QCompleter::activated), this, &CMainFrame::SearchTown);
    connect(field, &QLineEdit::returnPressed, this, [this, field] {
        if (!field->text().trimmed().isEmpty()) {
            SearchTown(field->text());
        }
    });
}

void CMainFrame::SearchTown(const QString& text)
{
    const PlaceChoice choice = m_gazetteer->Choose(text);
    if (!choice.chosen) {
        statusBar()->showMessage(choice.closest.empty() ? kUnknownTownMessage.arg(text)
                                                        : kUnknownTownClosest.arg(text, Listed(choice.closest)));
        return;
    }
    PlaceObserverInTown(*choice.chosen);
    const QString title = QString::fromStdString(PlaceTitle(*choice.chosen));
    statusBar()->showMessage(choice.others.empty() ? kTownChosenMessage.arg(title)
                                                   : kTownNamesakesMessage.arg(title, Listed(choice.others)));
}

void CMainFrame::PlaceObserverInTown(const Place& town)
{
    CObservation& observation = m_document.m_map.m_observation;
    observation.m_longitude = town.longitude;
    observation.m_latitude = town.latitude;
    observation.m_centre.m_longitude = town.longitude;
    observation.m_centre.m_latitude = town.latitude;
    m_document.NotifyObserverChanged();
    statusBar()->showMessage(kTownChosenMessage.arg(QString::fromStdString(PlaceTitle(town))));
}

// The exports give local times as the panel shows them: in the observer's
// zone when there is one.
ObserverContext CMainFrame::ObserverContextForExport() const
{
    ObserverContext context;
    if (const std::shared_ptr<const TimeZone> zone = m_observerZone->Zone()) {
        context.zone = zone.get();
    }
    return context;
}
