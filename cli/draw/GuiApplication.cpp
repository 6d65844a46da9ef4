#include "cli/draw/GuiApplication.h"

#include <cstdio>
#include <cstdlib>

namespace {

// Qt's notes about its platform (no runtime directory, and the like) are no
// concern of the map; only its errors are shown.
void ShowOnlyQtErrors(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::fprintf(stderr, "umbrant-cli: %s\n", qPrintable(message));
    }
}

} // namespace

// Text needs the application object; without a display it draws off screen.
std::unique_ptr<QGuiApplication> StartGuiApplication()
{
    if (QGuiApplication::instance() != nullptr) {
        return nullptr;
    }
    qInstallMessageHandler(ShowOnlyQtErrors);
    if (std::getenv("DISPLAY") == nullptr && std::getenv("WAYLAND_DISPLAY") == nullptr) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    static int argc = 1;
    static char name[] = "umbrant-cli";
    static char* argv[] = {name, nullptr};
    auto application = std::make_unique<QGuiApplication>(argc, argv);
    // The platform plugin is loaded by now. The PNG writer is Qt's own; the
    // image plugins it would otherwise open first (GIF, ICO, JPEG, SVG and
    // their libraries) take longer than encoding the map.
    QCoreApplication::setLibraryPaths({});
    return application;
}

