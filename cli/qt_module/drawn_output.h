// The drawn forms of astro (--pdf), events (--pdf) and bio (--png), the
// drawers of cli/drawn_output.h.
#pragma once

#include "cli/drawn_output.h"

namespace orvanto::cli::qt_module {

int WriteAstroPdf(const astro::TAstroValues& values, const std::string& path);
int WriteEventsPdf(const EventList& list, const EventPrintOptions& options, const EventTextStyle& style,
                   const std::string& path);
int WriteBioPng(bio::BioChart& chart, const bio::ChartSubject& subject, const CivilDate& today, bool dark,
                const std::string& path);

// The commands that run wholly in the module.
int RunPrintCommand(const Args& args);
int RunSntpCommand(const Args& args);

}  // namespace orvanto::cli::qt_module
