// The one QApplication of the benchmark program, on the offscreen platform
// unless QT_QPA_PLATFORM names another; made by the first benchmark that
// needs windows, fonts or painting.
#pragma once

#include <QApplication>

namespace orvanto::bench {

inline QApplication& Application() {
    static int argc = 1;
    static char name[] = "orvanto_bench";
    static char* argv[] = {name, nullptr};
    if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance())) return *app;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

}  // namespace orvanto::bench
