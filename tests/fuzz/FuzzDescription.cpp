// A scale description in its text form, then the ticks it gives: only the
// refusal sentence (or a named error) may end it, and every tick written
// reads back as a definition line.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "base/Errors.h"
#include "scale/definition/DefinitionFile.h"
#include "scale/generator/DefinitionGenerator.h"
#include "scale/generator/ScaleDescription.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 4000) return 0;
    sp::ScaleDescription desc;
    try {
        sp::ParseScaleDescription(std::string(reinterpret_cast<const char*>(data), size), desc);
        sp::CheckDescriptionComplete(desc);
        const std::vector<std::string> lines = sp::GenerateDefinition(desc);
        if (lines.size() > sp::kMaxTicks) std::abort();
        for (const std::string& line : lines)
            if (sp::SplitDefinitionText(line) != std::vector<std::string>{line}) std::abort();
    } catch (const sp::EError&) {
    }
    return 0;
}
