#include "core/ini_file.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>
#include <ostream>
#include <random>
#include <string>
#include <vector>

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
                      IntegerCase{"0xff", 255}, IntegerCase{"0XFF0000", 16711680}, IntegerCase{"-1", -1},
                      IntegerCase{"+5", 5}, IntegerCase{"007", 7}, IntegerCase{"16777215", 16777215},
                      IntegerCase{"2147483647", 2147483647}, IntegerCase{"-2147483648", -2147483647 - 1},
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
    EXPECT_TRUE(ini.ReadBool("S", "e", true));  // not a number: the default
    EXPECT_FALSE(ini.ReadBool("S", "e", false));
    EXPECT_TRUE(ini.ReadBool("S", "missing", true));
}

TEST_F(IniFileTest, TextIsCutAt1023CharactersButSectionReadsAreWhole) {
    const IniFile ini = WithContent("[S]\nascii=" + std::string(2000, 'a') + "\n");
    EXPECT_EQ(ini.ReadString("S", "ascii", ""), std::string(1023, 'a'));
    // A section is read to be written back: cutting it would lose text.
    EXPECT_EQ(ini.ReadSectionPairs("S").at(0).second, std::string(2000, 'a'));
    EXPECT_EQ(ini.ReadSectionValues("S").at(0), "ascii=" + std::string(2000, 'a'));
}

