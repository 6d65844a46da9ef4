#pragma once

// A main window on the offscreen platform, drawn by the stand-in trace, with
// its messages recorded, its save prompts answered by the test and settings
// of its own; and clicks at fractions of a pixel, as a precise mouse gives them.

#include "AppTestSupport.h"

#include "app/MainFrame.h"
#include "app/RecentFileList.h"
#include "app/UmbrantDoc.h"
#include "app/UmbrantView.h"

#include <QMouseEvent>

#include <memory>

class CFrameFixture {
public:
    explicit CFrameFixture(QSize size = QSize(900, 700))
        : m_document(std::make_unique<CUmbrantDoc>()),
          m_recentFiles(std::make_unique<CRecentFileList>(4)),
          m_frame(std::make_unique<CMainFrame>(*m_document, *m_recentFiles))
    {
        m_frame->SetMessagePresenter(m_messages.Presenter());
        m_frame->SetSavePrompter([this](QWidget*, const QString& title) {
            m_promptedTitles << title;
            return m_answer;
        });
        m_frame->SetDataDirectory(m_files.path().toStdString() + "/");
        m_frame->View().SetTraceFunction(std::ref(m_trace));
        m_frame->resize(size);
        m_frame->show();
    }

    // Waits for the first map, which the posted "Global" draws.
    bool Shown()
    {
        if (!QTest::qWaitForWindowExposed(m_frame.get())) {
            return false;
        }
        return QTest::qWaitFor([this] { return m_trace.m_calls >= 1; });
    }

    CUmbrantDoc& Document() { return *m_document; }
    CMainFrame& Frame() { return *m_frame; }
    CUmbrantView& View() { return m_frame->View(); }
    CEclipseMap& Map() { return m_document->m_map; }
    QString FilePath(const QString& name) const { return m_files.filePath(name); }

    // Declared first, gone last: the window refers to all of these.
    CTemporarySettings m_settings;
    QTemporaryDir m_files;
    CFakeTrace m_trace;
    CMessageRecorder m_messages;
    SaveChoice m_answer = SaveChoice::Cancel;
    QStringList m_promptedTitles;
    std::unique_ptr<CUmbrantDoc> m_document;
    std::unique_ptr<CRecentFileList> m_recentFiles;
    std::unique_ptr<CMainFrame> m_frame;
};

// A left click at a point of the widget given to a fraction of a pixel.
inline void ClickAtPoint(QWidget& widget, QPointF point)
{
    const QPointF global = widget.mapToGlobal(point);
    QMouseEvent press(QEvent::MouseButtonPress, point, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, point, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&widget, &release);
}
