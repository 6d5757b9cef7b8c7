// The plate file reader on any bytes: it either gives a plate or refuses
// with its sentence (EPlateInput) or a file error; a plate it gives must
// come back equal through the writer, and must record without a fault.
// Links the toml++ library: pkg-config --cflags --libs tomlplusplus.
#include <cstdint>
#include <string>

#include "base/Errors.h"
#include "scale/plate/PlateDrawing.h"
#include "scale/plate/PlateReader.h"
#include "scale/plate/PlateWriter.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 20000) return 0;
    const std::string text(reinterpret_cast<const char*>(data), size);
    sp::Plate plate;
    try {
        plate = sp::ParsePlate(text, "fuzz.scaleplate");
    } catch (const sp::EPlateInput&) {
        return 0;
    } catch (const sp::EFOpenError&) {  // a definition file named but unreadable
        return 0;
    }
    if (!(sp::ParsePlate(sp::PlateFileText(plate), "fuzz.scaleplate") == plate)) __builtin_trap();
    // Drawn coarsely: the recorder needs no pixels, a low resolution keeps
    // the paths short.
    plate.plate.dpi = 10;
    try {
        sp::RecordPlate(plate, "");
    } catch (const sp::ERangeError&) {  // a length beyond 32 bits of pixels
    } catch (const sp::EIntOverflow&) {
    }
    return 0;
}
