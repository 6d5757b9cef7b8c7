#include "scale/input/ScaleParameters.h"

#include <cmath>

#include "base/Errors.h"
#include "base/Procs.h"

namespace sp {

namespace msg {
const char* const NeedHeight = "Treba zadať výšku stupnice.";
const char* const NeedWidth = "Treba zadať šírku stupnice.";
const char* const AnglesEqual = "Ľavý a pravý uhol nemôžu byť rovnaké.";
const char* const LeftNotGreater = "Ľavý uhol musí byť väčší, ako pravý.";
const char* const LeftNotWhole = "Ľavý uhol musí byť celé číslo.";
const char* const RightNotWhole = "Pravý uhol musí byť celé číslo.";
const char* const NeedX = "Treba zadať X stredu.";
const char* const NeedY = "Treba zadať Y stredu.";
const char* const NeedSegments = "Treba zadať počet segmentov stupnice.";
const char* const NeedSegmentLength = "Treba zadať dĺžku segmentov.";
const char* const NeedSegmentWidth = "Treba zadať hrúbku segmentov.";
const char* const NeedRadius = "Treba zadať polomer stupnice.";
const char* const NeedCentralRadius = "Treba zadať polomer centrálneho krúžka.";
}  // namespace msg

namespace {

// A number written with a decimal point or comma between digits ("135.5",
// " -44,5 ", "135,5°"): repairing it by dropping everything but the digits
// would draw a different angle (1355), so it is refused instead.
bool IsDecimalFraction(const std::string& text) {
    std::string t = Trim(text);
    const std::string degree = "\u00B0";
    if (t.size() > degree.size() && t.ends_with(degree)) t = Trim(t.substr(0, t.size() - degree.size()));
    std::size_t i = t.size() > 0 && (t[0] == '-' || t[0] == '+') ? 1 : 0;
    const auto digits = [&]() {
        const std::size_t start = i;
        while (i < t.size() && t[i] >= '0' && t[i] <= '9') ++i;
        return i > start;
    };
    if (!digits() || i == t.size() || (t[i] != '.' && t[i] != ',')) return false;
    ++i;
    return digits() && i == t.size();
}

}  // namespace

double PixelsPerMmOf(std::int32_t dpi) { return static_cast<double>(static_cast<long double>(dpi) / 25.4L); }

std::int32_t LengthToPixels(std::int32_t mm, double pixelsPerMm) {
    return RangeCheck32(RoundHalfEven(static_cast<long double>(mm) * static_cast<long double>(pixelsPerMm)));
}

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

std::optional<std::string> ReadScaleParameters(ScaleParameters& p, FormFields& f) {
    p.PixelsPerMm = PixelsPerMmOf(p.Dpi);
    const auto length = [&](const std::string& text, std::int32_t& value) {
        if (IsIntegerStr(text)) value = LengthToPixels(StrToInt(text), p.PixelsPerMm);
    };
    const auto count = [](const std::string& text, std::int32_t& value) {
        if (IsIntegerStr(text)) value = StrToInt(text);
    };

    length(f.height, p.Height);
    if (p.Height == 0) return msg::NeedHeight;
    length(f.width, p.Width);
    if (p.Width == 0) return msg::NeedWidth;

    if (IsDecimalFraction(f.leftAngle)) return msg::LeftNotWhole;
    if (!IsIntegerStr(f.leftAngle)) f.leftAngle = FilterDigits(f.leftAngle);
    if (IsDecimalFraction(f.rightAngle)) return msg::RightNotWhole;
    if (!IsIntegerStr(f.rightAngle)) f.rightAngle = FilterDigits(f.rightAngle);
    p.LeftAngle = StrToInt(f.leftAngle);
    p.RightAngle = StrToInt(f.rightAngle);
    if (p.LeftAngle == p.RightAngle) return msg::AnglesEqual;
    if (p.LeftAngle < p.RightAngle) return msg::LeftNotGreater;

    length(f.centerX, p.CenterX);
    if (p.CenterX < 0) return msg::NeedX;
    length(f.centerY, p.CenterY);
    if (p.CenterY < 0) return msg::NeedY;
    count(f.segments, p.SegmentCount);
    if (p.SegmentCount <= 0) return msg::NeedSegments;
    length(f.segmentLength, p.SegmentLength);
    if (p.SegmentLength <= 0) return msg::NeedSegmentLength;
    count(f.segmentWidth, p.SegmentWidth);
    if (p.SegmentWidth <= 0) return msg::NeedSegmentWidth;
    length(f.radius, p.Radius);
    if (p.Radius <= 0) return msg::NeedRadius;
    length(f.centralRadius, p.CentralRadius);
    if (p.CentralRadius < 0) return msg::NeedCentralRadius;

    if (p.CentralRadius == 0) p.CentralRadius = 1;
    if (p.CentralRadius >= p.Radius) p.CentralRadius = p.Radius - 10;  // Radius > 0: cannot overflow
    return std::nullopt;
}

}  // namespace sp
