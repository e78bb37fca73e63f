// TMoonForm driven offscreen by objectName: every value against the report code, the
// southern hemisphere, the title without a city, minor phases, a polar place refreshed by
// the timer without any box, the date picker, Enter and Escape, help, and the printed
// report read back from a PDF file.
#include <QApplication>
#include <QDateEdit>
#include <QEventLoop>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QPrinter>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "astronomy/astro_report.h"
#include "astronomy/julian_day.h"
#include "core/clock.h"
#include "core/scripted_prompt.h"
#include "ui/astronomy/moon_form.h"
#include "ui/help/help_window.h"
#include "ui/tests/box_answerer.h"
#include "ui/tests/ui_test_support.h"

namespace orvanto {
namespace {

using V = astro::TAstroValues;

struct Place {
    const char* latitude;
    const char* longitude;
    const char* city;
};

// A window over a settings file of its own, a fixed clock and a fixed zone.
class MoonFormTest : public ::testing::Test {
protected:
    void SetUp() override { test::Application(); }

    void WriteSettings(const Place& place, int dateFormat = 2, bool minorPhases = false) {
        IniFile ini = folder_.Ini();
        ini.WriteString("Location", "Latitude", place.latitude);
        ini.WriteString("Location", "Longitude", place.longitude);
        ini.WriteString("Location", "CityName", place.city);
        ini.WriteInteger("Settings", "DateFormat", dateFormat);
        ini.WriteBool("Settings", "MinorPhases", minorPhases);
    }

    AppContext& Context(int biasMinutes = 0, bool twelveHour = false) {
        clock_.SetBiasMinutes(biasMinutes);
        context_.settingsPath = folder_.Path();
        context_.clock = &clock_;
        context_.prompt = &prompt_;
        context_.sound = &sound_;
        context_.timeStyle.twelveHour = twelveHour;
        context_.timeZoneBias = [biasMinutes](bool) { return biasMinutes; };
        context_.themeIndex = 0;
        return context_;
    }

    QLabel* LabelOf(const TMoonForm& form, const char* name) {
        auto* label = form.findChild<QLabel*>(QString::fromLatin1(name));
        EXPECT_NE(label, nullptr) << name;
        return label;
    }

