// Printing calendar jobs on a device: a printer (one job per page, or one
// file when the printer writes a PDF file) or a PDF file written directly.
// The dialog and orvanto-cli print both go through here.
#pragma once

#include <string>

#include "ui/printing/calendar_print_jobs.h"
#include "ui/printing/print_painter.h"

class QPrinter;

namespace orvanto {

// The border a calendar PDF leaves around its pages, as a printer would.
inline constexpr double kCalendarPdfMarginMillimetres = 8.0;

// Lays out every job of the request on the printer's paper and prints it as
// its own job. A printer that writes a PDF file gets all pages in that one
// file (separate jobs would overwrite each other). False when the printer
// could not be started.
bool PrintCalendar(const CalendarPrintRequest& request, QPrinter& printer, const MonthDataSource& source);

// Writes every job of the request as pages of one PDF file (its title the
// first job's); the orientation comes from the request. False when the file
// could not be written.
bool PrintCalendarToPdf(const CalendarPrintRequest& request, const std::string& path, PdfOptions pdf,
                        const MonthDataSource& source);

}  // namespace orvanto
