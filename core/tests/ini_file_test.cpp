#include "core/ini_file.h"

#include <gtest/gtest.h>

#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "core/tests/temp_folder.h"

namespace orvanto {
namespace {

using test::ReadFileBytes;
using test::TempFolder;
using test::WriteFileBytes;

class IniFileTest : public ::testing::Test {
protected:
    IniFile WithContent(const std::string& content) {
        WriteFileBytes(path_, content);
        return IniFile(path_);
    }
    std::string Content() const { return ReadFileBytes(path_); }

    TempFolder folder_;
    std::string path_ = folder_.File("ORVANTO.INI");
};

// --- reading -----------------------------------------------------------------

struct ReadCase {
    const char* content;
    const char* section;
    const char* key;
    const char* expected;
};

class IniFileReadTest : public IniFileTest, public ::testing::WithParamInterface<ReadCase> {};

TEST_P(IniFileReadTest, ReadsTextValue) {
    const ReadCase& c = GetParam();
    EXPECT_EQ(WithContent(c.content).ReadString(c.section, c.key, "<default>"), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IniFileReadTest,
    ::testing::Values(
        ReadCase{"[Settings]\nWaveFile=bell.wav\n", "Settings", "WaveFile", "bell.wav"},
        ReadCase{"[settings]\nwavefile=bell.wav\n", "SETTINGS", "WaveFile", "bell.wav"},
        ReadCase{"  [ Settings ]  \n  WaveFile  =  bell.wav  \n", "Settings", "WaveFile", "bell.wav"},
        ReadCase{"[Settings]\r\nWaveFile=bell.wav\r\n", "Settings", "WaveFile", "bell.wav"},
        ReadCase{"[Settings]\nWaveFile=\n", "Settings", "WaveFile", ""},
        ReadCase{"[Settings]\nWaveFile=a=b\n", "Settings", "WaveFile", "a=b"},
        ReadCase{"[Settings]\nWaveFile=last line without end", "Settings", "WaveFile",
                 "last line without end"},
        ReadCase{"[Colors]\nWaveFile=x\n[Settings]\nTop=1\n", "Settings", "WaveFile", "<default>"},
        ReadCase{"WaveFile=before any section\n[Settings]\n", "Settings", "WaveFile", "<default>"},
        ReadCase{"[Settings]\nTop=1\n", "Settings", "WaveFile", "<default>"},
        ReadCase{"[Settings]\nWaveFile=first\nWaveFile=second\n", "Settings", "WaveFile", "first"},
        ReadCase{"[Settings]\nWaveFile=first\n[Settings]\nWaveFile=second\n", "Settings", "WaveFile",
                 "first"},
        ReadCase{"[Settings]\njust words\n=no key\nWaveFile=ok\n", "Settings", "WaveFile", "ok"},
        ReadCase{"[Settings]\nWave File=spaced key\n", "Settings", "wave file", "spaced key"},
        ReadCase{"[Settings]\n\tWaveFile\t=\tbell.wav\t\n", "Settings", "WaveFile", "bell.wav"}));

struct IntegerCase {
    const char* value;
    int expected;
};

class IniFileIntegerTest : public IniFileTest, public ::testing::WithParamInterface<IntegerCase> {};

TEST_P(IniFileIntegerTest, ReadsIntegerOrDefault) {
    const IntegerCase& c = GetParam();
    const IniFile ini = WithContent(std::string("[Settings]\nDateFormat=") + c.value + "\n");
    EXPECT_EQ(ini.ReadInteger("Settings", "DateFormat", -77), c.expected) << c.value;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IniFileIntegerTest,
    ::testing::Values(IntegerCase{"2", 2}, IntegerCase{"0x2", 2}, IntegerCase{"0X2", 2},
                      IntegerCase{"0xff", 255}, IntegerCase{"0XFF0000", 16711680},
                      IntegerCase{"-1", -1}, IntegerCase{"+5", 5}, IntegerCase{"007", 7},
                      IntegerCase{"16777215", 16777215}, IntegerCase{"2147483647", 2147483647},
                      IntegerCase{"-2147483648", -2147483647 - 1},
                      IntegerCase{"0xFFFFFFFF", -1},
                      // Not numbers: the default.
                      IntegerCase{"", -77}, IntegerCase{"abc", -77}, IntegerCase{"12abc", -77},
                      IntegerCase{"1 2", -77}, IntegerCase{"0x", -77}, IntegerCase{"0xG", -77},
                      IntegerCase{"2147483648", -77}, IntegerCase{"0x100000000", -77},
                      IntegerCase{"1.5", -77}, IntegerCase{"-", -77}));

TEST_F(IniFileTest, BooleanIsAnyIntegerOtherThanZero) {
    const IniFile ini = WithContent("[S]\na=0\nb=1\nc=2\nd=-1\ne=yes\n");
    EXPECT_FALSE(ini.ReadBool("S", "a", true));
    EXPECT_TRUE(ini.ReadBool("S", "b", false));
    EXPECT_TRUE(ini.ReadBool("S", "c", false));
    EXPECT_TRUE(ini.ReadBool("S", "d", false));
    EXPECT_TRUE(ini.ReadBool("S", "e", true));    // not a number: the default
    EXPECT_FALSE(ini.ReadBool("S", "e", false));
    EXPECT_TRUE(ini.ReadBool("S", "missing", true));
}

TEST_F(IniFileTest, TextIsCutAt1023Characters) {
    const IniFile ini = WithContent("[S]\nascii=" + std::string(2000, 'a') + "\n");
    EXPECT_EQ(ini.ReadString("S", "ascii", ""), std::string(1023, 'a'));
    EXPECT_EQ(ini.ReadSectionPairs("S").at(0).second.size(), 1023u);
}

TEST_F(IniFileTest, TextCutNeverSplitsAUtf8Character) {
    // "é" is two bytes, "€" three: 1023 characters whole, never a broken byte.
    const std::string e = "\xC3\xA9";
    const std::string euro = "\xE2\x82\xAC";
    std::string value;
    for (int i = 0; i < 600; ++i) value += e + euro;
    const IniFile ini = WithContent("[S]\nk=" + value + "\n");
    std::string expected;
    for (int i = 0; i < 511; ++i) expected += e + euro;
    expected += e;
    EXPECT_EQ(ini.ReadString("S", "k", ""), expected);
}

TEST_F(IniFileTest, MissingFileGivesDefaults) {
    const IniFile ini(folder_.File("none.ini"));
    EXPECT_FALSE(ini.Exists());
    EXPECT_EQ(ini.ReadString("S", "k", "d"), "d");
    EXPECT_EQ(ini.ReadInteger("S", "k", 9), 9);
    EXPECT_FALSE(ini.SectionExists("S"));
    EXPECT_TRUE(ini.ReadSection("S").empty());
}

TEST_F(IniFileTest, UnreadableFileNeverCrashesAReader) {
    // A folder where the file should be: it cannot be read as a file.
    const IniFile ini(folder_.Path().string());
    EXPECT_EQ(ini.ReadString("Settings", "Top", "d"), "d");
    EXPECT_EQ(ini.ReadInteger("Settings", "Top", -1), -1);
    EXPECT_TRUE(ini.ReadSectionValues("Reminders").empty());
    EXPECT_FALSE(ini.ValueExists("Settings", "Top"));
}

TEST_F(IniFileTest, BinaryFileNeverCrashesAReader) {
    std::string bytes;
    for (int i = 0; i < 70000; ++i) bytes.push_back(static_cast<char>((i * 7919) % 256));
    bytes += "\n[Settings]\nTop=\xFF\xFE\0\x80=\n";
    const IniFile ini = WithContent(bytes);
    EXPECT_EQ(ini.ReadInteger("Settings", "Top", -1), -1);
    EXPECT_NO_THROW(ini.ReadSectionPairs("Settings"));
    EXPECT_NO_THROW(ini.ReadString("\xC3", "\x80", ""));
}

TEST_F(IniFileTest, LinesWithoutEqualsAreIgnoredByReaders) {
    const IniFile ini = WithContent("no sections at all\nnor keys\n[\n]\n[Settings\nTop 5\n");
    EXPECT_EQ(ini.ReadInteger("Settings", "Top", -1), -1);
    EXPECT_TRUE(ini.ReadSection("Settings").empty());
}

TEST_F(IniFileTest, SectionReadsKeepFileOrder) {
    const IniFile ini = WithContent(
        "[Reminders]\n 20260101/0 = 1,0,,,New year \nnot a record\n20251231/1=2,0,,,Eve\n"
        "[Other]\nx=1\n");
    EXPECT_EQ(ini.ReadSection("reminders"), (std::vector<std::string>{"20260101/0", "20251231/1"}));
    EXPECT_EQ(ini.ReadSectionValues("Reminders"),
              (std::vector<std::string>{"20260101/0=1,0,,,New year", "20251231/1=2,0,,,Eve"}));
    EXPECT_TRUE(ini.SectionExists("OTHER"));
    EXPECT_TRUE(ini.ValueExists("other", "X"));
    EXPECT_FALSE(ini.ValueExists("Other", "y"));
}

// --- writing -----------------------------------------------------------------

TEST_F(IniFileTest, WriteReplacesValueInPlace) {
    IniFile ini = WithContent("; comment\n[Settings]\nTop=5\nLeft=6\n\n[Colors]\nTheme=0\n");
    ini.WriteInteger("settings", "TOP", 120);
    EXPECT_EQ(Content(), "; comment\n[Settings]\nTop=120\nLeft=6\n\n[Colors]\nTheme=0\n");
}

TEST_F(IniFileTest, WriteAppendsNewKeyToItsSectionBeforeTheBlankLine) {
    IniFile ini = WithContent("[Settings]\nTop=5\n\n[Colors]\nTheme=0\n");
    ini.WriteString("Settings", "HistoryFile", "/tmp/h.txt");
    EXPECT_EQ(Content(), "[Settings]\nTop=5\nHistoryFile=/tmp/h.txt\n\n[Colors]\nTheme=0\n");
}

TEST_F(IniFileTest, WriteAppendsMissingSectionAtTheEnd) {
    IniFile ini = WithContent("[Settings]\nTop=5\n");
    ini.WriteString("Location", "Latitude", "40.4");
    EXPECT_EQ(Content(), "[Settings]\nTop=5\n\n[Location]\nLatitude=40.4\n");
}

TEST_F(IniFileTest, WriteCreatesMissingFile) {
    IniFile ini(folder_.File("new.ini"));
    ini.WriteBool("Print", "PrintMoon", true);
    EXPECT_EQ(ReadFileBytes(ini.FileName()), "[Print]\nPrintMoon=1\n");
}

TEST_F(IniFileTest, WriteKeepsLinesItDoesNotUnderstandAndCrlf) {
    IniFile ini = WithContent("[Settings]\r\n# my note\r\n  odd line  \r\nTop=1\r\n");
    ini.WriteInteger("Settings", "Left", 2);
    EXPECT_EQ(Content(), "[Settings]\r\n# my note\r\n  odd line  \r\nTop=1\r\nLeft=2\r\n");
}

TEST_F(IniFileTest, WriteIsSeenByTheNextReadOfAnotherInstance) {
    IniFile writer = WithContent("[Settings]\nTop=1\n");
    const IniFile reader(path_);
    EXPECT_EQ(reader.ReadInteger("Settings", "Top", 0), 1);
    writer.WriteInteger("Settings", "Top", 2);
    EXPECT_EQ(reader.ReadInteger("Settings", "Top", 0), 2);
}

TEST_F(IniFileTest, LineBreakInValueCannotAddLines) {
    IniFile ini = WithContent("[Settings]\n");
    ini.WriteString("Settings", "WaveFile", "a\n[Colors]\nTheme=5");
    EXPECT_EQ(Content(), "[Settings]\nWaveFile=a [Colors] Theme=5\n");
    EXPECT_FALSE(ini.SectionExists("Colors"));
}

TEST_F(IniFileTest, WriteLeavesNoTemporaryFileAndKeepsMode) {
    IniFile ini = WithContent("[S]\n");
    ::chmod(path_.c_str(), 0640);
    ini.WriteString("S", "k", "v");
    struct stat info {};
    ASSERT_EQ(::stat(path_.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    int entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder_.Path())) ++entries;
    EXPECT_EQ(entries, 1);
}

TEST_F(IniFileTest, WriteThroughSymbolicLinkKeepsTheLink) {
    const std::string target = folder_.File("real.ini");
    WriteFileBytes(target, "[S]\nk=1\n");
    std::filesystem::create_symlink(target, path_);
    IniFile ini(path_);
    ini.WriteInteger("S", "k", 2);
    EXPECT_TRUE(std::filesystem::is_symlink(path_));
    EXPECT_EQ(ReadFileBytes(target), "[S]\nk=2\n");
}

TEST_F(IniFileTest, EraseSectionRemovesItsLinesOnly) {
    IniFile ini = WithContent("[Settings]\nTop=1\n\n[Reminders]\na=1\nb=2\n\n[Print]\nLastType=1\n");
    ini.EraseSection("REMINDERS");
    EXPECT_EQ(Content(), "[Settings]\nTop=1\n\n[Print]\nLastType=1\n");
    ini.EraseSection("Missing");
    EXPECT_EQ(Content(), "[Settings]\nTop=1\n\n[Print]\nLastType=1\n");
}

TEST_F(IniFileTest, ReplaceSectionRewritesInPlaceAndLosesNothingElse) {
    IniFile ini = WithContent(
        "[Reminders]\nold=1\nnot a key line\n\n[Print]\nLastType=1\n[Reminders]\nolder=2\n");
    ini.ReplaceSection("Reminders", {{"20260101/0", "1,0,,,A"}, {"20260102/0", "1,0,,,B"}});
    EXPECT_EQ(Content(),
              "[Reminders]\n20260101/0=1,0,,,A\n20260102/0=1,0,,,B\nnot a key line\n\n"
              "[Print]\nLastType=1\n[Reminders]\nolder=2\n");
    ini.ReplaceSection("Location", {{"Latitude", "1"}});
    EXPECT_EQ(ini.ReadString("Location", "Latitude", ""), "1");
}

TEST_F(IniFileTest, DeleteKeyRemovesEveryLineOfTheKey) {
    IniFile ini = WithContent("[S]\nk=1\nother=2\nK=3\n[T]\nk=4\n");
    ini.DeleteKey("s", "k");
    EXPECT_EQ(Content(), "[S]\nother=2\n[T]\nk=4\n");
}

TEST_F(IniFileTest, WriteWholeFileWritesExactBytes) {
    IniFile ini(path_);
    ini.WriteWholeFile("[A]\nx=1\n\n");
    EXPECT_EQ(Content(), "[A]\nx=1\n\n");
}

TEST_F(IniFileTest, FailedWriteRaisesTheMessageWithThePath) {
    // The folder of this path is a regular file: nothing can be created in it,
    // not even by root.
    const std::string blocker = folder_.File("plain-file");
    WriteFileBytes(blocker, "x");
    IniFile ini(blocker + "/ORVANTO.INI");
    try {
        ini.WriteString("Settings", "Top", "1");
        FAIL() << "no error raised";
    } catch (const EIniFileError& error) {
        EXPECT_EQ(std::string(error.what()), "Unable to write to " + blocker + "/ORVANTO.INI");
    }
    EXPECT_THROW(ini.WriteWholeFile("x"), EIniFileError);
}

TEST_F(IniFileTest, WriteIntoReadOnlyFolderRaisesWhenItReallyCannotWrite) {
    IniFile ini = WithContent("[Settings]\nTop=1\n");
    ::chmod(folder_.Path().c_str(), 0500);
    const bool canStillWrite = ::access(folder_.Path().c_str(), W_OK) == 0;
    if (canStillWrite) {
        ::chmod(folder_.Path().c_str(), 0700);
        GTEST_SKIP() << "this process writes into read-only folders (root)";
    }
    EXPECT_THROW(ini.WriteInteger("Settings", "Top", 2), EIniFileError);
    ::chmod(folder_.Path().c_str(), 0700);
    EXPECT_EQ(Content(), "[Settings]\nTop=1\n");
}

TEST_F(IniFileTest, FileThatCannotBeReadIsNotOverwritten) {
    // A folder stands where the file should be: a write must fail rather than
    // replace something it could not read.
    const std::string dir = folder_.File("dir.ini");
    std::filesystem::create_directory(dir);
    WriteFileBytes(dir + "/keep", "k");
    IniFile ini(dir);
    EXPECT_THROW(ini.WriteString("S", "k", "v"), EIniFileError);
    EXPECT_TRUE(std::filesystem::exists(dir + "/keep"));
}

}  // namespace
}  // namespace orvanto
