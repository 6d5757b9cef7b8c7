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
    f.medtWidth = "30";
    f.medtHeight = "20";
    f.edtLAngle = "135";
    f.edtRAngle = "45";
    f.medtX = "15";
    f.medtY = "3";
    f.medtRadius = "12";
    f.medtCentralRadius = "2";
    f.medtSegmentLength = "3";
    f.medtSegmentWidth = "3";
    f.medtArchLine = "2";
    f.medtNumSegments = "10";
    f.medtMasterSegment = "5";
    f.medtFrameLine = "1";
    f.edtTextHeight = "2";  // labels are drawn as text
    f.cboxFrame = f.cboxMirror = true;
    if (sp::ReadScaleParameters(p, f)) __builtin_trap();
    try {
        sp::DrawScale(p, f, lines, true);
    } catch (const sp::EConvertError&) {
    } catch (const sp::ERangeError&) {
    } catch (const sp::EScaleInput&) {  // a refusal sentence, such as a text too high
    }
    return 0;
}
