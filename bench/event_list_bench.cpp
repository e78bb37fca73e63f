// Benchmarks of the event list: opening the "Events" window on a settings
// file whose "Reminders" section holds 10,000 records, up to the first
// painted table, and sorting those rows by their message.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTableView>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>
#include <string>

#include "bench/bench_application.h"
#include "calendar/day_number.h"
#include "calendar/serial_date.h"
#include "core/clock.h"
#include "core/ini_file.h"
#include "core/scripted_prompt.h"
#include "core/settings_keys.h"
#include "core/sound.h"
#include "ui/reminders/event_list_form.h"

namespace {

using namespace orvanto;

constexpr int kRecords = 10'000;

// Reminders of every kind, holidays and bookmarks over 2000 to 2030, with
// messages of varied length.
std::string LargeSection() {
    static const char* const kCodes[] = {"10000", "11010", "11011", "11012", "11013",
                                         "12055", "12A11", "21010", "30000", "11022"};
    std::string content = "\n[Reminders]\n";
    const int first = DayNumber(2000, 1, 1);
    const int span = DayNumber(2030, 12, 31) - first;
    for (int i = 0; i < kRecords; ++i) {
        const int date = first + static_cast<int>((static_cast<long long>(i) * 7919) % span);
        char line[160];
        std::snprintf(line, sizeof line, "%d/%c=%s,%d,%s,%04X%04X,Event number %d %.*s\n", date,
                      "0123456789"[i % 10], kCodes[i % 10], i % 4, i % 3 == 0 ? "2330" : "9999",
                      i % 7 == 0 ? 19679 : 0, i % 11 == 0 ? 5 : 0, i, i % 40,
                      "with a longer description of what is due");
        content += line;
    }
    return content;
}

struct EventListFixture {
    QTemporaryDir dir;
    std::string path = dir.filePath(QStringLiteral("ORVANTO.INI")).toStdString();
    FakeClock clock{EncodeDate(2015, 6, 10) + EncodeTime(10, 0, 0)};
    ScriptedPrompt prompt;
    SilentSound sound;
    AppEvents events;
    AppContext context;

    EventListFixture() {
        IniFile(path).WriteWholeFile(DefaultSettingsContent() + LargeSection());
        context.settingsPath = path;
        context.clock = &clock;
        context.prompt = &prompt;
        context.sound = &sound;
        context.events = &events;
    }
};

EventListFixture& SharedEventListFixture() {
    static EventListFixture fixture;
    return fixture;
}

class TablePaintWatcher : public QObject {
public:
    bool painted = false;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) painted = true;
        return false;
    }
};

void BM_OpenEventListWith10000Records(benchmark::State& state) {
    bench::Application();
    EventListFixture& f = SharedEventListFixture();
    for (auto _ : state) {
        QElapsedTimer elapsed;
        elapsed.start();
        auto form = std::make_unique<TEditRem>(f.context);
        TablePaintWatcher watcher;
        QWidget* viewport = form->findChild<QTableView*>(QStringLiteral("StringGrid1"))->viewport();
        viewport->installEventFilter(&watcher);
        form->show();
        // At most two seconds for the platform to deliver the first paint.
        while (!watcher.painted && elapsed.elapsed() < 2000) QCoreApplication::processEvents();
        state.SetIterationTime(elapsed.nsecsElapsed() / 1e9);
        viewport->removeEventFilter(&watcher);
        state.PauseTiming();
        form.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["records"] = kRecords;
}
BENCHMARK(BM_OpenEventListWith10000Records)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_SortEventListByMessage(benchmark::State& state) {
    bench::Application();
    EventListFixture& f = SharedEventListFixture();
    TEditRem form(f.context);
    for (auto _ : state) form.ClickHeader(kMessageColumn);
    state.counters["records"] = kRecords;
}
BENCHMARK(BM_SortEventListByMessage)->Unit(benchmark::kMillisecond);

}  // namespace
