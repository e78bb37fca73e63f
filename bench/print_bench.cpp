// Benchmarks of calendar printing: one month page and a twelve-card order
// (a sheet of nine and one of three) written to a PDF file the way
// orvanto-cli print and the print dialog write them, and the layouts alone.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>

#include <string>

#include "bench/bench_application.h"
#include "calendar/day_number.h"
#include "core/ini_file.h"
#include "core/scripted_prompt.h"
#include "ui/printing/calendar_printer.h"
#include "ui/printing/card_sheet_layout.h"
#include "ui/printing/month_page_layout.h"

namespace {

using namespace orvanto;

// A settings file with two entries on every day of March 2015 and a yearly
// holiday a week.
std::string WriteBusySettings(const QTemporaryDir& dir) {
    const std::string path = dir.filePath(QStringLiteral("ORVANTO.INI")).toStdString();
    std::string content = "[Settings]\nShowGhost=2\nInBrackets=1\nSideDays=1\n\n[Reminders]\n";
    for (int day = 1; day <= 31; ++day) {
        const std::string key = std::to_string(DayNumber(2015, 3, day));
        content += key + "/0=10000,0,0930,00000000,Meeting with the planning group on day " +
                   std::to_string(day) + "\n";
        content += key + "/1=10000,0,9999,00000000,Call back\n";
        if (day % 7 == 0) content += key + "/2=21010,0,9999,00000000,[Holiday " + std::to_string(day) + "]\n";
    }
    IniFile(path).WriteWholeFile(content);
    return path;
}

CalendarPrintRequest Request(CalendarLayout layout, int count) {
    CalendarPrintRequest request;
    request.layout = layout;
    request.month = 3;
    request.year = 2015;
    request.count = count;
    request.options.holidayPlacement = EntryPlacement::Both;
    request.options.eventPlacement = EntryPlacement::Both;
    return request;
}

void PrintToPdf(benchmark::State& state, CalendarLayout layout, int count) {
    bench::Application();
    QTemporaryDir dir;
    const IniFile settings(WriteBusySettings(dir));
    ScriptedPrompt prompt;
    const MonthDataSource source = [&](int year, int month) {
        return ReadMonthPrintData(year, month, settings, TimeStyle{}, prompt, 0);
    };
    const std::string pdf = dir.filePath(QStringLiteral("out.pdf")).toStdString();
    PdfOptions options;
    options.marginMillimetres = kCalendarPdfMarginMillimetres;
    for (auto _ : state) {
        benchmark::DoNotOptimize(PrintCalendarToPdf(Request(layout, count), pdf, options, source));
    }
}

void BM_MonthPageToPdf(benchmark::State& state) { PrintToPdf(state, CalendarLayout::Month, 1); }
BENCHMARK(BM_MonthPageToPdf)->Unit(benchmark::kMillisecond);

void BM_TwelveCardsToPdf(benchmark::State& state) { PrintToPdf(state, CalendarLayout::Card, 12); }
BENCHMARK(BM_TwelveCardsToPdf)->Unit(benchmark::kMillisecond);

// The geometry alone, measured on a 600 dpi PDF device.
void BM_MonthPageLayout(benchmark::State& state) {
    bench::Application();
    QTemporaryDir dir;
    PdfPrinter writer(dir.filePath(QStringLiteral("m.pdf")).toStdString(), PdfOptions{});
    MonthPrintData data{2015, 3, {}, PrintMoonPhases(2015, 3, 0)};
    for (int day = 1; day <= 31; ++day) {
        data.entries.push_back({day, "Meeting with the planning group", 1});
        data.entries.push_back({day, "[Holiday]", 2});
    }
    CalendarPrintOptions options;
    options.holidayPlacement = EntryPlacement::Both;
    options.eventPlacement = EntryPlacement::Both;
    for (auto _ : state)
        benchmark::DoNotOptimize(LayoutMonthPage(data, options, writer.Geometry(), writer.Measure()));
}
BENCHMARK(BM_MonthPageLayout)->Unit(benchmark::kMillisecond);

void BM_CardSheetLayout(benchmark::State& state) {
    bench::Application();
    QTemporaryDir dir;
    PdfPrinter writer(dir.filePath(QStringLiteral("c.pdf")).toStdString(), PdfOptions{});
    const CalendarPrintOptions options;
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            LayoutCardSheet(2015, kCardsPerSheet, options, writer.Geometry(), writer.Measure()));
    }
}
BENCHMARK(BM_CardSheetLayout)->Unit(benchmark::kMillisecond);

}  // namespace
