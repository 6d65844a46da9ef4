#pragma once

#include "app/CommandTable.h"
#include "app/SavePrompt.h"
#include "app/UserMessages.h"
#include "datafiles/Converters.h"

#include <QHash>
#include <QLocale>
#include <QMainWindow>
#include <QPointer>

#include <memory>
#include <string>

struct AnimationExportSettings;
class CBesselianWindow;
class CCurrentEclipse;
class CEphemerisWindow;
class CGeoPosition;
class CHelpWindow;
class CLocalCircumstancesPanel;
class CMapPointPicker;
class CRecentFileList;
class CTimeBar;
class CViewNavigation;
struct EclipseSummary;
class Ephemeris;
class CUmbrantDoc;
class CUmbrantView;
class QLabel;
class QMenu;
class QPrinter;
class QToolBar;

// The main window: menus, tool bar and status bar around the view, and the
// handlers of the commands that are not the view's own. A command without a
// handler is shown greyed.
class CMainFrame : public QMainWindow {
    Q_OBJECT

public:
    CMainFrame(CUmbrantDoc& document, CRecentFileList& recentFiles, QWidget* parent = nullptr);
    ~CMainFrame() override;

    CUmbrantView& View() const { return *m_view; }
    // The eclipse the map, the time bar and the panels show.
    CCurrentEclipse& CurrentEclipse() const { return *m_currentEclipse; }
    // The ephemeris of the data directory with the model chosen in the
    // settings and the document's Delta T. Raises CFileException.
    Ephemeris DesktopEphemeris() const;
    QAction* Action(CommandId id) const { return m_actions.value(id); }
    // The time bar under the tool bar.
    CTimeBar& TimeBar() const { return *m_timeBar; }
    // The recent-file entries of the "Fichier" menu, newest first.
    const QList<QAction*>& RecentFileActions() const { return m_recentFileActions; }

    void SetMessagePresenter(MessagePresenter presenter);
    // The directory the Transform commands convert in: by default the data
    // directory, or the user's own beside a read-only installation, as for
    // the command-line tool.
    void SetDataDirectory(const std::string& dataDirectory);

    // Opens a document; a failure is reported and leaves the document as it was.
    bool OpenDocumentFile(const QString& path);
    bool SaveDocumentAs(const QString& path);
    // The map shown, width pixels wide and as tall as the window's
    // proportions make it, as PNG, SVG or PDF by the name's extension (PNG
    // for any other). Failures are reported; false then.
    bool ExportMap(const QString& path, int width);
    // The current eclipse's path, limits and curves as "umbrant-cli path"
    // writes them: KML for a .kml name, GeoJSON otherwise.
    bool ExportPath(const QString& path);
    // The observer's circumstances of the current eclipse: JSON for a .json
    // name (as "umbrant-cli local" writes it), CSV otherwise.
    bool ExportCircumstances(const QString& path);
    // The shadow in motion as a video or an animated GIF (the format of the
    // name's extension, or the settings' when it has none known): the
    // document's map about its centre, the whole globe at the settings'
    // size, with the layers shown and the current eclipse's path, drawn
    // and encoded off the interface thread behind a progress bar with
    // "Annuler". Failures are reported; false then, and when cancelled.
    bool ExportAnimation(const QString& path, const AnimationExportSettings& settings);
    // Asks for the "Trace !" command after the events already queued.
    void PostCommand(CommandId id);

    // The map's tools: navigation, places picked on the map, the local
    // circumstances, the help window (none until first asked for).
    void SetSavePrompter(SavePrompter prompter) { m_savePrompter = std::move(prompter); }
    CViewNavigation& Navigation() const { return *m_navigation; }
    CMapPointPicker& Picker() const { return *m_picker; }
    CLocalCircumstancesPanel& LocalPanel() const { return *m_localPanel; }
    CHelpWindow* HelpWindow() const { return m_helpWindow; }

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    using Handler = void (CMainFrame::*)();

    void CreateActions();
    QAction* MakeAction(CommandId id, Handler handler);
    QMenu* AddMenu(const QString& title);
    void CreateMenus();
    void CreateLanguageMenu(QMenu& parameters);
    void ChooseLanguage(QLocale::Language language);
    void CreateToolBar();
    void CreateStatusBar();
    void UpdateRecentFileActions();
    void UpdateTitle();

