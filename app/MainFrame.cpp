#include "app/MainFrame.h"

#include "app/AboutDialog.h"
#include "app/CurrentEclipse.h"
#include "app/DesktopSettings.h"
#include "app/EpochDialog.h"
#include "app/KeyboardIndicators.h"
#include "app/MapCentreDialog.h"
#include "app/PromptingMenu.h"
#include "app/RecentFileList.h"
#include "app/ToolBarIcons.h"
#include "app/ToolTexts.h"
#include "app/UmbrantDoc.h"
#include "app/UmbrantView.h"
#include "datafiles/ProgramDirectory.h"
#include "ephemeris/Ephemeris.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QSettings>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>

namespace {

constexpr int kToolBarIconSize = 16;
constexpr CUiText kWindowCredit{QT_TRANSLATE_NOOP("UiText", "Umbrant - Cartes des éclipses de Soleil")};
const QString kPreviewPagesKey = QStringLiteral("Settings/PreviewPages");

// The first ".umb" file among the dropped ones.
QString DroppedDocument(const QMimeData* data)
{
    if (data == nullptr) {
        return {};
    }
    for (const QUrl& url : data->urls()) {
        const QString path = url.toLocalFile();
        if (!path.isEmpty() && path.endsWith(kDocumentExtension, Qt::CaseInsensitive)) {
            return path;
        }
    }
    return {};
}

// The wait cursor for the length of a long command, also when it fails.
class CWaitCursor {
public:
    CWaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~CWaitCursor() { QApplication::restoreOverrideCursor(); }
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;
};

} // namespace

CMainFrame::CMainFrame(CUmbrantDoc& document, CRecentFileList& recentFiles, QWidget* parent)
    : QMainWindow(parent),
      m_document(document),
      m_recentFiles(recentFiles),
      m_view(new CUmbrantView(document, this)),
      m_currentEclipse(new CCurrentEclipse(this)),
      m_dataDirectory(GetConversionDirectory())
{
    setWindowIcon(MakeProgramIcon());
    setCentralWidget(m_view);
    setAcceptDrops(true);
    CreateActions();
    CreateMenus();
    CreateToolBar();
    CreateStatusBar();
    CreateAtlas();
    UpdateRecentFileActions();
    UpdateTitle();
    connect(&m_document, &CUmbrantDoc::DocumentReplaced, m_view, &CUmbrantView::ClearPicture);
    connect(&m_document, &CUmbrantDoc::TitleChanged, this, &CMainFrame::UpdateTitle);
    CreateTools();
    // Posted, so that the first map is traced at the window's final size.
    PostCommand(ID_VUE_GLOBAL);
}

CMainFrame::~CMainFrame() = default;

Ephemeris CMainFrame::DesktopEphemeris() const
{
    return Ephemeris::Load(m_view->DataDirectory(), CDesktopSettings::Model().ForEpoch(m_document.m_map.m_observation));
}

void CMainFrame::SetMessagePresenter(MessagePresenter presenter)
{
    m_presenter = presenter;
    m_view->SetMessagePresenter(std::move(presenter));
}

void CMainFrame::SetDataDirectory(const std::string& dataDirectory)
{
    m_dataDirectory = dataDirectory;
    m_view->SetDataDirectory(dataDirectory);
}

void CMainFrame::PostCommand(CommandId id)
{
    QAction* action = Action(id);
    QTimer::singleShot(0, action, [action] { action->trigger(); });
}

