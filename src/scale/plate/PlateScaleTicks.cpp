#include "scale/plate/PlateScaleTicks.h"

#include <algorithm>

#include "base/Procs.h"
#include "scale/definition/DefinitionAngle.h"
#include "scale/definition/DefinitionFile.h"
#include "scale/drawing/ScaleNumbers.h"
#include "scale/generator/DefinitionGenerator.h"
#include "scale/generator/ValueText.h"
#include "scale/input/ScaleInputError.h"

namespace sp {

namespace {

// A plate number as the window's value fields hold it: the shortest text
// that reads back as the same double, so 2.5 prints as the window would.
DecimalValue DecimalOf(double v) {
    if (const auto d = ParseDecimalValue(ValueTextOf(v))) return *d;
    throw EScaleInput("Hodnota " + ValueTextOf(v) + " má priveľa číslic.");
}

std::vector<ScaleTickAt> UniformTicks(const PlateScale& s) {
    std::vector<ScaleTickAt> out;
    std::vector<std::string> labels(static_cast<std::size_t>(s.segments) + 1);
    if (s.from && s.to) {
        const DecimalMark mark = s.decimal == "point" ? DecimalMark::Point : DecimalMark::Comma;
        for (const TickNumber& n :
             UniformTickNumbers(s.segments, s.master, s.right, s.left, DecimalOf(*s.from), DecimalOf(*s.to), mark))
            labels[static_cast<std::size_t>(n.Index)] = n.Text;
    }
    for (std::int32_t i = 0; i <= s.segments; ++i) {
        const bool master = i == 0 || i == s.segments || i % s.master == 0;
        const char kind = master ? 'M' : i % s.mediumEvery == 0 ? 'N' : 'S';
        out.push_back({UniformTickAngle(i, s.segments, s.right, s.left), kind, labels[static_cast<std::size_t>(i)]});
    }
    return out;
}

}  // namespace

std::vector<ScaleTickAt> DefinitionTicksOf(const std::vector<std::string>& lines) {
    std::vector<ScaleTickAt> out;
    FieldArray fields;
    char kind = 0;
    for (const std::string& line : lines) {
        if (line.empty()) continue;
        SplitFields(UpperAscii(line), ',', fields);
        const char letter = fields[2].empty() ? '\0' : fields[2][0];
        if (letter == 'M' || letter == 'N' || letter == 'S') kind = letter;
        const double angle = static_cast<double>(DefinitionAngle(fields[1]));
        if (kind) out.push_back({angle, kind, DefinitionLabel(line)});
    }
    return out;
}

namespace {

ScaleDescription DescriptionOf(const PlateScale& s) {
    ScaleDescription d;
    d.law.law = *LawOfName(s.law);
    d.law.from = s.from.value_or(0);
    d.law.to = s.to.value_or(0);
    d.law.exponent = s.exponent;
    d.law.center = s.center;
    for (const PlatePair& p : s.points) d.law.points.push_back({p[0], p[1]});
    d.law.leftAngle = s.left;
    d.law.rightAngle = s.right;
    d.steps.major = s.major;
    d.steps.medium = s.medium;
    d.steps.minor = s.minor;
    for (double v : s.labels) d.steps.numbered.push_back(v);
    d.room.radiusMm = s.radius;
    d.room.textHeightMm = s.numberHeight;
    d.room.decimalPoint = s.decimal == "point";
    d.given = {"law"};
    if (s.from) d.given.insert("from");
    if (s.to) d.given.insert("to");
    d.given.insert("exponent");
    if ((s.law != "ohm-series" && s.law != "ohm-shunt") || s.center != 0) d.given.insert("center");
    if (!s.points.empty()) d.given.insert("points");
    return d;
}

}  // namespace

std::string DefinitionPath(const PlateScale& scale, const std::string& folder) {
    if (scale.definition.empty() || scale.definition[0] == '/' || folder.empty()) return scale.definition;
    return folder + "/" + scale.definition;
}

std::vector<ScaleTickAt> ScaleTicksOf(const PlateScale& s, const std::string& folder) {
    if (s.law == "uniform") return UniformTicks(s);
    if (s.law == "ticks") {
        if (s.definition.empty()) {
            std::vector<ScaleTickAt> out;
            for (const PlateTick& t : s.ticks) out.push_back({t.angle, t.kind, t.label});
            return out;
        }
        std::vector<std::string> lines;
        ReadDefinition(DefinitionPath(s, folder), lines);
        return DefinitionTicksOf(lines);
    }
    std::vector<ScaleTickAt> out;
    for (const GeneratedTick& t : GenerateTicks(DescriptionOf(s)))
        out.push_back({static_cast<double>(t.angle), static_cast<char>(t.kind), t.label});
    return out;
}

double ScaleValueAngle(const PlateScale& s, double value) {
    if (s.law == "uniform" || s.law == "ticks") return value;
    const ScaleDescription d = DescriptionOf(s);
    CheckDescriptionComplete(d);
    const MeterLaw law(d.law);
    const long double lo = std::min(d.law.from, d.law.to), hi = std::max(d.law.from, d.law.to);
    if (value < lo || value > hi) throw EScaleInput("Hodnota " + ValueTextOf(value) + " leží mimo stupnice.");
    return static_cast<double>(law.Angle(value));
}

}  // namespace sp
