// A definition made from a scale described in values: one line
// "angle,kind,label" per tick, the angle to 4 decimals, in the order of the
// values, ready for the definition writer and the drawing.
#pragma once

#include <string>
#include <vector>

#include "scale/generator/ScaleDescription.h"

namespace sp {

struct GeneratedTick {
    long double value = 0, angle = 0;
    TickKind kind = TickKind::Minor;
    std::string label;  // the number of a numbered tick, else empty
};

// The ticks of `desc` from the low to the high value. Throws EScaleInput
// with the sentence naming what is wrong or missing.
std::vector<GeneratedTick> GenerateTicks(const ScaleDescription& desc);

// "45.2500,M,10" for a numbered tick, "45.2500,S" for one without a number.
std::vector<std::string> DefinitionLinesOf(const std::vector<GeneratedTick>& ticks);

// GenerateTicks and DefinitionLinesOf in one.
std::vector<std::string> GenerateDefinition(const ScaleDescription& desc);

}  // namespace sp
