// The calibration points list ("VALUE:ANGLE;..."), then the ticks of the
// curve through it: refused with a sentence or generated, never a crash, a
// hang, or an angle that is no number.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "base/Errors.h"
#include "scale/generator/DefinitionGenerator.h"
#include "scale/generator/ScaleDescription.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1 || size > 2000) return 0;
    sp::ScaleDescription desc;
    try {
        sp::ParseScaleDescription(data[0] % 2 ? "law = points\nfrom = 0\nto = 10\n" : "law = points\nfrom = 10\nto = 0\n",
                                  desc);
        sp::SetDescriptionValue(desc, "points", std::string(reinterpret_cast<const char*>(data + 1), size - 1));
        sp::CheckDescriptionComplete(desc);
        for (const sp::GeneratedTick& t : sp::GenerateTicks(desc))
            if (!std::isfinite(t.angle)) std::abort();
    } catch (const sp::EError&) {
    }
    return 0;
}
