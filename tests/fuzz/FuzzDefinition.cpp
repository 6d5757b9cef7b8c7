// The definition reader's line cutting followed by the definition-driven
// drawing on a small picture: only the named errors may end it.
#include <cstdint>
#include <string>

#include "base/Errors.h"
#include "scale/definition/DefinitionFile.h"
#include "scale/drawing/ScaleDrawing.h"
#include "scale/input/ScaleInputError.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 20000) return 0;
    const std::vector<std::string> lines = sp::SplitDefinitionText(std::string(reinterpret_cast<const char*>(data), size));
    sp::ScaleParameters p;
    p.Dpi = 60;
    sp::FormFields f;
    f.width = "30";
    f.height = "20";
    f.leftAngle = "135";
    f.rightAngle = "45";
    f.centerX = "15";
    f.centerY = "3";
    f.radius = "12";
    f.centralRadius = "2";
    f.segmentLength = "3";
    f.segmentWidth = "3";
    f.arcWidth = "2";
    f.segments = "10";
    f.masterEvery = "5";
    f.frameWidth = "1";
    f.textHeight = "2";  // labels are drawn as text
    f.frame = f.mirror = true;
    if (sp::ReadScaleParameters(p, f)) __builtin_trap();
    try {
        sp::DrawScale(p, f, lines, true);
    } catch (const sp::EConvertError&) {
    } catch (const sp::ERangeError&) {
    } catch (const sp::EScaleInput&) {  // a refusal sentence, such as a text too high
    }
    return 0;
}
