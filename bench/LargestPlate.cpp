// The largest plate, 999 x 999 mm at 600 dpi (23,598 x 23,598 pixels, about
// 1.67 GB), drawn and saved as a mirrored BMP. Prints the seconds of each
// step; run it under /usr/bin/time -v for the peak memory.
//   largest_plate streamed FILE   mirrored rows written from the unmirrored picture
//   largest_plate in-place FILE   mirrored in place first, then saved
#include <chrono>
#include <cstdio>
#include <cstring>

#include "scale/drawing/ScaleDrawing.h"
#include "scale/input/ScaleParameters.h"
#include "support/Worked.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: largest_plate streamed|in-place FILE\n");
        return 2;
    }
    const bool streamed = std::strcmp(argv[1], "streamed") == 0;
    sp::FormFields f = WorkedFields();
    f.medtWidth = "999";
    f.medtHeight = "999";
    f.medtX = "500";
    f.medtY = "500";
    f.medtRadius = "400";
    f.cboxFrame = true;
    f.cboxMirror = !streamed;  // the drawing mirrors in place itself
    sp::ScaleParameters p = Fresh();
    if (auto message = sp::ReadScaleParameters(p, f)) {
        std::fprintf(stderr, "%s\n", message->c_str());
        return 1;
    }
    using Clock = std::chrono::steady_clock;
    const auto t0 = Clock::now();
    auto picture = sp::DrawScale(p, f, {}, false);
    const auto t1 = Clock::now();
    picture->SaveToFile(argv[2], streamed);
    const auto t2 = Clock::now();
    const auto seconds = [](auto d) { return std::chrono::duration<double>(d).count(); };
    std::printf("%s: %d x %d px, draw%s %.2f s, save %.2f s, total %.2f s\n", argv[1], picture->Width(), picture->Height(),
                streamed ? "" : " + mirror", seconds(t1 - t0), seconds(t2 - t1), seconds(t2 - t0));
    return 0;
}
