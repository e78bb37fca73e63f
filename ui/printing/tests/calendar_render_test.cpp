// The calendar pages drawn on an image by the painter: shadows are solid,
// boxes white inside, side days grey, Sundays red with colours, and the
// entries inside a box never run out of it.
#include <gtest/gtest.h>

#include <QImage>

#include "ui/printing/calendar_print_shapes.h"
#include "ui/printing/card_sheet_layout.h"
#include "ui/printing/month_page_layout.h"
#include "ui/printing/print_painter.h"
#include "ui/printing/year_page_layout.h"
#include "ui/tests/ui_test_support.h"

namespace orvanto {
namespace {

constexpr PageGeometry kPage{1240, 1754, 150};  // A4 at 150 dots per inch

// An image of the page's size and resolution for measuring text.
QImage MeasuringDevice() {
    QImage device(kPage.width, kPage.height, QImage::Format_RGB32);
    const int dotsPerMetre = static_cast<int>(kPage.dotsPerInch / 0.0254 + 0.5);
    device.setDotsPerMeterX(dotsPerMetre);
    device.setDotsPerMeterY(dotsPerMetre);
    return device;
}

bool HasColourIn(const QImage& image, const QRect& area, QRgb wanted, int tolerance) {
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (std::abs(qRed(pixel) - qRed(wanted)) <= tolerance &&
                std::abs(qGreen(pixel) - qGreen(wanted)) <= tolerance &&
                std::abs(qBlue(pixel) - qBlue(wanted)) <= tolerance) {
                return true;
            }
        }
    }
    return false;
}

TEST(CalendarRenderTest, MonthPageBoxesShadowsSideDaysAndSundays) {
    test::Application();
    const QImage device = MeasuringDevice();
    const DeviceTextMeasure measure(&device);
    CalendarPrintOptions options;
    options.colors = true;
    options.sideDays = 1;
    MonthPrintData data{2015, 8, {}, {}};
    for (int i = 0; i < 20; ++i) data.entries.push_back({3, "A reminder with a long text that is cut", 1});
    const PrintedPage page = LayoutMonthPage(data, options, kPage, measure);
    const QImage image = RenderPage(page, kPage);
    const MonthPageMetrics m = ComputeMonthPageMetrics(kPage, false, measure);
    ASSERT_GT(m.shadow, 1);

    // The 1st: row 0, column 6. Its shadow below is black, its inside white.
    const int x = 6 * (m.cell + m.gap);
    const int y = m.firstRowTop;
    EXPECT_EQ(image.pixel(x + m.cell / 2, y + m.cell + m.shadow / 2), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(x + m.cell + m.shadow / 2, y + m.cell / 2), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(x + m.cell / 2, y + m.cell - m.unit), qRgb(255, 255, 255));
    // 26 July in the first box: a grey outline and shadow.
    EXPECT_EQ(image.pixel(m.cell / 2, y + m.cell + m.shadow / 2), qRgb(128, 128, 128));
    // Sunday the 2nd (row 1, column 0): a red number.
    const QRect number(m.cell - m.unit - measure.Width("2", kMonthDayNumberFont), y + m.cell + m.gap,
                       measure.Width("2", kMonthDayNumberFont), m.numberHeight + m.unit);
    EXPECT_TRUE(HasColourIn(image, number, qRgb(255, 0, 0), 40));
    // The 3rd holds more reminders than fit: below its box is only its shadow
    // and the gap, no text.
    const int left3 = 1 * (m.cell + m.gap);
    const int top3 = y + (m.cell + m.gap);
    const QRect gap(left3, top3 + m.cell + m.shadow + 1, m.cell, m.gap - m.shadow - 2);
    EXPECT_FALSE(HasColourIn(image, gap, qRgb(0, 0, 0), 100));
}

TEST(CalendarRenderTest, YearPageAndCardSheetDrawInk) {
    test::Application();
    const QImage device = MeasuringDevice();
    const DeviceTextMeasure measure(&device);
    CalendarPrintOptions options;
    std::array<MonthPrintData, 12> months;
    for (int i = 0; i < 12; ++i)
        months[i] = MonthPrintData{2015, i + 1, {}, {{5, 4}, {13, 6}, {20, 0}, {27, 2}}};
    const QImage year = RenderPage(LayoutYearPage(months, options, kPage, measure), kPage);
    const YearPageMetrics ym = ComputeYearPageMetrics(kPage, measure);
    // The full-moon symbol of January is white inside a black ring; the new moon black.
    const int phaseTop = 2 * measure.Height("pP", kYearTitleFont) + (Nint(3.0 * ym.unit) - ym.unit) / 2;
    EXPECT_EQ(year.pixel(ym.unit + ym.unit / 2, phaseTop + ym.unit / 2), qRgb(255, 255, 255));
    EXPECT_EQ(year.pixel(ym.unit + 6 * ym.unit + ym.unit / 2, phaseTop + ym.unit / 2), qRgb(0, 0, 0));

    const QImage cards = RenderPage(LayoutCardSheet(2015, 9, options, kPage, measure), kPage);
    const CardSheetMetrics cm = ComputeCardSheetMetrics(kPage, false, measure);
    // The ninth card's title box has its black outline.
    EXPECT_TRUE(HasColourIn(cards, QRect(2 * cm.pitchX, 2 * cm.pitchY, cm.cardWidth, 3), qRgb(0, 0, 0), 60));
}

}  // namespace
}  // namespace orvanto