// Commands listed with no handler stay greyed.
void CMainFrame::CreateActions()
{
    const std::pair<CommandId, Handler> handlers[] = {
        {ID_FILE_NEW, &CMainFrame::OnFileNew},
        {ID_FILE_OPEN, &CMainFrame::OnFileOpen},
        {ID_FILE_SAVE, &CMainFrame::OnFileSave},
        {ID_FILE_SAVE_AS, &CMainFrame::OnFileSaveAs},
        {ID_FILE_EXPORT_MAP, &CMainFrame::OnFileExportMap},
        {ID_FILE_EXPORT_PATH, &CMainFrame::OnFileExportPath},
        {ID_FILE_EXPORT_LOCAL, &CMainFrame::OnFileExportCircumstances},
        {ID_FILE_EXPORT_ANIMATION, &CMainFrame::OnFileExportAnimation},
        {ID_FILE_PRINT, &CMainFrame::OnFilePrint},
        {ID_FILE_PRINT_PREVIEW, &CMainFrame::OnFilePrintPreview},
        {ID_FILE_PAGE_SETUP, &CMainFrame::OnFilePageSetup},
        {ID_FILE_MRU_FILE1, nullptr},
        {ID_APP_EXIT, &CMainFrame::OnAppExit},
        {ID_VUE_GLOBAL, &CMainFrame::OnVueGlobal},
        {ID_VUE_ZOOM_PLUS, &CMainFrame::OnVueZoomPlus},
        {ID_VUE_ZOOM_MOINS, &CMainFrame::OnVueZoomMoins},
        {ID_VUE_TRANSLATION, &CMainFrame::OnVueTranslation},
        {ID_VUE_TRACE, &CMainFrame::OnVueTrace},
        {ID_PARAMETRES_EPOQUE, &CMainFrame::OnParametresEpoque},
        {ID_PARAMETRES_POSITION, nullptr},
        {ID_PARAMETRES_AFFICHAGES, nullptr},
        {ID_PARAMETRES_CARTE, &CMainFrame::OnParametresCarte},
        {ID_OUTILS_SEPARATION, nullptr},
        {ID_OUTILS_EPHEMERIDES, &CMainFrame::OnOutilsEphemerides},
        {ID_OUTILS_BESSEL, &CMainFrame::OnOutilsBessel},
        {ID_TRANSFORM_NUTATION, &CMainFrame::OnTransformNutation},
        {ID_TRANSFORM_ELP, &CMainFrame::OnTransformElp},
        {ID_TRANSFORM_VSOP, &CMainFrame::OnTransformVsop},
        {ID_TRANSFORM_CARTO_CRUDE, nullptr},
        {ID_TRANSFORM_CARTO_LOW, nullptr},
        {ID_TRANSFORM_CARTO_INTERMEDIATE, &CMainFrame::OnTransformCartoIntermediate},
        {ID_TRANSFORM_CARTO_HIGH, nullptr},
        {ID_TRANSFORM_CARTO_FULL, nullptr},
        {ID_TRANSFORM_FRONTIERES, &CMainFrame::OnTransformFrontieres},
        {ID_TRANSFORM_FLEUVES, &CMainFrame::OnTransformFleuves},
        {ID_VIEW_TOOLBAR, nullptr},
        {ID_VIEW_STATUS_BAR, &CMainFrame::OnViewStatusBar},
        {ID_HELP_INDEX, nullptr},
        {ID_APP_ABOUT, &CMainFrame::OnAppAbout},
    };
    for (const auto& [id, handler] : handlers) {
        m_actions.insert(id, MakeAction(id, handler));
    }
}

QAction* CMainFrame::MakeAction(CommandId id, Handler handler)
{
    const CommandText& text = FindCommandText(id);
    auto* action = new QAction(QCoreApplication::translate(kCommandTextContext, text.menuText), this);
    action->setObjectName(QStringLiteral("command%1").arg(static_cast<int>(id)));
    action->setStatusTip(QCoreApplication::translate(kCommandTextContext, text.prompt));
    action->setToolTip(*text.toolTip != '\0' ? QCoreApplication::translate(kCommandTextContext, text.toolTip)
                                             : action->text().remove(u'&'));
    if (text.shortcut != QKeySequence::UnknownKey) {
        action->setShortcut(text.shortcut);
    }
    action->setEnabled(handler != nullptr);
    if (handler != nullptr) {
        // An error that escapes a command ends it with a report; the program goes on.
        connect(action, &QAction::triggered, this, [this, handler] {
            RunCommand(m_presenter, this, [this, handler] { (this->*handler)(); });
        });
    }
    return action;
}

QMenu* CMainFrame::AddMenu(const QString& title)
{
    auto* menu = new CPromptingMenu(title, menuBar());
    menuBar()->addMenu(menu);
    return menu;
}

