#include "app/HelpWindow.h"

#include "app/InterfaceLanguage.h"
#include "app/ToolTexts.h"

#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

const QUrl kFrenchManual(QStringLiteral("qrc:/help/manuel.html"));
const QUrl kEnglishManual(QStringLiteral("qrc:/help/manual-en.html"));
constexpr int kWidth = 720;
constexpr int kHeight = 640;

} // namespace

CHelpWindow::CHelpWindow(QWidget* parent) : QWidget(parent, Qt::Window), m_browser(new QTextBrowser)
{
    setWindowTitle(kHelpWindowTitle);
    setObjectName(QStringLiteral("helpWindow"));
    m_browser->setObjectName(QStringLiteral("helpBrowser"));
    m_browser->setOpenExternalLinks(true);
    m_browser->setSource(InterfaceLanguage() == QLocale::English ? kEnglishManual : kFrenchManual);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
    resize(kWidth, kHeight);
}
