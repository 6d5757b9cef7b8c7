// SplitFields: a range error or 64 trimmed entries of at most 255 characters.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "base/Procs.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1 || size > 4000) return 0;
    const char sep = static_cast<char>(data[0]);
    const std::string line(reinterpret_cast<const char*>(data + 1), size - 1);
    sp::FieldArray f;
    try {
        sp::SplitFields(line, sep, f);
    } catch (const sp::ERangeError&) {
        return 0;
    }
    for (int n = 1; n <= 64; ++n) {
        if (sp::CharCount(f[n]) > 255) std::abort();
        if (f[n] != sp::Trim(f[n])) std::abort();
    }
    return 0;
}