    test::SettingsFolder folder_;
    // 11 December 2026, 14:00 local time.
    FakeClock clock_{astro::EncodeSerialDate(2026, 12, 11) + 14.0 / 24};
    ScriptedPrompt prompt_;
    test::CountingSound sound_;
    AppContext context_;
};

// Every value label by its objectName and the report member it shows.
struct Shown {
    const char* name;
    std::string V::*value;
};
constexpr Shown kShown[] = {
    {"JulianDate", &V::julianDate},
    {"LitFraction", &V::litFraction},
    {"MoonAge", &V::moonAge},
    {"Lunation", &V::lunation},
    {"MoonSubtends", &V::moonSubtends},
    {"MoonRise", &V::moonRise},
    {"MoonTransit", &V::moonTransit},
    {"MoonSet", &V::moonSet},
    {"CurrentPhaseName", &V::currentPhaseName},
    {"CurrentPhaseDate", &V::currentPhaseDate},
    {"NextPhaseName", &V::nextPhaseName},
    {"NextPhaseDate", &V::nextPhaseDate},
    {"MoonDistance", &V::moonDistance},
    {"NextMoonEclipse", &V::nextMoonEclipse},
    {"NextPerigee", &V::nextPerigee},
    {"NextApogee", &V::nextApogee},
    {"SunRise", &V::sunRise},
    {"SunTransit", &V::sunTransit},
    {"SunSet", &V::sunSet},
    {"Daylight", &V::daylight},
    {"SunDistanceKm", &V::sunDistanceKm},
    {"SunDistanceMiles", &V::sunDistanceMiles},
    {"SunSubtends", &V::sunSubtends},
    {"NextSunEclipseDate", &V::nextSunEclipseDate},
    {"NextSunEclipseKind", &V::nextSunEclipseKind},
    {"CivilStart", &V::civilStart},
    {"CivilEnd", &V::civilEnd},
    {"NauticalStart", &V::nauticalStart},
    {"NauticalEnd", &V::nauticalEnd},
    {"AstronomicalStart", &V::astronomicalStart},
    {"AstronomicalEnd", &V::astronomicalEnd},
    {"Elevation", &V::elevation},
    {"Azimuth", &V::azimuth},
    {"PositionNote", &V::positionNote},
};

TEST_F(MoonFormTest, ShowsEveryValueOfTheReportForADateAndPlace) {
    WriteSettings({"51.4667", "0", "Greenwich Obs, England"});
    TMoonForm form(Context(), std::nullopt);
    EXPECT_EQ(form.size(), QSize(566, 378));
    EXPECT_EQ(form.Caption()->Title()->Text(),
              QStringLiteral("Astronomical Data for Greenwich Obs, England"));
    EXPECT_EQ(form.DatePicker()->date(), QDate(2026, 12, 11));
    EXPECT_EQ(form.DatePicker()->displayFormat(), QStringLiteral("d/MM/yyyy"));
    auto* pages = form.findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    ASSERT_NE(pages, nullptr);
    ASSERT_EQ(pages->count(), 3);
    EXPECT_EQ(pages->tabText(0), QStringLiteral("The Moon"));
    EXPECT_EQ(pages->tabText(1), QStringLiteral("The Sun"));
    EXPECT_EQ(pages->tabText(2), QStringLiteral("The Seasons"));
    EXPECT_EQ(pages->currentIndex(), 0);

    const V expected = astro::ComputeAstroValues(form.ReportInput());
    for (const Shown& s : kShown) {
        QLabel* label = LabelOf(form, s.name);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text().toStdString(), expected.*(s.value)) << s.name;
    }
    for (int i = 0; i < 4; ++i) {
        const std::string n = std::to_string(i + 1);
        EXPECT_EQ(LabelOf(form, ("SeasonCaption" + n).c_str())->text().toStdString(),
                  expected.seasons[i].caption);
        EXPECT_EQ(LabelOf(form, ("SeasonThisYear" + n).c_str())->text().toStdString(),
                  expected.seasons[i].thisYear);
        EXPECT_EQ(LabelOf(form, ("SeasonNextYear" + n).c_str())->text().toStdString(),
                  expected.seasons[i].nextYear);
    }
    EXPECT_EQ(LabelOf(form, "SeasonCaption1")->text(), QStringLiteral("Spring Equinox:"));
    EXPECT_EQ(LabelOf(form, "JulianDate")->text(), QStringLiteral("2,461,386.0833"));
    // The caption of every value is there, as the window's own text.
    for (const char* caption : {"Date:",
                                "Julian Date:",
                                "Current moon phase:",
                                "Lit Fraction:",
                                "Age of Moon:",
                                "Lunation:",
                                "Next moon phase:",
                                "Next Moon eclipse:",
                                "Next perigee:",
                                "Next apogee:",
                                "Moon distance:",
                                "Moon subtends:",
                                "Moon rise:",
                                "Moon transit:",
                                "Moon set:",
                                "Sun rise:",
                                "Sun transit:",
                                "Sun set:",
                                "Sun distance:",
                                "Sun subtends:",
                                "Next Sun eclipse:",
                                "Daylight:",
                                "Civil:",
                                "Nautical:",
                                "Astronomical:",
                                "Elevation:",
                                "Azimuth:"}) {
        bool found = false;
        for (const QLabel* label : form.findChildren<QLabel*>())
            if (label->text() == QString::fromLatin1(caption)) found = true;
        EXPECT_TRUE(found) << caption;
    }
    // The moon picture shows the window date, with the current phase as its hint.
    EXPECT_EQ(form.MoonImage()->Date(), form.ReportInput().windowDate);
    EXPECT_EQ(form.MoonImage()->toolTip().toStdString(), expected.currentPhaseName);
    EXPECT_EQ(form.MoonImage()->Rotation(), astro::rot_none);
    EXPECT_EQ(form.MoonImage()->MoonSize(), astro::ms64);
    EXPECT_EQ(form.RefreshTimer()->interval(), 1000);
    EXPECT_TRUE(form.RefreshTimer()->isActive());
}

// South of the equator the March instant is the autumn equinox and the moon is turned.
TEST_F(MoonFormTest, SouthernHemisphereCaptionsAndTheTurnedMoon) {
    WriteSettings({"-33.9", "151.2", "Sydney, Australia"}, 1);
    TMoonForm form(Context(-660), std::nullopt);
    const char* expected[] = {"Autumn Equinox:", "Winter Solstice:", "Spring Equinox:", "Summer Solstice:"};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(LabelOf(form, ("SeasonCaption" + std::to_string(i + 1)).c_str())->text().toStdString(),
                  expected[i]);
    EXPECT_TRUE(LabelOf(form, "SeasonThisYear1")->text().startsWith(QStringLiteral("03/")));
    EXPECT_EQ(form.MoonImage()->Rotation(), astro::rot_180);
    EXPECT_EQ(form.DatePicker()->displayFormat(), QStringLiteral("M/dd/yyyy"));
    EXPECT_EQ(form.ReportInput().zoneHours, 11);
}

TEST_F(MoonFormTest, WithoutACityTheTitleIsPlain) {
    WriteSettings({"40.7128", "-74.006", ""});
    TMoonForm form(Context(300), std::nullopt);
    EXPECT_EQ(form.Caption()->Title()->Text(), QStringLiteral("Astronomical Data"));
}

// Without "MinorPhases" only the four principal phases are ever named; with it the
// intermediate ones appear too.
TEST_F(MoonFormTest, MinorPhasesOnAndOff) {
    const QStringList principal = {"New Moon,", "First Quarter,", "Full Moon,", "Last Quarter,"};
    for (const bool minor : {false, true}) {
        WriteSettings({"51.4667", "0", "Greenwich"}, 2, minor);
        TMoonForm form(Context(), std::nullopt);
        int minorSeen = 0;
        for (int day = 0; day < 30; day += 3) {
            form.DatePicker()->setDate(QDate(2026, 12, 1).addDays(day));
            form.Refresh();
            for (const char* name : {"CurrentPhaseName", "NextPhaseName"})
                if (!principal.contains(LabelOf(form, name)->text())) ++minorSeen;
        }
        if (minor)
            EXPECT_GT(minorSeen, 0);
        else
            EXPECT_EQ(minorSeen, 0);
    }
}

// At 78 N in December neither the sun nor (on some days) the moon rises: those fields say
// so, everything else refreshes, and no box comes up from the timer.
TEST_F(MoonFormTest, PolarPlaceShowsNoRisesOrSetsAndRaisesNoBox) {
    WriteSettings({"78.22", "15.65", "Longyearbyen"});
    test::BoxAnswerer boxes;
    TMoonForm form(Context(-60), std::nullopt);
    form.show();
    const QString none = QStringLiteral("No rises or sets calculable");
    for (const char* name : {"SunRise", "SunTransit", "SunSet", "Daylight"})
        EXPECT_EQ(LabelOf(form, name)->text(), none) << name;
    EXPECT_EQ(LabelOf(form, "CivilStart")->text(), QStringLiteral("00:00:00"));
    const QString age = LabelOf(form, "MoonAge")->text();
    // Two ticks of the timer, a minute of the clock apart.
    for (int tick = 0; tick < 2; ++tick) {
        clock_.AdvanceSeconds(60);
        QEventLoop loop;
        QTimer::singleShot(1100, &loop, &QEventLoop::quit);
        loop.exec();
    }
    EXPECT_NE(LabelOf(form, "MoonAge")->text(), age);
    EXPECT_EQ(LabelOf(form, "SunRise")->text(), none);
    EXPECT_TRUE(boxes.Seen().empty());
    EXPECT_TRUE(prompt_.Log().empty());
    form.close();
}

// A date chosen in the picker takes effect at the next refresh; the time of day stays the
// clock's.
TEST_F(MoonFormTest, ThePickedDateIsTheWindowDate) {
    WriteSettings({"51.4667", "0", "Greenwich"});
    TMoonForm form(Context(), CivilDate{2000, 1, 21});
    EXPECT_EQ(form.DatePicker()->date(), QDate(2000, 1, 21));
    EXPECT_TRUE(LabelOf(form, "JulianDate")->text().startsWith(QStringLiteral("2,451,565.08")));
    form.DatePicker()->setDate(QDate(1753, 1, 4));
    form.Refresh();
    EXPECT_EQ(form.ReportInput().windowDate, astro::EncodeSerialDate(1753, 1, 4) + 14.0 / 24);
    // 14:00 is before the new moon of 14:33: it is the next phase, each on its own day.
    EXPECT_EQ(LabelOf(form, "NextPhaseName")->text(), QStringLiteral("New Moon,"));
    EXPECT_EQ(LabelOf(form, "NextPhaseDate")->text(), QStringLiteral("04/01/1753,  14:33"));
    EXPECT_EQ(LabelOf(form, "CurrentPhaseName")->text(), QStringLiteral("Last Quarter,"));
    const V expected = astro::ComputeAstroValues(form.ReportInput());
    EXPECT_EQ(LabelOf(form, "SunRise")->text().toStdString(), expected.sunRise);
}

// Twelve-hour times, the longest texts and a polar place: no value is wider than its
// label, and every control lies inside the window.
TEST_F(MoonFormTest, NothingIsClipped) {
    const Place places[] = {
        {"-33.9", "151.2", "Sydney"}, {"78.22", "15.65", "Longyearbyen"}, {"64.84", "-147.72", "Fairbanks"}};
    for (const Place& place : places) {
        WriteSettings(place, 1, true);
        TMoonForm form(Context(-600, true), std::nullopt);
        for (int day = 0; day < 40; day += 4) {
            form.DatePicker()->setDate(QDate(2026, 11, 20).addDays(day));
            form.Refresh();
            for (const QLabel* label : form.findChildren<QLabel*>()) {
                const int needed = label->fontMetrics().horizontalAdvance(label->text());
                EXPECT_LE(needed, label->width())
                    << label->objectName().toStdString() << ": " << label->text().toStdString();
            }
        }
        // The window's own controls and those of its pages (not the inner parts of Qt's
        // widgets or of the caption bar, which place themselves).
        QList<QWidget*> controls = form.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        for (const char* page : {"MoonPage", "SunPage", "SeasonsPage", "SunPositionGroup", "TwilightGroup"})
            controls += form.findChild<QWidget*>(QString::fromLatin1(page))
                            ->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        for (const QWidget* child : controls) {
            if (child->isWindow() || child->inherits("CaptionBar") ||
                child->objectName() == QStringLiteral("CaptionBar"))
                continue;
            const QRect inParent = child->geometry();
            const QRect parentRect = child->parentWidget()->rect();
            if (!child->isHidden()) {
                EXPECT_TRUE(parentRect.contains(inParent))
                    << child->metaObject()->className() << " " << child->objectName().toStdString();
            }
        }
    }
}

TEST_F(MoonFormTest, EnterAndEscapeCloseTheWindow) {
    WriteSettings({"51.4667", "0", "Greenwich"});
    for (const int key : {Qt::Key_Return, Qt::Key_Escape}) {
        TMoonForm form(Context(), std::nullopt);
        form.show();
        QApplication::processEvents();
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(&form, &press);
        QApplication::processEvents();
        EXPECT_FALSE(form.isVisible()) << key;
    }
}

TEST_F(MoonFormTest, HelpOpensTheAstronomyTopic) {
    WriteSettings({"51.4667", "0", "Greenwich"});
    TMoonForm form(Context(), std::nullopt);
    auto* help = form.findChild<QAbstractButton*>(QStringLiteral("HelpBtn"));
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->text(), QStringLiteral("&Help"));
    EXPECT_EQ(form.findChild<QAbstractButton*>(QStringLiteral("PrintBtn"))->text(), QStringLiteral("&Print"));
    EXPECT_EQ(form.findChild<QAbstractButton*>(QStringLiteral("CloseBtn"))->text(), QStringLiteral("&Close"));
    help->click();
    HelpWindow* window = OpenHelpWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->Browser()->source(), QUrl(QStringLiteral("qrc:/help/AstroModule.htm")));
    CloseHelpWindows();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_EQ(OpenHelpWindow(), nullptr);
    // F1 does the same.
    form.show();
    QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
    QApplication::sendEvent(&form, &f1);
    window = OpenHelpWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->Browser()->source(), QUrl(QStringLiteral("qrc:/help/AstroModule.htm")));
    EXPECT_TRUE(form.isVisible());
    CloseHelpWindows();
    form.close();
}

