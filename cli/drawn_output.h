// The commands whose text output has a drawn form: astro --pdf, events --pdf
// and bio --png. Reading the arguments and computing the result is the plain
// program's code; the drawing is handed in by the Qt module, which runs the
// same command with its drawer. Without a drawer (the plain program) a run
// that asks for the drawn form goes to the module before doing any work.
#pragma once

#include <string>

#include "astronomy/astro_report.h"
#include "biorhythm/bio_chart.h"
#include "cli/commands.h"
#include "reminders/event_list.h"
#include "reminders/event_list_print.h"

namespace orvanto::cli {

// Writes the printed report into a PDF file; the exit status.
using AstroPdfWriter = int (*)(const astro::TAstroValues& values, const std::string& path);
int RunAstroCommand(const Args& args, AstroPdfWriter writePdf);

// Writes the printed event list into a PDF file; the exit status.
using EventsPdfWriter = int (*)(const EventList& list, const EventPrintOptions& options,
                                const EventTextStyle& style, const std::string& path);
int RunEventsCommand(const Args& args, EventsPdfWriter writePdf);

// Draws the chart with the desktop's lettering and colours into the chart and
// saves it as a PNG picture; the exit status.
using BioPngWriter = int (*)(bio::BioChart& chart, const bio::ChartSubject& subject, const CivilDate& today,
                             bool dark, const std::string& path);
int RunBioCommand(const Args& args, BioPngWriter writePng);

}  // namespace orvanto::cli