void CMainFrame::CreateMenus()
{
    QMenu* file = AddMenu(tr("&Fichier"));
    file->addActions({Action(ID_FILE_NEW), Action(ID_FILE_OPEN), Action(ID_FILE_SAVE), Action(ID_FILE_SAVE_AS)});
    file->addSeparator();
    file->addActions({Action(ID_FILE_EXPORT_MAP), Action(ID_FILE_EXPORT_PATH), Action(ID_FILE_EXPORT_LOCAL)});
    file->addAction(Action(ID_FILE_EXPORT_ANIMATION));
    file->addSeparator();
    file->addActions({Action(ID_FILE_PRINT), Action(ID_FILE_PRINT_PREVIEW), Action(ID_FILE_PAGE_SETUP)});
    file->addSeparator();
    file->addAction(Action(ID_FILE_MRU_FILE1));
    for (int index = 0; index < m_recentFiles.Capacity(); ++index) {
        QAction* entry = file->addAction(QString());
        entry->setStatusTip(kRecentFilePrompt);
        connect(entry, &QAction::triggered, this, [this, index] { OpenRecentFile(index); });
        m_recentFileActions.append(entry);
    }
    m_recentFileSeparator = file->addSeparator();
    file->addAction(Action(ID_APP_EXIT));

    QMenu* view = AddMenu(tr("&Vue"));
    view->addActions({Action(ID_VUE_GLOBAL), Action(ID_VUE_ZOOM_PLUS), Action(ID_VUE_ZOOM_MOINS),
                      Action(ID_VUE_TRANSLATION), Action(ID_VUE_TRACE)});

    QMenu* parameters = AddMenu(tr("Paramètres"));
    parameters->addActions({Action(ID_PARAMETRES_EPOQUE), Action(ID_PARAMETRES_POSITION),
                            Action(ID_PARAMETRES_AFFICHAGES), Action(ID_PARAMETRES_CARTE)});
    CreateLanguageMenu(*parameters);

    QMenu* tools = AddMenu(tr("&Outils"));
    tools->addActions({Action(ID_OUTILS_SEPARATION), Action(ID_OUTILS_EPHEMERIDES), Action(ID_OUTILS_BESSEL)});
    auto* transform = new CPromptingMenu(tr("Transform"), tools);
    tools->addMenu(transform);
    transform->addActions({Action(ID_TRANSFORM_NUTATION), Action(ID_TRANSFORM_ELP), Action(ID_TRANSFORM_VSOP),
                           Action(ID_TRANSFORM_CARTO_CRUDE), Action(ID_TRANSFORM_CARTO_LOW),
                           Action(ID_TRANSFORM_CARTO_INTERMEDIATE), Action(ID_TRANSFORM_CARTO_HIGH),
                           Action(ID_TRANSFORM_CARTO_FULL), Action(ID_TRANSFORM_FRONTIERES),
                           Action(ID_TRANSFORM_FLEUVES)});

    QMenu* display = AddMenu(tr("&Affichage"));
    display->addActions({Action(ID_VIEW_TOOLBAR), Action(ID_VIEW_STATUS_BAR)});

    QMenu* help = AddMenu(tr("&?"));
    help->addActions({Action(ID_HELP_INDEX), Action(ID_APP_ABOUT)});
}

void CMainFrame::CreateToolBar()
{
    m_toolBar = addToolBar(tr("Standard"));
    m_toolBar->setObjectName(QStringLiteral("standardToolBar"));
    m_toolBar->setIconSize(QSize(kToolBarIconSize, kToolBarIconSize));
    Action(ID_FILE_NEW)->setIcon(style()->standardIcon(QStyle::SP_FileIcon));
    Action(ID_FILE_OPEN)->setIcon(style()->standardIcon(QStyle::SP_DialogOpenButton));
    Action(ID_FILE_SAVE)->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    Action(ID_FILE_PRINT)->setIcon(MakePrintIcon());
    Action(ID_VUE_TRACE)->setIcon(style()->standardIcon(QStyle::SP_BrowserReload));
    Action(ID_APP_ABOUT)->setIcon(
        QIcon::fromTheme(QStringLiteral("help-about"), style()->standardIcon(QStyle::SP_MessageBoxInformation)));
    for (const CommandId id : {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, ID_FILE_PRINT, ID_VUE_TRACE, ID_APP_ABOUT}) {
        Action(id)->setIconVisibleInMenu(false);
    }
    m_toolBar->addActions({Action(ID_FILE_NEW), Action(ID_FILE_OPEN), Action(ID_FILE_SAVE)});
    m_toolBar->addSeparator();
    m_toolBar->addActions({Action(ID_FILE_PRINT), Action(ID_VUE_TRACE)});
    m_toolBar->addSeparator();
    m_toolBar->addAction(Action(ID_APP_ABOUT));

    // The tool bar's own show/hide action, with the command's texts.
    QAction* toggle = Action(ID_VIEW_TOOLBAR);
    toggle->setEnabled(true);
    toggle->setCheckable(true);
    toggle->setChecked(true);
    connect(toggle, &QAction::toggled, m_toolBar, &QToolBar::setVisible);
    connect(m_toolBar, &QToolBar::visibilityChanged, toggle, &QAction::setChecked);
}

