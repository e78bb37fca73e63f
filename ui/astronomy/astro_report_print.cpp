// The printed astronomical report as positioned texts.
#include "ui/astronomy/astro_report_print.h"

namespace orvanto {

namespace {

PrintFont ReportFont(const astro::TReportLine& line) {
    return PrintFont{PrintFace::TimesNewRoman, static_cast<double>(line.pointSize), line.bold};
}

}  // namespace

PrintedDocument AstroReportDocument(const astro::TAstroValues& values, const TextMeasure& measure,
                                    ReportOrigin origin) {
    const int lineHeight = measure.Height("pP", PrintFont{PrintFace::TimesNewRoman, 10});
    PrintedPage page;
    for (const astro::TReportLine& line : astro::AstroReportLines(values)) {
        PrintText text;
        text.x = origin.left;
        text.y = origin.top + line.row * lineHeight;
        text.text = line.text;
        text.font = ReportFont(line);
        page.items.push_back(text);
    }
    return PrintedDocument{kAstroReportTitle, {page}};
}

}  // namespace orvanto