std::string ReadText(const std::string& path) {
    std::ifstream in(path);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The printed report, read back from a PDF file: the title first, then every line of the
// report in its order, with the values the window shows; the headings are bold.
TEST_F(MoonFormTest, PrintsTheReportOfTheValuesShown) {
    WriteSettings({"51.4667", "0", "Greenwich Obs, England"});
    TMoonForm form(Context(), std::nullopt);
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("report.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    ASSERT_TRUE(form.PrintReport(printer));

    const std::string text = dir.filePath(QStringLiteral("report.txt")).toStdString();
    ASSERT_EQ(std::system(("pdftotext '" + pdf.toStdString() + "' '" + text + "'").c_str()), 0);
    std::vector<std::string> printed;
    std::istringstream in(ReadText(text));
    for (std::string line; std::getline(in, line);) {
        while (!line.empty() && (line.back() == ' ' || line.back() == '\f')) line.pop_back();
        if (!line.empty()) printed.push_back(line);
    }
    std::vector<std::string> expected;
    for (const astro::TReportLine& line : astro::AstroReportLines(form.Values())) {
        std::string t = line.text;
        while (!t.empty() && t.back() == ' ') t.pop_back();
        expected.push_back(t);
    }
    // pdftotext may widen or narrow runs of blanks; compare word by word.
    const auto words = [](const std::vector<std::string>& lines) {
        std::vector<std::string> all;
        for (const std::string& l : lines) {
            std::istringstream s(l);
            for (std::string w; s >> w;) all.push_back(w);
            all.push_back("\n");
        }
        return all;
    };
    EXPECT_EQ(words(printed), words(expected));
    ASSERT_FALSE(printed.empty());
    EXPECT_EQ(printed.front(), "Orvanto Astronomical Report");
    EXPECT_NE(ReadText(text).find("Sun rise: " + form.Values().sunRise), std::string::npos);

    const std::string fonts = dir.filePath(QStringLiteral("fonts.txt")).toStdString();
    ASSERT_EQ(std::system(("pdffonts '" + pdf.toStdString() + "' > '" + fonts + "'").c_str()), 0);
    EXPECT_NE(ReadText(fonts).find("Serif-Bold"), std::string::npos);
}

}  // namespace
}  // namespace orvanto