void CMainFrame::CreateStatusBar()
{
    auto* idle = new QLabel(kIdlePrompt);
    idle->setObjectName(QStringLiteral("idlePrompt"));
    statusBar()->addWidget(idle, 1);
    CreateCursorPlacePane();
    new CKeyboardIndicators(*statusBar());
    QAction* toggle = Action(ID_VIEW_STATUS_BAR);
    toggle->setCheckable(true);
    toggle->setChecked(true);
}

void CMainFrame::UpdateRecentFileActions()
{
    const QStringList& files = m_recentFiles.Files();
    for (int index = 0; index < m_recentFileActions.size(); ++index) {
        QAction* entry = m_recentFileActions[index];
        entry->setVisible(index < files.size());
        if (index < files.size()) {
            entry->setText(QStringLiteral("&%1 %2").arg(index + 1).arg(QFileInfo(files[index]).fileName()));
            entry->setToolTip(files[index]);
        }
    }
    Action(ID_FILE_MRU_FILE1)->setVisible(files.isEmpty());
}

void CMainFrame::UpdateTitle()
{
    const QString modified = m_document.IsModified() ? kModifiedMark : QString();
    setWindowTitle(m_document.Title() + modified + QStringLiteral(" - ") + kWindowCredit.Text());
}

bool CMainFrame::OpenDocumentFile(const QString& path)
{
    try {
        m_document.OnOpenDocument(path);
    } catch (const std::exception& error) {
        m_presenter(this, QMessageBox::Critical, kProgramName,
                    tr("Impossible d'ouvrir le document.\n") + DescribeFailure(error));
        return false;
    }
    m_recentFiles.Add(path);
    UpdateRecentFileActions();
    return true;
}

bool CMainFrame::SaveDocumentAs(const QString& path)
{
    try {
        m_document.OnSaveDocument(path);
    } catch (const std::exception& error) {
        m_presenter(this, QMessageBox::Critical, kProgramName,
                    tr("Impossible d'enregistrer le document.\n") + DescribeFailure(error));
        return false;
    }
    m_recentFiles.Add(path);
    UpdateRecentFileActions();
    return true;
}

void CMainFrame::OpenRecentFile(int index)
{
    if (index >= m_recentFiles.Files().size() || !SaveModified()) {
        return;
    }
    const QString path = m_recentFiles.Files()[index];
    if (!OpenDocumentFile(path)) {
        m_recentFiles.Remove(path);
        UpdateRecentFileActions();
    }
}

void CMainFrame::OnFileNew()
{
    if (SaveModified()) {
        m_document.OnNewDocument();
    }
}

void CMainFrame::OnFileOpen()
{
    if (!SaveModified()) {
        return;
    }
    const QString path = QFileDialog::getOpenFileName(this, tr("Ouvrir"), QString(), kDocumentFilter);
    if (!path.isEmpty()) {
        OpenDocumentFile(path);
    }
}

void CMainFrame::OnFileSave()
{
    SaveDocument();
}

void CMainFrame::OnFileSaveAs()
{
    SaveDocumentUnderChosenName();
}

bool CMainFrame::SaveDocument()
{
    return m_document.PathName().isEmpty() ? SaveDocumentUnderChosenName() : SaveDocumentAs(m_document.PathName());
}

bool CMainFrame::SaveDocumentUnderChosenName()
{
    const QString suggested = m_document.PathName().isEmpty() ? QStringLiteral("Umbran") + kDocumentExtension
                                                              : m_document.PathName();
    QString path = QFileDialog::getSaveFileName(this, tr("Enregistrer sous"), suggested, kDocumentFilter);
    if (path.isEmpty()) {
        return false;
    }
    if (QFileInfo(path).suffix().isEmpty()) {
        path += kDocumentExtension;
    }
    return SaveDocumentAs(path);
}

