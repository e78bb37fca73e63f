// The drawing application of orvanto-cli.
#include "cli/qt_module/offscreen_app.h"

#include <QGuiApplication>

namespace orvanto::cli::qt_module {

void EnsureDrawingApplication() {
    if (QCoreApplication::instance()) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "orvanto-cli";
    static char* argv[] = {name, nullptr};
    static QGuiApplication* application = new QGuiApplication(argc, argv);
    (void)application;
}

}  // namespace orvanto::cli::qt_module
