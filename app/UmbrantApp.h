#pragma once

#include <QStringList>

#include <memory>

class CMainFrame;
class CRecentFileList;
class CUmbrantDoc;
class QDir;
struct CommandLineRequest;

// The program's start-up: it creates the document and the main window,
// opens the document named on the command line and shows the window; or,
// for a print switch, prints the document without any window.
class CUmbrantApp {
public:
    CUmbrantApp();
    ~CUmbrantApp();
    CUmbrantApp(const CUmbrantApp&) = delete;
    CUmbrantApp& operator=(const CUmbrantApp&) = delete;

    // Runs the start-up sequence on the program's arguments (the first one
    // is the program). False when the program must end, with ExitCode():
    // 0 after a print switch has printed, 1 when a document named on the
    // command line could not be opened or printed (the reason was shown).
    bool InitInstance(const QStringList& arguments);
    int ExitCode() const { return m_exitCode; }

    CMainFrame* MainFrame() const { return m_frame.get(); }

private:
    static void SetProfileNames();
    void ShowMaximised();
    bool OpenMainWindow(const CommandLineRequest& request, const QDir& startDirectory);

    std::unique_ptr<CUmbrantDoc> m_document;
    std::unique_ptr<CRecentFileList> m_recentFiles;
    std::unique_ptr<CMainFrame> m_frame;
    int m_exitCode = 1;
};
