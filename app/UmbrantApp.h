#pragma once

#include <QStringList>

#include <memory>

class CMainFrame;
class CRecentFileList;
class CUmbrantDoc;

// The program's start-up: it creates the document and the main window,
// opens the document named on the command line and shows the window.
class CUmbrantApp {
public:
    CUmbrantApp();
    ~CUmbrantApp();
    CUmbrantApp(const CUmbrantApp&) = delete;
    CUmbrantApp& operator=(const CUmbrantApp&) = delete;

    // Runs the start-up sequence on the program's arguments (the first one
    // is the program). False when the program must end: a document named on
    // the command line could not be opened (the reason was shown).
    bool InitInstance(const QStringList& arguments);

    CMainFrame* MainFrame() const { return m_frame.get(); }

private:
    static void SetProfileNames();
    void ShowMaximised();

    std::unique_ptr<CUmbrantDoc> m_document;
    std::unique_ptr<CRecentFileList> m_recentFiles;
    std::unique_ptr<CMainFrame> m_frame;
};
