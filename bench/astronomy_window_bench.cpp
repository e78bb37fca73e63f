// Benchmarks of the astronomical data window: its once-a-second refresh (the report of the
// next second, the moon picture and the labels) on the offscreen platform.
#include <QApplication>

#include <benchmark/benchmark.h>

#include <cstdlib>

#include "astronomy/julian_day.h"
#include "bench/bench_application.h"
#include "core/clock.h"
#include "core/ini_file.h"
#include "core/scripted_prompt.h"
#include "core/settings_keys.h"
#include "ui/astronomy/moon_form.h"

namespace {

using namespace orvanto;

// Argument: with the intermediate phases.
void BM_MoonFormRefresh(benchmark::State& state) {
    bench::Application();
    char folder[] = "/tmp/orvanto-bench-XXXXXX";
    if (!mkdtemp(folder)) {
        state.SkipWithError("no temporary folder");
        return;
    }
    const std::string path = std::string(folder) + "/ORVANTO.INI";
    IniFile ini(path);
    ini.WriteWholeFile(DefaultSettingsContent());
    ini.WriteBool("Settings", "MinorPhases", state.range(0) != 0);
    FakeClock clock(astro::EncodeSerialDate(2026, 12, 11) + 14.0 / 24);
    ScriptedPrompt prompt;
    SilentSound sound;
    AppContext context;
    context.settingsPath = path;
    context.clock = &clock;
    context.prompt = &prompt;
    context.sound = &sound;
    context.timeZoneBias = [](bool) { return 0; };
    {
        TMoonForm form(context, std::nullopt);
        form.RefreshTimer()->stop();
        for (auto _ : state) {
            clock.AdvanceSeconds(1);
            form.Refresh();
        }
    }
    std::remove(path.c_str());
    rmdir(folder);
}
BENCHMARK(BM_MoonFormRefresh)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
