// The INI store on arbitrary file bytes, followed by a few reads and writes.
// Input: the file's bytes first; the operations are drawn from the end.
#include "fuzz_support.h"

#include "core/platform/files.h"
#include "core/platform/text.h"
#include "core/settings/MyIniFiles.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <array>

namespace {

using quorvex::LineBreakError;
using quorvex::TIniFile;

std::string Joined(const std::vector<std::string>& lines) {
    std::string all;
    for (const auto& l : lines) all += l + "\r\n";
    return all;
}

// Names a caller could pass and for which a written value must read back:
// no blanks at the ends, no line break, and nothing the line syntax gives a
// meaning to ("]" ends a section name, "=" a key, "[" starts a header).
bool PlainSection(const std::string& s) {
    return qx::Trim(s) == s && s.find_first_of("]\r\n") == std::string::npos;
}
bool PlainKey(const std::string& k) {
    return !k.empty() && qx::Trim(k) == k && k.find_first_of("=\r\n") == std::string::npos && k[0] != '[';
}

std::string PickName(FuzzedDataProvider& fdp, const std::array<const char*, 6>& pool) {
    const unsigned pick = fdp.ConsumeIntegralInRange<unsigned>(0, pool.size());
    if (pick < pool.size()) return pool[pick];
    return fdp.ConsumeRandomLengthString(24);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider fdp(data, size);
    const std::string path = fuzzsupport::ScratchFolder() + "setup.ini";
    const std::string file = fdp.ConsumeRandomLengthString(size);
    fuzzsupport::WriteRaw(path, file);

    static const std::array<const char*, 6> sections = {"Einstellungen", "Multiplayer", "einstellungen",
                                                        " Einstellungen ", "", "MULTIPLAYER"};
    static const std::array<const char*, 6> keys = {"Name", "Splash", "Fade", "Server", "name", " Name"};
    {
        TIniFile ini(path);
        FUZZ_CHECK(ini.Lines() == qx::SplitLines(file));
        const int ops = fdp.ConsumeIntegralInRange(0, 12);
        for (int i = 0; i < ops; ++i) {
            const std::string section = PickName(fdp, sections);
            const std::string key = PickName(fdp, keys);
            if (fdp.ConsumeBool()) {
                ini.ReadString(section, key, "\x01");
                continue;
            }
            const std::string value = fdp.ConsumeRandomLengthString(40);
            if ((section + key + value).find_first_of("\r\n") != std::string::npos) {
                // Refused whole: neither the lines nor the file change.
                const std::vector<std::string> before = ini.Lines();
                bool refused = false;
                try {
                    ini.WriteString(section, key, value);
                } catch (const LineBreakError&) {
                    refused = true;
                }
                FUZZ_CHECK(refused);
                FUZZ_CHECK(ini.Lines() == before);
                continue;
            }
            ini.WriteString(section, key, value);
            // The first match wins on reading and a write goes to the first
            // occurrence of its section, so the value written is the one read.
            if (PlainSection(section) && PlainKey(key))
                FUZZ_CHECK(ini.ReadString(section, key, "\x01") == qx::Trim(value));
            FUZZ_CHECK(!ini.LastSaveFailed());
            FUZZ_CHECK(fuzzsupport::ReadRaw(path) == Joined(ini.Lines()));
        }
    }
    // Releasing saves; a fresh store reads back what the file now holds.
    const std::string saved = fuzzsupport::ReadRaw(path);
    TIniFile again(path);
    FUZZ_CHECK(again.Lines() == qx::SplitLines(saved));
    return 0;
}
