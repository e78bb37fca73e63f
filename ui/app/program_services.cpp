#include "ui/app/program_services.h"

#include <QEventLoop>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

namespace orvanto {

ReminderServices ProgramReminderServices(Prompt& prompt, Sound& sound, const Clock& clock) {
    ReminderServices services{prompt, sound, clock};
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        services.look.pixelsPerInch = static_cast<int>(screen->logicalDotsPerInch());
    services.wait = [](int milliseconds) {
        QEventLoop loop;
        QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
        loop.exec();
    };
    return services;
}

}  // namespace orvanto
