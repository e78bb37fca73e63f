// The calendar under a German or French locale (compiled into a temporary
// folder, LOCPATH): the start-up sequence as the program runs it, then the
// main window's sunrise line for Madrid ("Latitude=40.42", "Longitude=-3.70")
// is the one of the C locale, minute for minute.
#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "calendar/serial_date.h"
#include "core/clock.h"
#include "core/scripted_prompt.h"
#include "core/settings_keys.h"
#include "core/startup.h"
#include "ui/app/window_launcher.h"
#include "ui/main/main_window.h"
#include "ui/tests/ui_test_support.h"
#include "ui/widgets/ext_label.h"

namespace orvanto {
namespace {

class LocaleStartTest : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        if (std::system("command -v localedef >/dev/null 2>&1") != 0) GTEST_SKIP() << "no localedef";
        locale_ = std::string(GetParam()) + ".UTF-8";
        const std::string command = "localedef --no-archive -i " + std::string(GetParam()) + " -f UTF-8 '" +
                                    (folder_.path() / locale_).string() + "' >/dev/null 2>&1";
        std::system(command.c_str());
        if (!std::filesystem::exists(folder_.path() / locale_ / "LC_NUMERIC")) {
            GTEST_SKIP() << "the locale sources are not installed";
        }
        IniFile(settings_.Path())
            .WriteWholeFile(DefaultSettingsContent() + "\n[Location]\nLatitude=40.42\nLongitude=-3.70\n");
    }
    void TearDown() override {
        std::setlocale(LC_ALL, "C");
        ::unsetenv("LOCPATH");
        ::unsetenv("LC_ALL");
    }

    // The start-up sequence and the main window; its sunrise line.
    QString SunriseLine() {
        ScriptedPrompt prompt;
        FakeClock clock(EncodeDate(2026, 12, 11) + EncodeTime(10, 0, 0));
        const auto start =
            PrepareStart({settings_.Path()}, settings_.Folder() + "/orvanto", clock, false, prompt);
        if (!start) return QString();
        test::CountingSound sound;
        AppEvents events;
        AppContext context;
        context.settingsPath = start->state.settingsPath;
        context.clock = &clock;
        context.prompt = &prompt;
        context.sound = &sound;
        context.events = &events;
        context.timeZoneBias = [](bool) { return -60; };
        WindowLauncher launcher(context);
        const auto window = std::make_unique<TForm1>(context, launcher);
        const auto* label = window->findChild<ExtLabel*>(QStringLiteral("ExtLabel1"));
        return label ? label->Text() : QString();
    }

    struct Folder {
        Folder() {
            std::string pattern = (std::filesystem::temp_directory_path() / "orvanto-locale-XXXXXX").string();
            if (::mkdtemp(pattern.data()) != nullptr) path_ = pattern;
        }
        ~Folder() {
            std::error_code error;
            std::filesystem::remove_all(path_, error);
        }
        const std::filesystem::path& path() const { return path_; }
        std::filesystem::path path_;
    };

    QApplication& application_ = test::Application();
    Folder folder_;
    test::SettingsFolder settings_;
    std::string locale_;
};

TEST_P(LocaleStartTest, SunriseOfMadridIsTheSameAsUnderTheCLocale) {
    const QString expected = SunriseLine();
    ASSERT_TRUE(expected.startsWith(QStringLiteral("Sunrise: 08:"))) << expected.toStdString();

    // The user's locale in force as the toolkit leaves it at its start.
    ::setenv("LOCPATH", folder_.path().c_str(), 1);
    ::setenv("LC_ALL", locale_.c_str(), 1);
    ASSERT_NE(std::setlocale(LC_ALL, ""), nullptr);
    ASSERT_EQ(std::strtod("40.42", nullptr), 40.0) << "the locale reads a comma";
    EXPECT_EQ(SunriseLine(), expected);
    EXPECT_EQ(std::strtod("40.42", nullptr), 40.42);
}

INSTANTIATE_TEST_SUITE_P(Locales, LocaleStartTest, ::testing::Values("de_DE", "fr_FR"),
                         [](const ::testing::TestParamInfo<const char*>& info) {
                             return std::string(info.param);
                         });

}  // namespace
}  // namespace orvanto
