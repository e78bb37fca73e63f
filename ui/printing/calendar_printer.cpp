// Calendar jobs on printers and PDF files.
#include "ui/printing/calendar_printer.h"

#include <QPainter>
#include <QPrinter>

namespace orvanto {

namespace {

CalendarPrintOptions OptionsFor(const CalendarPrintRequest& request, bool landscape) {
    CalendarPrintOptions options = request.options;
    options.landscape = landscape;
    return options;
}

// All pages in one painter session: one file.
bool PrintIntoOneFile(const CalendarPrintRequest& request, QPrinter& printer, const MonthDataSource& source) {
    const std::vector<CalendarJob> jobs = PlanCalendarJobs(request);
    const CalendarPrintOptions options =
        OptionsFor(request, printer.pageLayout().orientation() == QPageLayout::Landscape);
    if (!jobs.empty()) printer.setDocName(QString::fromUtf8(JobTitle(jobs.front().layout)));
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const DeviceTextMeasure measure(&printer);
    const PageGeometry geometry = GeometryOf(printer);
    bool first = true;
    for (const CalendarJob& job : jobs) {
        const PrintedDocument document = LayoutCalendarJob(job, options, geometry, measure, source);
        for (const PrintedPage& page : document.pages) {
            if (!first) printer.newPage();
            PaintPage(painter, page);
            first = false;
        }
    }
    return painter.end();
}

}  // namespace

bool PrintCalendar(const CalendarPrintRequest& request, QPrinter& printer, const MonthDataSource& source) {
    if (printer.outputFormat() == QPrinter::PdfFormat) return PrintIntoOneFile(request, printer, source);
    const CalendarPrintOptions options =
        OptionsFor(request, printer.pageLayout().orientation() == QPageLayout::Landscape);
    for (const CalendarJob& job : PlanCalendarJobs(request)) {
        const DeviceTextMeasure measure(&printer);
        const PrintedDocument document =
            LayoutCalendarJob(job, options, GeometryOf(printer), measure, source);
        if (!PrintDocument(document, printer)) return false;
    }
    return true;
}

bool PrintCalendarToPdf(const CalendarPrintRequest& request, const std::string& path, PdfOptions pdf,
                        const MonthDataSource& source) {
    pdf.orientation = request.options.landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
    PdfPrinter writer(path, pdf);
    const PageGeometry geometry = writer.Geometry();
    for (const CalendarJob& job : PlanCalendarJobs(request)) {
        writer.Paint(LayoutCalendarJob(job, request.options, geometry, writer.Measure(), source));
    }
    return writer.Finish();
}

}  // namespace orvanto
