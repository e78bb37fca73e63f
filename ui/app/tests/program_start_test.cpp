// The program's start-up in a temporary folder: in-process with the real
// message boxes, and the built program itself in check-and-quit mode.
#include <gtest/gtest.h>

#include <QProcess>
#include <QStringList>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "core/clock.h"
#include "core/settings_keys.h"
#include "core/startup.h"
#include "ui/app/message_prompt.h"
#include "ui/tests/box_answerer.h"

namespace orvanto {
namespace {

using test::BoxAnswerer;

class TempFolder {
public:
    TempFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "orvanto-ui-XXXXXX").string();
        if (::mkdtemp(pattern.data()) != nullptr) path_ = pattern;
    }
    ~TempFolder() {
        std::error_code error;
        std::filesystem::remove_all(path_, error);
    }
    std::string File(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(ProgramStartTest, FirstStartInAnEmptyFolderCreatesTheFileWithRealBoxes) {
    const TempFolder folder;
    // An installed program: its files go to the user's config folder.
    const QByteArray previous = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", folder.File("config").c_str());
    BoxAnswerer answerer;
    MessagePrompt prompt;
    const FakeClock clock(46367.5);
    const auto start = PrepareStart({"-C"}, folder.File("orvanto"), clock, false, prompt);
    qputenv("XDG_CONFIG_HOME", previous);
    ASSERT_TRUE(start);
    EXPECT_TRUE(start->state.skipEventLoop);
    const std::string path = folder.File("config/orvanto/ORVANTO.INI");
    EXPECT_EQ(ReadFile(path), DefaultSettingsContent());
    ASSERT_EQ(answerer.Seen().size(), 2u);
    // The path as it is: upper-cased, it would name a file that does not exist.
    EXPECT_EQ(answerer.Seen()[0].text, path + " has been succesfully created.");
    EXPECT_EQ(answerer.Seen()[0].icon, QMessageBox::Information);
    EXPECT_EQ(answerer.Seen()[1].title, "Orvanto");
    EXPECT_EQ(answerer.Seen()[1].text,
              "Don't forget to set up your city in the Settings window.\n"
              "Assuming Greenwich Observatory in England.");
}

// A settings file with a chosen city, so the program shows no box at start.
std::string WriteConfiguredSettings(const std::string& path) {
    const std::string content =
        DefaultSettingsContent() + "\n[Location]\nLatitude=40.4168\nLongitude=-3.7038\n";
    std::ofstream out(path, std::ios::binary);
    out << content;
    return content;
}

void StartProgram(QProcess& program, const QStringList& arguments) {
    program.setProgram(QString::fromUtf8(ORVANTO_BIN_DIR "/orvanto"));
    program.setArguments(arguments);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    program.setProcessEnvironment(environment);
    program.start();
}

TEST(ProgramStartTest, CheckAndQuitEndsWithoutAWindowAndWritesNothing) {
    const TempFolder folder;
    const std::string path = folder.File("cal.INI");
    const std::string content = WriteConfiguredSettings(path);
    QProcess program;
    StartProgram(program, {QStringLiteral("-C"), QString::fromStdString(folder.File("cal.txt"))});
    ASSERT_TRUE(program.waitForFinished(20000)) << "the program did not end by itself";
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);
    EXPECT_EQ(ReadFile(path), content);
}

TEST(ProgramStartTest, LowerCaseSettingsNameUsesTheFileThatExists) {
    const TempFolder folder;
    const std::string path = folder.File("cal.ini");
    const std::string content = WriteConfiguredSettings(path);
    QProcess program;
    StartProgram(program, {QStringLiteral("-C"), QString::fromStdString(path)});
    ASSERT_TRUE(program.waitForFinished(20000)) << "the program did not end by itself";
    EXPECT_EQ(program.exitCode(), 0);
    EXPECT_EQ(ReadFile(path), content);
    EXPECT_FALSE(std::filesystem::exists(folder.File("cal.INI"))) << "a second settings file was created";
}

TEST(ProgramStartTest, NormalStartKeepsRunningWithItsWindow) {
    const TempFolder folder;
    WriteConfiguredSettings(folder.File("cal.INI"));
    QProcess program;
    StartProgram(program, {QString::fromStdString(folder.File("cal.INI"))});
    ASSERT_TRUE(program.waitForStarted(10000));
    // The event loop runs: the program is still there after a while.
    EXPECT_FALSE(program.waitForFinished(1500)) << "the program ended by itself";
    program.kill();
    program.waitForFinished(10000);
}

}  // namespace
}  // namespace orvanto
