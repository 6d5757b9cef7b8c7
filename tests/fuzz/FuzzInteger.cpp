// The integer conversion and IsIntegerStr: never crash, and agree where they
// overlap (a text IsIntegerStr accepts converts once trimmed).
#include <cstdint>
#include <cstdlib>
#include <string>

#include "base/Procs.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 300) return 0;
    const std::string s(reinterpret_cast<const char*>(data), size);
    std::int32_t v = 0;
    const bool ok = sp::TryStrToInt(s, v);
    try {
        const std::int32_t w = sp::StrToInt(s);
        if (!ok || w != v) std::abort();
    } catch (const sp::EConvertError&) {
        if (ok) std::abort();
    }
    if (sp::IsIntegerStr(s)) {
        std::int32_t t = 0;
        if (!sp::TryStrToInt(sp::Trim(s), t)) std::abort();
    }
    const std::string f = sp::FilterDigits(s);
    if (f.empty()) std::abort();
    return 0;
}