TEST_F(IniFileTest, LongRecordSurvivesARewriteOfItsSection) {
    const std::string text(1500, 'x');
    IniFile ini = WithContent("[Reminders]\n732669/0=10000,0,9999,00000000," + text + "\n");
    ini.ReplaceSection("Reminders", ini.ReadSectionPairs("Reminders"));
    EXPECT_EQ(Content(), "[Reminders]\n732669/0=10000,0,9999,00000000," + text + "\n");
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
    IniFile ini =
        WithContent("[Reminders]\nold=1\nnot a key line\n\n[Print]\nLastType=1\n[Reminders]\nolder=2\n");
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

// --- lines the program did not change ---------------------------------------

TEST_F(IniFileTest, KeyHoldingACarriageReturnStaysAKeyLine) {
    // A stray CR at the start of a line inside [Reminders]: written back, it
    // must not turn into a "[Settings]" header that swallows the reminders.
    IniFile ini =
        WithContent("[Settings]\nTop=1\n[Reminders]\n\r[Settings]x=1\n732669/0=10000,0,9999,00000000,Call\n");
    ini.ReplaceSection("Reminders", ini.ReadSectionPairs("Reminders"));
    EXPECT_EQ(Content(),
              "[Settings]\nTop=1\n[Reminders]\n\r[Settings]x=1\n732669/0=10000,0,9999,00000000,Call\n");
    ini.WriteString("Reminders", "\r[Settings]x", "2");
    EXPECT_EQ(Content(),
              "[Settings]\nTop=1\n[Reminders]\n\r[Settings]x=2\n732669/0=10000,0,9999,00000000,Call\n");
    EXPECT_EQ(ini.ReadSection("Reminders").size(), 2u);
    EXPECT_EQ(ini.ReadInteger("Settings", "Top", -1), 1);
}

TEST_F(IniFileTest, KeyMadeOfACarriageReturnKeepsItsValue) {
    IniFile ini = WithContent("[S]\n\r=5\n");
    ini.ReplaceSection("S", {{"\r", "6"}});
    EXPECT_EQ(Content(), "[S]\n\r=6\n");
    EXPECT_EQ(ini.ReadString("S", "\r", ""), "6");
}

TEST_F(IniFileTest, KeyThatWouldBecomeAnotherKindOfLineIsRefused) {
    IniFile ini = WithContent("[S]\nk=1\n");
    EXPECT_THROW(ini.WriteString("S", "[T]", "1"), EIniFileError);
    EXPECT_THROW(ini.WriteString("S", "", "1"), EIniFileError);
    EXPECT_THROW(ini.ReplaceSection("S", {{"a=b", "1"}}), EIniFileError);
    EXPECT_EQ(Content(), "[S]\nk=1\n");
}

struct LineEndCase {
    const char* name;
    const char* before;
    const char* section;
    const char* key;
    const char* value;
    const char* after;
};

void PrintTo(const LineEndCase& c, std::ostream* out) { *out << c.name; }

class IniFileLineEndTest : public IniFileTest, public ::testing::WithParamInterface<LineEndCase> {};

TEST_P(IniFileLineEndTest, EachLineKeepsItsOwnEnd) {
    const LineEndCase& c = GetParam();
    WithContent(c.before).WriteString(c.section, c.key, c.value);
    EXPECT_EQ(Content(), c.after);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IniFileLineEndTest,
    ::testing::Values(LineEndCase{"MixedEndsUntouched", "[Settings]\nTop=1\r\n\n[Print]\r\nLastType=0\n",
                                  "Settings", "Top", "2", "[Settings]\nTop=2\r\n\n[Print]\r\nLastType=0\n"},
                      LineEndCase{"CrCrLfKeepsBothCarriageReturns",
                                  "[Settings]\nTop=1\n[Print]\nLastType=3\r\r\n", "Settings", "Top", "2",
                                  "[Settings]\nTop=2\n[Print]\nLastType=3\r\r\n"},
                      LineEndCase{"NewLineTakesTheFirstLinesEnd", "[Settings]\r\nTop=1\n", "Settings", "Left",
                                  "2", "[Settings]\r\nTop=1\nLeft=2\r\n"},
                      LineEndCase{"NewSectionTakesTheFirstLinesEnd", "[Settings]\nTop=1\r\n", "Print",
                                  "LastType", "1", "[Settings]\nTop=1\r\n\n[Print]\nLastType=1\n"},
                      LineEndCase{"LastLineWithoutEndStaysSo", "[Settings]\r\nTop=1", "Settings", "Top", "2",
                                  "[Settings]\r\nTop=2"},
                      LineEndCase{"LastLineWithoutEndGetsOneBeforeANewLine", "[Settings]\r\nTop=1",
                                  "Settings", "Left", "2", "[Settings]\r\nTop=1\r\nLeft=2\r\n"},
                      LineEndCase{"UnchangedValueLeavesTheLineAlone", "[Settings]\n  Top =  1  \n",
                                  "Settings", "top", "1", "[Settings]\n  Top =  1  \n"},
                      LineEndCase{"KeySpellingKeptUpToTheEquals", "[Settings]\n  Top =  1  \n", "Settings",
                                  "top", "7", "[Settings]\n  Top =7\n"}),
    [](const ::testing::TestParamInfo<LineEndCase>& info) { return std::string(info.param.name); });

TEST_F(IniFileTest, CrCrLfValueReadsTheSameBeforeAndAfterAWrite) {
    IniFile ini = WithContent("[Settings]\nTop=1\n[Print]\nLastType=3\r\r\n");
    const int before = ini.ReadInteger("Print", "LastType", -1);
    ini.WriteInteger("Settings", "Top", 2);
    EXPECT_EQ(ini.ReadInteger("Print", "LastType", -1), before);
}

TEST_F(IniFileTest, ByteOrderMarkIsSkippedByReadsAndKeptByWrites) {
    IniFile ini = WithContent("\xEF\xBB\xBF[Settings]\r\nDateFormat=2\r\n");
    EXPECT_EQ(ini.ReadInteger("Settings", "DateFormat", -1), 2);
    EXPECT_TRUE(ini.SectionExists("Settings"));
    ini.WriteInteger("Settings", "DateFormat", 1);
    EXPECT_EQ(Content(), "\xEF\xBB\xBF[Settings]\r\nDateFormat=1\r\n");
    ini.ReplaceSection("Settings", {{"DateFormat", "1"}, {"Top", "5"}});
    EXPECT_EQ(Content(), "\xEF\xBB\xBF[Settings]\r\nDateFormat=1\r\nTop=5\r\n");
}

TEST_F(IniFileTest, NotesInARewrittenSectionKeepTheirPlaces) {
    IniFile ini = WithContent(
        "[Reminders]\n; my notes\n732669/0=10000,0,9999,00000000,A\n\n# before B\n"
        "732670/0=10000,0,9999,00000000,B\n732671/0=10000,0,9999,00000000,C\nend note\n\n[Print]\n");
    // A changes its text, B is gone and its key now holds D, E is new.
    ini.ReplaceSection("Reminders", {{"732669/0", "10000,0,9999,00000000,A2"},
                                     {"732670/0", "10000,0,9999,00000000,D"},
                                     {"732671/0", "10000,0,9999,00000000,C"},
                                     {"732672/0", "10000,0,9999,00000000,E"}});
    EXPECT_EQ(Content(),
              "[Reminders]\n; my notes\n732669/0=10000,0,9999,00000000,A2\n\n# before B\n"
              "732670/0=10000,0,9999,00000000,D\n732671/0=10000,0,9999,00000000,C\n"
              "732672/0=10000,0,9999,00000000,E\nend note\n\n[Print]\n");
    // Without B's key, its note goes with the next line that stays.
    ini.ReplaceSection("Reminders",
                       {{"732669/0", "10000,0,9999,00000000,A2"}, {"732671/0", "10000,0,9999,00000000,C"}});
    EXPECT_EQ(Content(),
              "[Reminders]\n; my notes\n732669/0=10000,0,9999,00000000,A2\n\n# before B\n"
              "732671/0=10000,0,9999,00000000,C\nend note\n\n[Print]\n");
}

TEST_F(IniFileTest, RenumberedRecordsKeepTheirNotes) {
    IniFile ini = WithContent(
        "[Reminders]\n732669/0=10000,0,9999,00000000,A\n; about B\n"
        "732669/1=10000,0,9999,00000000,B\n");
    ini.ReplaceSection("Reminders", {{"732669/0", "10000,0,9999,00000000,B"}});
    EXPECT_EQ(Content(), "[Reminders]\n; about B\n732669/0=10000,0,9999,00000000,B\n");
}

// Every write keeps, byte for byte and in order, every line it did not
// rewrite. Generated files mix line ends, stray carriage returns, blanks,
// notes, odd keys and duplicate sections; each is written to with every kind
// of write, and the lines of the old file are looked for in the new one.
class IniFilePropertyTest : public IniFileTest {
protected:
    std::string RandomPiece(std::mt19937& random, const std::vector<std::string>& pieces) {
        return pieces[std::uniform_int_distribution<std::size_t>(0, pieces.size() - 1)(random)];
    }

    std::string RandomFile(std::mt19937& random) {
        static const std::vector<std::string> lineTexts = {"[Settings]",
                                                           "[Reminders]",
                                                           "[settings]",
                                                           " [Print] ",
                                                           "Top=1",
                                                           "top = 2 ",
                                                           "\rx=1",
                                                           "\r[Settings]x=1",
                                                           "\r=3",
                                                           "; note",
                                                           "",
                                                           "  ",
                                                           "no equals",
                                                           "=empty key",
                                                           "LastType=3\r",
                                                           "732669/0=10000,0,9999,00000000,A",
                                                           "732669/Z=10000,Call,Bob",
                                                           "k=v=w",
                                                           "[broken",
                                                           "\t\tk\t=\tv"};
        static const std::vector<std::string> ends = {"\n", "\r\n", "\r\r\n"};
        std::string content = std::uniform_int_distribution<int>(0, 4)(random) == 0 ? "\xEF\xBB\xBF" : "";
        const int count = std::uniform_int_distribution<int>(0, 14)(random);
        for (int i = 0; i < count; ++i) {
            content += RandomPiece(random, lineTexts);
            content += (i + 1 == count && std::uniform_int_distribution<int>(0, 3)(random) == 0)
                           ? ""
                           : RandomPiece(random, ends);
        }
        return content;
    }

    // The lines of the text with their ends, as the service splits them.
    static std::vector<std::string> LinesWithEnds(const std::string& text) {
        std::vector<std::string> lines;
        std::size_t start = 0;
        while (start < text.size()) {
            const std::size_t feed = text.find('\n', start);
            const std::size_t end = feed == std::string::npos ? text.size() : feed + 1;
            lines.push_back(text.substr(start, end - start));
            start = end;
        }
        return lines;
    }

    // The old lines that are not the rewritten ones appear in the new text in
    // their order (a last line without an end may have gained one).
    static bool KeepsUntouchedLines(const std::string& before, const std::string& after,
                                    const std::string& rewrittenKey) {
        const std::vector<std::string> newLines = LinesWithEnds(after);
        std::size_t next = 0;
        for (std::string line : LinesWithEnds(before)) {
            if (line.rfind("\xEF\xBB\xBF", 0) == 0) line.erase(0, 3);
            if (!rewrittenKey.empty() && line.find(rewrittenKey) != std::string::npos) continue;
            const bool hasEnd = !line.empty() && line.back() == '\n';
            bool found = false;
            for (; next < newLines.size() && !found; ++next) {
                std::string candidate = newLines[next];
                if (candidate.rfind("\xEF\xBB\xBF", 0) == 0) candidate.erase(0, 3);
                found = hasEnd ? candidate == line : candidate.rfind(line, 0) == 0;
            }
            if (!found) return false;
        }
        return true;
    }
};

TEST_F(IniFilePropertyTest, EveryWriteKeepsTheLinesItDidNotRewrite) {
    std::mt19937 random(20261211);
    constexpr int kFiles = 3000;
    for (int run = 0; run < kFiles; ++run) {
        const std::string before = RandomFile(random);
        IniFile ini = WithContent(before);
        const int kind = run % 5;
        std::string rewrittenKey;
        try {
            switch (kind) {
            case 0:
                ini.WriteString("Settings", "Top", "9");
                rewrittenKey = "op";  // "Top" and "top" lines of any section may be the one
                break;
            case 1:
                ini.WriteString("Print", "NewKey", "1");
                break;
            case 2:
                ini.ReplaceSection("Reminders", ini.ReadSectionPairs("Reminders"));
                break;
            case 3: {
                auto pairs = ini.ReadSectionPairs("Settings");
                if (!pairs.empty()) {
                    rewrittenKey = pairs.back().first;  // the removed line
                    pairs.pop_back();
                }
                ini.ReplaceSection("Settings", pairs);
                break;
            }
            default:
                ini.WriteString("Reminders", "\r[Settings]x", "2");
                rewrittenKey = "[Settings]x";
                break;
            }
        } catch (const EIniFileError&) {
            ADD_FAILURE() << "write refused for: " << ::testing::PrintToString(before);
            continue;
        }
        const std::string after = Content();
        ASSERT_TRUE(KeepsUntouchedLines(before, after, rewrittenKey))
            << "write " << kind << "\nbefore: " << ::testing::PrintToString(before)
            << "\nafter:  " << ::testing::PrintToString(after);
    }
}

TEST_F(IniFilePropertyTest, RewritingASectionWithItsOwnPairsChangesNoByte) {
    std::mt19937 random(7);
    for (int run = 0; run < 2000; ++run) {
        const std::string before = RandomFile(random);
        IniFile ini = WithContent(before);
        for (const char* section : {"Reminders", "Settings"}) {
            if (!ini.SectionExists(section)) continue;
            ini.ReplaceSection(section, ini.ReadSectionPairs(section));
        }
        ASSERT_EQ(Content(), before) << ::testing::PrintToString(before);
    }
}

}  // namespace
}  // namespace orvanto
