#include "app/UmbrantApp.h"

#include "app/MainFrame.h"
#include "app/RecentFileList.h"
#include "app/UmbrantDoc.h"
#include "datafiles/ProgramDirectory.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>

namespace {

constexpr int kRecentFileCount = 4;

// The document named on the command line: the first argument after the
// program's name that is not an option.
QString DocumentArgument(const QStringList& arguments)
{
    for (qsizetype index = 1; index < arguments.size(); ++index) {
        if (!arguments[index].startsWith(u'-')) {
            return arguments[index];
        }
    }
    return {};
}

} // namespace

CUmbrantApp::CUmbrantApp() = default;

CUmbrantApp::~CUmbrantApp() = default;

bool CUmbrantApp::InitInstance(const QStringList& arguments)
{
    // A document named relative to where the program was started stays
    // reachable after the move to the program's directory.
    const QString document = DocumentArgument(arguments);
    const QString documentPath = document.isEmpty() ? QString() : QDir::current().absoluteFilePath(document);
    QDir::setCurrent(QString::fromStdString(GetProgramDirectory()));
    SetProfileNames();

    m_document = std::make_unique<CUmbrantDoc>();
    m_recentFiles = std::make_unique<CRecentFileList>(kRecentFileCount);
    m_frame = std::make_unique<CMainFrame>(*m_document, *m_recentFiles);
    if (!documentPath.isEmpty() && !m_frame->OpenDocumentFile(documentPath)) {
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
