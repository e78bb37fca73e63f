// Benchmarks of the main window: ShowMonth over a settings file whose
// "Reminders" section holds 10,000 records (the month index is rebuilt from
// the file on every repaint), and the time from creating the window to its
// first painted frame. Windows are real widgets on the offscreen platform.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "bench/bench_application.h"
#include "calendar/civil_date.h"
#include "calendar/day_number.h"
#include "calendar/serial_date.h"
#include "core/clock.h"
#include "core/ini_file.h"
#include "core/scripted_prompt.h"
#include "core/settings_keys.h"
#include "core/sound.h"
#include "ui/main/main_window.h"

namespace {

using namespace orvanto;

constexpr int kRecords = 10'000;

// One-time, yearly, monthly, weekly and daily reminders, weekday-of-the-month
// records, holidays and bookmarks spread over 2000 to 2030.
std::string RecordValue(int i) {
    static const char* const kCodes[] = {"10000", "11010", "11011", "11012", "11013",
                                         "12055", "12A11", "21010", "30000", "11022"};
    char value[96];
    std::snprintf(value, sizeof value, "%s,%d,%s,%04X%04X,Reminder number %d", kCodes[i % 10], i % 4,
                  i % 3 == 0 ? "2330" : "9999", i % 7 == 0 ? 19679 : 0, i % 11 == 0 ? 5 : 0, i);
    return value;
}

// A settings file with the default content and 10,000 records, written once.
std::string WriteLargeSettingsFile(const QTemporaryDir& dir) {
    const std::string path = dir.filePath(QStringLiteral("ORVANTO.INI")).toStdString();
    std::string content = DefaultSettingsContent() + "\n[Reminders]\n";
    const int first = DayNumber(2000, 1, 1);
    const int span = DayNumber(2030, 12, 31) - first;
    for (int i = 0; i < kRecords; ++i) {
        const int date = first + static_cast<int>((static_cast<long long>(i) * 7919) % span);
        content += std::to_string(date) + "/" + "0123456789"[i % 10] + "=" + RecordValue(i) + "\n";
    }
    IniFile(path).WriteWholeFile(content);
    return path;
}

struct Fixture {
    QTemporaryDir dir;
    std::string path = WriteLargeSettingsFile(dir);
    FakeClock clock{EncodeDate(2015, 6, 10) + EncodeTime(10, 0, 0)};
    ScriptedPrompt prompt;
    SilentSound sound;

    AppEvents events;
    AppContext context = Context();
    WindowLauncher launcher{context};

    AppContext Context() {
        AppContext context;
        context.settingsPath = path;
        context.clock = &clock;
        context.prompt = &prompt;
        context.sound = &sound;
        context.timeZoneBias = [](bool) { return 0; };
        context.events = &events;
        return context;
    }
};

Fixture& SharedFixture() {
    static Fixture fixture;
    return fixture;
}

void BM_ShowMonthWith10000Records(benchmark::State& state) {
    bench::Application();
    Fixture& f = SharedFixture();
    TForm1 window(f.context, f.launcher);
    int month = 0;
    for (auto _ : state) {
        window.ShowMonth(CivilDate{2015, month % 12 + 1, 1});
        ++month;
    }
    state.counters["records"] = kRecords;
}
BENCHMARK(BM_ShowMonthWith10000Records)->Unit(benchmark::kMillisecond);

// Counts the window's paint events.
class PaintWatcher : public QObject {
public:
    bool painted = false;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) painted = true;
        return false;
    }
};

void BM_StartToFirstPaintedWindow(benchmark::State& state) {
    bench::Application();
    Fixture& f = SharedFixture();
    for (auto _ : state) {
        QElapsedTimer elapsed;
        elapsed.start();
        auto window = std::make_unique<TForm1>(f.context, f.launcher);
        PaintWatcher watcher;
        window->installEventFilter(&watcher);
        window->show();
        // At most two seconds for the platform to deliver the first paint.
        while (!watcher.painted && elapsed.elapsed() < 2000) QCoreApplication::processEvents();
        state.SetIterationTime(elapsed.nsecsElapsed() / 1e9);
        window->removeEventFilter(&watcher);
        state.PauseTiming();
        window.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartToFirstPaintedWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace
