// The settings file service over any bytes: every kind of read, then writes
// that must lose nothing. A key written into a new section leaves every byte
// of the old file in place; a key rewritten in an existing section leaves every
// other line byte for byte, in order.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/ini_file.h"
#include "fuzz/fuzz_support.h"

namespace {

using orvanto::IniFile;
using namespace orvanto::fuzz;

void ReadEverything(const IniFile& ini) {
    for (const std::string& section :
         {std::string("Settings"), std::string("Reminders"), std::string("Colors")}) {
        (void)ini.SectionExists(section);
        for (const std::string& key : ini.ReadSection(section)) {
            (void)ini.ReadString(section, key, "");
            (void)ini.ReadInteger(section, key, -1);
            (void)ini.ReadBool(section, key, false);
            (void)ini.ValueExists(section, key);
        }
        (void)ini.ReadSectionValues(section);
        (void)ini.ReadSectionPairs(section);
    }
}

// The old content must stand at the start of the new one, but for a line
// ending the writer may add after a last line that had none.
bool KeptAsPrefix(const std::string& before, const std::string& after) {
    if (after.compare(0, before.size(), before) == 0) return true;
    return !before.empty() && before.back() != '\n' && after.size() > before.size();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto path = ScratchFolder() / "fuzz.ini";
    const std::string original(AsText(data, size));
    WriteBytes(path, original);
    IniFile ini(path.string());
    ReadEverything(ini);

    try {
        // A key in a section the file cannot hold yet: appended, nothing else moves.
        ini.WriteString("FuzzNewSection", "Key", "value");
        const std::string appended = ReadBytes(path);
        if (!KeptAsPrefix(original, appended)) std::abort();
        if (ini.ReadString("FuzzNewSection", "Key", "") != "value") std::abort();

        // An existing key rewritten: every other line is still there, in order.
        WriteBytes(path, original);
        const std::vector<std::string> keys = ini.ReadSection("Settings");
        if (!keys.empty()) {
            const std::vector<std::string> before = LinesWithEndings(original);
            ini.WriteString("Settings", keys.front(), "rewritten");
            const std::vector<std::string> after = LinesWithEndings(ReadBytes(path));
            std::size_t unchanged = 0;
            for (const std::string& line : before) unchanged += IsSubsequence({line}, after) ? 1 : 0;
            // At most the rewritten key's own line may be gone.
            if (unchanged + 1 < before.size()) std::abort();
            if (ini.ReadString("Settings", keys.front(), "") != "rewritten") std::abort();
        }

        // A whole section rewritten and read back.
        WriteBytes(path, original);
        std::vector<std::pair<std::string, std::string>> pairs = ini.ReadSectionPairs("Reminders");
        ini.ReplaceSection("Reminders", pairs);
        ReadEverything(ini);
    } catch (const orvanto::EIniFileError&) {
        // A file the service refuses to replace (unreadable) is reported, not lost.
    }
    return 0;
}