    void OnFileNew();
    void OnFileOpen();
    void OnFileSave();
    void OnFileSaveAs();
    void OnFilePrint();
    void OnFilePrintPreview();
    void OnFilePageSetup();
    void OnAppExit();
    void OnAppAbout();
    void OnVueGlobal();
    void OnVueTrace();
    void OnVueZoomPlus();
    void OnVueZoomMoins();
    void OnVueTranslation();
    void OnParametresEpoque();
    void OnParametresCarte();
    void OnOutilsEphemerides();
    void OnOutilsBessel();
    void OnTransformNutation();
    void OnTransformElp();
    void OnTransformVsop();
    void OnTransformCartoIntermediate();
    void OnTransformFrontieres();
    void OnTransformFleuves();
    void OnViewStatusBar();

    // The eclipse atlas (MainFrameAtlas.cpp): the time bar, the current
    // eclipse followed and drawn, the list of eclipses, the choice of
    // layers and model, and the tables of the current eclipse.
    void CreateAtlas();
    void ConnectCommand(CommandId id, Handler handler);
    void CreateBusyIndicator();
    void AddSearchCommand();
    void OnEpochChanged();
    void OnEclipseChanged();
    void FollowEpoch();
    void ShowChosenEclipse(const EclipseSummary& eclipse, const Ephemeris& ephemeris);
    void OnParametresAffichages();
    void OnOutilsRechercheEclipses();
    // The map's tools (MainFrameTools.cpp).
    void CreateTools();
    void SetToolShortcuts();
    void CreateToolsToolBar();
    void CreateCursorPlacePane();
    void CreateLocalPanel();
    void AddToolMenuEntries();
    void ConnectTools();
    void OnParametresPosition();
    void OnVuePosition();
    void OnOutilsSeparation();
    void OnHelpIndex();
    void OnEditCopy();
    void CancelModes();
    void PlaceObserver(const CGeoPosition& place);
    void ShowSeparation(const CGeoPosition& from, const CGeoPosition& to);
    void TraceReplacedDocument();
    // Before the document is replaced or the program ends: false when the
    // user cancels or the save fails.
    bool SaveModified();
    // "Enregistrer" (a name is asked for first when there is none): false
    // when nothing was saved.
    bool SaveDocument();
    bool SaveDocumentUnderChosenName();

    // The exports (MainFrameExport.cpp).
    void OnFileExportMap();
    void OnFileExportPath();
    void OnFileExportCircumstances();
    void OnFileExportAnimation();  // MainFrameAnimation.cpp
    QString AskExportName(const char* title, const char* filter, const QString& suggested);
    void ReportWritten(const QString& path);

    void RunConversion(ConversionStatus (*converter)(const std::string&));
    void OpenRecentFile(int index);
    void PrintPicture(QPrinter* printer);
    QPrinter& Printer();

    CUmbrantDoc& m_document;
    CRecentFileList& m_recentFiles;
    CUmbrantView* m_view;
    CCurrentEclipse* m_currentEclipse;
    MessagePresenter m_presenter = ShowMessageBox;
    std::string m_dataDirectory;
    QHash<int, QAction*> m_actions;
    QList<QAction*> m_recentFileActions;
    QAction* m_recentFileSeparator = nullptr;
    QToolBar* m_toolBar = nullptr;
    std::unique_ptr<QPrinter> m_printer;
    CTimeBar* m_timeBar = nullptr;
    QWidget* m_busyIndicator = nullptr;
    QPointer<CEphemerisWindow> m_ephemerisWindow;
    QPointer<CBesselianWindow> m_besselianWindow;
    SavePrompter m_savePrompter = AskWhetherToSave;
    CViewNavigation* m_navigation = nullptr;
    CMapPointPicker* m_picker = nullptr;
    CLocalCircumstancesPanel* m_localPanel = nullptr;
    CHelpWindow* m_helpWindow = nullptr;
    QLabel* m_cursorPlace = nullptr;
};
