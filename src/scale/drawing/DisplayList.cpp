#include "scale/drawing/DisplayList.h"

#include <cmath>

#include "base/Errors.h"
#include "scale/input/ScaleParameters.h"

namespace sp {

double PlateMm(std::int32_t pixels, double pixelsPerMm) {
    if (!(pixelsPerMm > 0)) return 0;
    const double exact = pixels / pixelsPerMm;
    const double whole = std::nearbyint(exact);
    if (std::fabs(whole) < 2147483647.0) {
        try {
            if (LengthToPixels(static_cast<std::int32_t>(whole), pixelsPerMm) == pixels) return whole;
        } catch (const ERangeError&) {
        }
    }
    return exact;
}

}  // namespace sp
