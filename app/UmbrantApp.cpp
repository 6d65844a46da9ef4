#include "app/UmbrantApp.h"

#include "app/CommandLine.h"
#include "app/CommandLinePrinting.h"
#include "app/MainFrame.h"
#include "app/InterfaceLanguage.h"
#include "app/RecentFileList.h"
#include "app/UmbrantDoc.h"
#include "app/UserMessages.h"
#include "datafiles/ProgramDirectory.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>

namespace {

constexpr int kRecentFileCount = 4;

} // namespace

CUmbrantApp::CUmbrantApp() = default;

CUmbrantApp::~CUmbrantApp() = default;

bool CUmbrantApp::InitInstance(const QStringList& arguments)
{
    // The profile holds the chosen language, and the language is in place
    // before the first text, a command-line error's included.
    SetProfileNames();
    SetUpInterfaceLanguage(arguments);
    const CommandLineRequest request = ParseCommandLine(arguments);
    // Files named relative to where the program was started stay reachable
    // after the move to the program's directory.
    const QDir startDirectory = QDir::current();
    QDir::setCurrent(QString::fromStdString(GetProgramDirectory()));
    if (!request.error.isEmpty()) {
        ShowOnStandardError(request.error);
        m_exitCode = 1;
        return false;
    }
    m_document = std::make_unique<CUmbrantDoc>();
    if (request.action == CommandLineRequest::Action::Print || request.action == CommandLineRequest::Action::PrintTo) {
        m_exitCode = PrintFromCommandLine(*m_document, request, startDirectory, GetDataDirectory());
        return false;
    }
    const bool opened = OpenMainWindow(request, startDirectory);
    m_exitCode = opened ? 0 : 1;
    return opened;
}

bool CUmbrantApp::OpenMainWindow(const CommandLineRequest& request, const QDir& startDirectory)
{
    m_recentFiles = std::make_unique<CRecentFileList>(kRecentFileCount);
    m_frame = std::make_unique<CMainFrame>(*m_document, *m_recentFiles);
    if (request.action == CommandLineRequest::Action::OpenDocument &&
        !m_frame->OpenDocumentFile(startDirectory.absoluteFilePath(request.document))) {
        return false;
    }
    ShowMaximised();
    return true;
}

// The profile is an initialisation file of the program's own, as the
// recent-file list and the preview settings are all it holds.
void CUmbrantApp::SetProfileNames()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Umbrant"));
    QCoreApplication::setApplicationName(QStringLiteral("Umbrant"));
    QCoreApplication::setApplicationVersion(QStringLiteral("0.1.0.8"));
    QSettings::setDefaultFormat(QSettings::IniFormat);
}

// Without a window manager a maximise request is not honoured, so the window
// is first given the whole available screen.
void CUmbrantApp::ShowMaximised()
{
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        m_frame->setGeometry(screen->availableGeometry());
    }
    m_frame->showMaximized();
}