QPrinter& CMainFrame::Printer()
{
    if (!m_printer) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        m_printer->setDocName(m_document.Title());
    }
    return *m_printer;
}

void CMainFrame::PrintPicture(QPrinter* printer)
{
    QPainter painter(printer);
    const QRect page(QPoint(0, 0), printer->pageRect(QPrinter::DevicePixel).size().toSize());
    RunCommand(m_presenter, this, [this, &painter, &page] { m_view->PrintPicture(painter, page); });
}

void CMainFrame::OnFilePrint()
{
    QPrintDialog dialog(&Printer(), this);
    if (dialog.exec() == QDialog::Accepted) {
        PrintPicture(&Printer());
    }
}

void CMainFrame::OnFilePrintPreview()
{
    QPrintPreviewDialog dialog(&Printer(), this);
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this, &CMainFrame::PrintPicture);
    auto* preview = dialog.findChild<QPrintPreviewWidget*>();
    QSettings settings;
    const bool twoPages = settings.value(kPreviewPagesKey, 1).toInt() == 2;
    if (preview != nullptr && twoPages) {
        preview->setViewMode(QPrintPreviewWidget::FacingPagesView);
    }
    dialog.exec();
    if (preview != nullptr) {
        const bool facing = preview->viewMode() == QPrintPreviewWidget::FacingPagesView;
        settings.setValue(kPreviewPagesKey, facing ? 2 : 1);
    }
}

void CMainFrame::OnFilePageSetup()
{
    QPageSetupDialog dialog(&Printer(), this);
    dialog.exec();
}

// Closing the window asks whether to save the changes.
void CMainFrame::OnAppExit()
{
    close();
}

void CMainFrame::OnAppAbout()
{
    CAboutDialog dialog(this);
    dialog.exec();
}

void CMainFrame::OnVueGlobal()
{
    m_view->OnViewGlobal();
}

void CMainFrame::OnVueTrace()
{
    m_view->OnViewTrace();
}

void CMainFrame::OnVueZoomPlus()
{
    m_view->OnViewZoomIn();
}

void CMainFrame::OnVueZoomMoins()
{
    m_view->OnViewZoomOut();
}

void CMainFrame::OnVueTranslation()
{
    m_view->OnViewTranslation();
}

// Whichever button closed the dialog, the map is traced again once it is
// gone; the trace asked for first also draws the new instant.
void CMainFrame::OnParametresEpoque()
{
    CEpochDialog dialog(m_document.m_map.m_observation, this);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    m_view->RequestTrace();
    if (accepted) {
        m_document.NotifyEpochChanged();
    }
}

void CMainFrame::OnParametresCarte()
{
    CMapCentreDialog dialog(m_document.m_map.m_observation, this);
    if (dialog.exec() == QDialog::Accepted) {
        m_document.SetModifiedFlag();
    }
    PostCommand(ID_VUE_TRACE);
}

void CMainFrame::OnTransformNutation()
{
    RunConversion(ConvertNutation);
}

void CMainFrame::OnTransformElp()
{
    RunConversion(ConvertElp);
}

void CMainFrame::OnTransformVsop()
{
    RunConversion(ConvertVsop);
}

void CMainFrame::OnTransformCartoIntermediate()
{
    RunConversion(ConvertShorelines);
}

void CMainFrame::OnTransformFrontieres()
{
    RunConversion(ConvertBorders);
}

void CMainFrame::OnTransformFleuves()
{
    RunConversion(ConvertRivers);
}

// A read error that a converter does not catch reaches the command's report.
void CMainFrame::RunConversion(ConversionStatus (*converter)(const std::string&))
{
    ConversionStatus status = ConversionStatus::Failed;
    {
        const CWaitCursor waiting;
        status = converter(m_dataDirectory);
    }
    m_presenter(this, QMessageBox::Warning, kProgramName, ConversionMessage(status));
}

void CMainFrame::OnViewStatusBar()
{
    statusBar()->setVisible(Action(ID_VIEW_STATUS_BAR)->isChecked());
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event)
{
    if (!DroppedDocument(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
    }
}

void CMainFrame::dropEvent(QDropEvent* event)
{
    const QString path = DroppedDocument(event->mimeData());
    if (path.isEmpty()) {
        return;
    }
    event->acceptProposedAction();
    if (SaveModified()) {
        OpenDocumentFile(path);
    }
}
