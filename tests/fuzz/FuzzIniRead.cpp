// The INI layer's reads over arbitrary file bytes.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>

#include "base/Procs.h"
#include "scale/settings/IniFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string path = "/dev/shm/scaleplate-fuzz-read-" + std::to_string(::getpid()) + ".ini";
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(data),
                                                                   static_cast<std::streamsize>(size));
    const sp::IniFile ini(path);
    for (const char* section : {"Dimensions", "Scale", "", "["})
        for (const char* key : {"Width", "Dpi", "Mirror", ""}) {
            const std::string v = ini.ReadText(section, key, "d");
            if (sp::CharCount(v) > sp::IniFile::MaxValueChars) std::abort();
            (void)ini.ReadNumber(section, key, 600);
            (void)ini.ReadFlag(section, key, true);
        }
    return 0;
}
