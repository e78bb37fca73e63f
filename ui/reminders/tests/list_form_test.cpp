// The "Print Event List" dialog's defaults and choices, and the printed
// list's pages as positioned texts.
#include <QCheckBox>
#include <QDateEdit>
#include <QFile>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdlib>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "calendar/day_number.h"
#include "core/scripted_prompt.h"
#include "ui/reminders/list_form.h"
#include "ui/tests/ui_test_support.h"

namespace orvanto {
namespace {

using ::testing::ElementsAre;

// Every text is 10 pixels wide per character and 20 high.
class FixedMeasure : public TextMeasure {
public:
    int Width(const std::string& text, const PrintFont&) const override {
        return 10 * static_cast<int>(text.size());
    }
    int Height(const std::string&, const PrintFont&) const override { return 20; }
};

std::vector<EventListEntry> Records(int count, int date) {
    ReminderLines lines;
    for (int i = 0; i < count; ++i) {
        lines.push_back(std::to_string(date + i) + "/0=10000,0,9999,00000000,Record " + std::to_string(i));
    }
    return LoadEventList(lines, {1, false}).entries;
}

struct Placed {
    int y;
    std::string text;
};
std::vector<Placed> Texts(const PrintedPage& page) {
    std::vector<Placed> texts;
    for (const PrintItem& item : page.items) {
        const auto& text = std::get<PrintText>(item);
        EXPECT_EQ(text.x, 0);
        texts.push_back({text.y, text.text});
    }
    return texts;
}

TEST(EventListLayout, TitleSubtitleRecordsAndTotal) {
    const int first = DayNumber(2005, 3, 1);
    EventPrintOptions options;
    options.from = first;
    options.to = DayNumber(2005, 3, 31);
    const PrintedDocument document = LayoutEventList(Records(2, first), options, {1, false},
                                                     PageGeometry{1000, 1000, 100}, FixedMeasure());
    EXPECT_EQ(document.title, "Orvanto Event List");
    ASSERT_EQ(document.pages.size(), 1u);
    const auto texts = Texts(document.pages[0]);
    ASSERT_EQ(texts.size(), 5u);
    EXPECT_EQ(texts[0].y, 0);
    EXPECT_EQ(texts[0].text, "Orvanto Event List");
    const auto& title = std::get<PrintText>(document.pages[0].items[0]);
    EXPECT_EQ(title.font, (PrintFont{PrintFace::CourierNew, 12, true}));
    EXPECT_EQ(std::get<PrintText>(document.pages[0].items[1]).font,
              (PrintFont{PrintFace::CourierNew, 8, false}));
    EXPECT_EQ(texts[1].y, 40);
    EXPECT_EQ(texts[1].text, "All event list from 03/01/2005 to 03/31/2005");
    EXPECT_EQ(texts[2].y, 80);
    EXPECT_EQ(texts[2].text.substr(0, 12), "03/01/2005  ");
    EXPECT_EQ(texts[3].y, 100);
    EXPECT_EQ(texts[4].y, 140) << "one line below the last record";
    EXPECT_EQ(texts[4].text, "Total: 2 events");
}

TEST(EventListLayout, PagesBreakBeforeTheBottomAndStartAtTheTop) {
    const int first = DayNumber(2005, 3, 1);
    EventPrintOptions options;
    options.from = first;
    options.to = first + 30;
    // Lines of 20 on a page of 200: records at 80..160 on the first page.
    const PrintedDocument document = LayoutEventList(Records(16, first), options, {1, false},
                                                     PageGeometry{1000, 200, 100}, FixedMeasure());
    ASSERT_EQ(document.pages.size(), 3u);
    std::vector<int> ys;
    for (const Placed& placed : Texts(document.pages[1])) ys.push_back(placed.y);
    EXPECT_THAT(ys, ElementsAre(0, 20, 40, 60, 80, 100, 120, 140, 160)) << "no title on later pages";
    const auto last = Texts(document.pages[2]);
    EXPECT_EQ(last.back().text, "Total: 16 events");
    EXPECT_EQ(last.back().y, 60);
}

TEST(EventListLayout, NothingInRangeGivesTheTotalZero) {
    EventPrintOptions options;
    options.from = DayNumber(2006, 1, 1);
    options.to = DayNumber(2006, 1, 31);
    options.type = kPrintHolidays;
    const PrintedDocument document = LayoutEventList(Records(3, DayNumber(2005, 3, 1)), options, {2, false},
                                                     PageGeometry{1000, 1000, 100}, FixedMeasure());
    const auto texts = Texts(document.pages[0]);
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[1].text, "Holiday list from 01/01/2006 to 31/01/2006");
    EXPECT_EQ(texts[2].text, "Total: 0 events");
    EXPECT_EQ(texts[2].y, 100);
}

TEST(EventListPrinting, OnAPrinterWritingAPdfFile) {
    test::Application();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("list.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    const int first = DayNumber(2005, 3, 1);
    ReminderLines lines;
    for (int i = 0; i < 150; ++i) {
        lines.push_back(std::to_string(first + i % 31) + "/" +
                        kSequenceCharacters[static_cast<std::size_t>(i / 31)] +
                        "=21010,0,9999,00000000,Holiday " + std::to_string(i));
    }
    EventPrintOptions options;
    options.from = first;
    options.to = DayNumber(2005, 3, 31);
    options.type = kPrintHolidays;
    ASSERT_TRUE(PrintEventList(LoadEventList(lines, {2, false}).entries, options, {2, false}, printer));
    const QString text = dir.filePath(QStringLiteral("list.txt"));
    const std::string command = "pdftotext -layout '" + path.toStdString() + "' '" + text.toStdString() + "'";
    ASSERT_EQ(std::system(command.c_str()), 0);
    QFile file(text);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString content = QString::fromUtf8(file.readAll());
    EXPECT_TRUE(content.contains(QStringLiteral("Holiday list from 01/03/2005 to 31/03/2005")));
    EXPECT_TRUE(content.contains(QStringLiteral("Holiday 149")));
    EXPECT_TRUE(content.contains(QStringLiteral("Total: 150 events")));
    EXPECT_GE(content.count(QLatin1Char('\f')), 2) << "more than one page";
}

TEST(ListForm, DefaultsAndChoices) {
    test::Application();
    AppContext context;
    QPrinter printer;
    TListForm form(context, DayNumber(2005, 3, 8), 1, printer);
    EXPECT_EQ(form.size(), QSize(408, 333));
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Print Event List"));
    EXPECT_EQ(form.Caption()->Title()->Text(), QStringLiteral("Print  [Default Printer]"));
    EXPECT_EQ(form.findChild<QDateEdit*>(QStringLiteral("DateTimePicker1"))->date(), QDate(2005, 3, 8));
    EXPECT_EQ(form.findChild<QDateEdit*>(QStringLiteral("DateTimePicker2"))->date(), QDate(2005, 12, 31));
    EXPECT_EQ(form.findChild<QDateEdit*>(QStringLiteral("DateTimePicker1"))->displayFormat(),
              QStringLiteral("M/dd/yyyy"));
    EXPECT_TRUE(form.findChild<QRadioButton*>(QStringLiteral("TypeAll"))->isChecked());
    EXPECT_EQ(form.findChild<QCheckBox*>(QStringLiteral("ColumnStartLimit"))->text(),
              QStringLiteral("Start Time && Limit"));
    EventPrintOptions options = form.Options();
    EXPECT_EQ(options.from, DayNumber(2005, 3, 8));
    EXPECT_EQ(options.to, DayNumber(2005, 12, 31));
    EXPECT_EQ(options.type, kPrintAll);
    EXPECT_TRUE(options.columns.date && options.columns.time && options.columns.legend &&
                options.columns.warning && options.columns.frequency && options.columns.startAndLimit);

    form.findChild<QRadioButton*>(QStringLiteral("TypeHolidays"))->setChecked(true);
    form.findChild<QCheckBox*>(QStringLiteral("ColumnLegend"))->setChecked(false);
    form.findChild<QDateEdit*>(QStringLiteral("DateTimePicker2"))->setDate(QDate(2005, 3, 31));
    options = form.Options();
    EXPECT_EQ(options.type, kPrintHolidays);
    EXPECT_FALSE(options.columns.legend);
    EXPECT_EQ(options.to, DayNumber(2005, 3, 31));

    form.show();
    form.findChild<QAbstractButton*>(QStringLiteral("PrintButton"))->click();
    EXPECT_EQ(form.result(), QDialog::Accepted);
    TListForm cancelled(context, DayNumber(2005, 3, 8), 2, printer);
    cancelled.show();
    cancelled.Caption()->CloseButton()->click();
    EXPECT_EQ(cancelled.result(), QDialog::Rejected);
    EXPECT_EQ(cancelled.findChild<QDateEdit*>(QStringLiteral("DateTimePicker1"))->displayFormat(),
              QStringLiteral("d/MM/yyyy"));
}

// On a machine without any printer "&Print" offers the print dialog with its
// PDF file instead of failing with "The printer could not be started.".
TEST(ListForm, WithoutAPrinterPrintOffersThePrintDialog) {
    test::Application();
    if (!QPrinterInfo::defaultPrinter().isNull())
        GTEST_SKIP() << "a printer is installed: nothing is sent to it";
    test::SettingsFolder folder;
    ScriptedPrompt prompt;
    AppContext context;
    context.settingsPath = folder.Path();
    context.prompt = &prompt;
    bool printDialogShown = false;
    QTimer answer;
    int ticks = 0;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* dialog = qobject_cast<QPrintDialog*>(modal)) {
            printDialogShown = true;
            dialog->reject();
        } else if (modal && modal->objectName() == QStringLiteral("TListForm")) {
            modal->findChild<QAbstractButton*>(QStringLiteral("PrintButton"))->click();
        } else if (modal) {
            qobject_cast<QDialog*>(modal)->reject();
        }
        if (printDialogShown || ++ticks > 300) answer.stop();
    });
    answer.start(10);
    TListForm::Open(context, nullptr, {});
    answer.stop();
    EXPECT_TRUE(printDialogShown);
    EXPECT_TRUE(prompt.Log().empty());
}

}  // namespace
}  // namespace orvanto
