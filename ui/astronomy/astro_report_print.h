// The printed astronomical report: the report's lines (astronomy/astro_report) as a page
// of positioned texts, the title in Times 14 bold and every other line in Times 10, one
// line height ("pP" at size 10) apart.
#pragma once

#include "astronomy/astro_report.h"
#include "ui/printing/printed_page.h"

namespace orvanto {

inline constexpr const char* kAstroReportTitle = "Orvanto Astronomical Report";

// Where the lines start: (0, 0) is the printer's printable area; a PDF written without a
// printer has no margins of its own and asks for some.
struct ReportOrigin {
    int left = 0;
    int top = 0;
};

PrintedDocument AstroReportDocument(const astro::TAstroValues& values, const TextMeasure& measure,
                                    ReportOrigin origin = {});

}  // namespace orvanto
