// The drawers the Qt module hands to astro, events and bio: the same painters
// the windows print and show with, on the offscreen platform.
#include "cli/qt_module/drawn_output.h"

#include <cstdio>

#include "cli/qt_module/offscreen_app.h"
#include "ui/astronomy/astro_report_print.h"
#include "ui/biorhythm/chart_image.h"
#include "ui/printing/print_painter.h"
#include "ui/reminders/list_form.h"

namespace orvanto::cli::qt_module {

// The printed report on A4, three quarters of an inch in from the top and the left (a
// printer's own margins do this on paper).
int WriteAstroPdf(const astro::TAstroValues& values, const std::string& path) {
    EnsureDrawingApplication();
    PdfPrinter printer(path, PdfOptions{});
    const int margin = printer.Geometry().dotsPerInch * 3 / 4;
    printer.Paint(AstroReportDocument(values, printer.Measure(), ReportOrigin{margin, margin}));
    if (!printer.Finish()) {
        std::fprintf(stderr, "orvanto-cli astro: cannot write %s\n", path.c_str());
        return 1;
    }
    return 0;
}

int WriteEventsPdf(const EventList& list, const EventPrintOptions& options, const EventTextStyle& style,
                   const std::string& path) {
    EnsureDrawingApplication();
    PdfPrinter pdf(path, PdfOptions{});
    pdf.Paint(LayoutEventList(list.entries, options, style, pdf.Geometry(), pdf.Measure()));
    if (!pdf.Finish()) {
        std::fprintf(stderr, "orvanto-cli events: cannot write %s\n", path.c_str());
        return 1;
    }
    return 0;
}

int WriteBioPng(bio::BioChart& chart, const bio::ChartSubject& subject, const CivilDate& today, bool dark,
                const std::string& path) {
    EnsureDrawingApplication();
    QtChartLettering lettering;
    chart.Draw(subject, today, bio::ChartOptions{}, DesktopChartColours(dark), lettering);
    if (!ChartQImage(chart.Image()).save(QString::fromStdString(path), "PNG")) {
        std::fprintf(stderr, "orvanto-cli bio: Unable to write to %s\n", path.c_str());
        return 1;
    }
    return 0;
}

}  // namespace orvanto::cli::qt_module
