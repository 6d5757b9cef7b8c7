#include "scale/generator/DefinitionGenerator.h"

#include "scale/generator/ValueText.h"

namespace sp {

std::vector<GeneratedTick> GenerateTicks(const ScaleDescription& desc) {
    CheckDescriptionComplete(desc);
    const MeterLaw law(desc.law);
    TickRoom room = desc.room;
    room.plusSign = desc.law.law == Law::Db;  // decibel scales mark +1, +2, +3
    room.prefixes = desc.law.law == Law::OhmSeries || desc.law.law == Law::OhmShunt;  // 1k, 1M
    std::vector<GeneratedTick> out;
    for (const Tick& t : ChooseTicks(law, desc.steps, room)) {
        GeneratedTick g{t.value, law.Angle(t.value), t.kind, {}};
        if (t.numbered) g.label = t.label;
        out.push_back(std::move(g));
    }
    return out;
}

std::vector<std::string> DefinitionLinesOf(const std::vector<GeneratedTick>& ticks) {
    std::vector<std::string> lines;
    lines.reserve(ticks.size());
    for (const GeneratedTick& t : ticks) {
        std::string line = AngleText(t.angle) + "," + static_cast<char>(t.kind);
        if (!t.label.empty()) line += "," + t.label;
        lines.push_back(std::move(line));
    }
    return lines;
}

std::vector<std::string> GenerateDefinition(const ScaleDescription& desc) { return DefinitionLinesOf(GenerateTicks(desc)); }

}  // namespace sp
