// The fixed layouts at a font resolution of 96 and of 192 dpi with high-DPI
// scaling off (a desktop that keeps Xft.dpi 192): every caption of a check box
// or radio button fits its box and every control lies inside its window. The
// resolution of a screen is fixed when the application starts, so each
// resolution runs in a child process of this test program on an offscreen
// screen of that resolution.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QProcess>
#include <QRadioButton>
#include <QScreen>

#include <cstdlib>
#include <fstream>
#include <string>

#include "core/scripted_prompt.h"
#include "test_support/temp_folder.h"
#include "ui/reminders/add_rem_form.h"
#include "ui/tests/ui_test_support.h"
#include "ui/widgets/hint_style.h"

namespace orvanto {
namespace {

constexpr const char* kChildVariable = "ORVANTO_LAYOUT_DPI";

TEST(HighDpiLayout, AddEventDialogHoldsAt96And192DpiWithScalingOff) {
    if (std::getenv(kChildVariable)) GTEST_SKIP() << "in the child";
    test::TempFolder folder("orvanto-dpi");
    for (int dpi : {96, 192}) {
        SCOPED_TRACE(dpi);
        const std::string config = (folder.Path() / ("screen" + std::to_string(dpi) + ".json")).string();
        std::ofstream(config) << "{\"screens\": [{\"name\": \"screen\", \"x\": 0, \"y\": 0, \"width\": 1280, "
                                 "\"height\": 1024, \"logicalDpi\": "
                              << dpi << ", \"logicalBaseDpi\": 96, \"dpr\": 1}]}";
        QProcess child;
        child.setProgram(QStringLiteral("/proc/self/exe"));
        child.setArguments({QStringLiteral("--gtest_filter=HighDpiLayoutAtOneResolution.*")});
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"),
                           QStringLiteral("offscreen:configfile=") + QString::fromStdString(config));
        environment.insert(QStringLiteral("QT_ENABLE_HIGHDPI_SCALING"), QStringLiteral("0"));
        environment.insert(QString::fromLatin1(kChildVariable), QString::number(dpi));
        child.setProcessEnvironment(environment);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start();
        ASSERT_TRUE(child.waitForFinished(60000));
        const std::string output = child.readAll().toStdString();
        EXPECT_EQ(child.exitCode(), 0) << output;
        EXPECT_NE(output.find("[  PASSED  ] 1 test"), std::string::npos) << output;
    }
}

TEST(HighDpiLayoutAtOneResolution, AddEventDialogCaptionsFit) {
    const char* dpi = std::getenv(kChildVariable);
    if (!dpi) GTEST_SKIP() << "run by HighDpiLayout in a child process";
    test::Application();
    ASSERT_EQ(static_cast<int>(QGuiApplication::primaryScreen()->logicalDotsPerInchY()), std::atoi(dpi));
    ASSERT_EQ(QGuiApplication::primaryScreen()->devicePixelRatio(), 1.0);
    SetHintPause(3000);  // the program's style, as the main window installs it

    test::SettingsFolder folder;
    FakeClock clock(0);
    ScriptedPrompt prompt;
    test::CountingSound sound;
    AddReminderContext context;
    context.settingsPath = folder.Path();
    context.clock = &clock;
    context.prompt = &prompt;
    context.sound = &sound;
    TAddRemForm form(context, CivilDate{2026, 12, 16}, false);
    form.show();
    for (QAbstractButton* box : form.findChildren<QAbstractButton*>()) {
        if (!qobject_cast<QCheckBox*>(box) && !qobject_cast<QRadioButton*>(box)) continue;
        SCOPED_TRACE(box->text().toStdString());
        // Two pixels of the hint are the style's trailing margin ("Count
        // limit: Times" asks for them at 96 dpi too).
        EXPECT_LE(box->sizeHint().width(), box->width() + 2) << "the caption is cut";
        EXPECT_LE(box->sizeHint().height(), box->height() + 2);
        EXPECT_TRUE(box->parentWidget()->rect().contains(box->geometry())) << "outside its page";
    }
}

}  // namespace
}  // namespace orvanto
