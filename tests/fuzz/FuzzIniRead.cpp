// The settings reader over arbitrary file bytes, from memory: every key of
// the window with its default, and the INI layer's reads of odd names.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "base/Procs.h"
#include "scale/settings/IniText.h"
#include "scale/settings/Settings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const sp::IniText ini(std::string(reinterpret_cast<const char*>(data), size));
    sp::FormFields fields;
    std::int32_t dpi = 0;
    sp::ReadSettings(ini, fields, dpi);
    for (const char* section : {"Dimensions", "", "["})
        for (const char* key : {"Width", ""}) {
            const std::string v = ini.ReadText(section, key, "d");
            if (sp::CharCount(v) > sp::IniText::MaxValueChars) std::abort();
            (void)ini.ReadNumber(section, key, 600);
        }
    return 0;
}
