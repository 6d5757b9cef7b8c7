// The largest plate, 999 x 999 mm (23,598 x 23,598 pixels at 600 dpi),
// saved as a mirrored BMP either way the program can: drawn whole and
// written (the picture held whole, about 1.67 GB), or drawn from the display
// list band by band. Prints the seconds of each step; run it under
// /usr/bin/time -v for the peak memory, and compare the two files.
//   largest_plate whole|banded FILE [DPI]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "scale/drawing/DrawingSurface.h"
#include "scale/drawing/ScaleDrawing.h"
#include "scale/input/ScaleParameters.h"
#include "scale/output/OutputFormat.h"
#include "support/Worked.h"

int main(int argc, char** argv) {
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "usage: largest_plate whole|banded FILE [DPI]\n");
        return 2;
    }
    const bool banded = std::strcmp(argv[1], "banded") == 0;
    sp::FormFields f = WorkedFields();
    f.width = "999";
    f.height = "999";
    f.centerX = "500";
    f.centerY = "500";
    f.radius = "400";
    f.frame = true;
    f.mirror = true;
    sp::ScaleParameters p = Fresh(argc == 4 ? std::atoi(argv[3]) : 600);
    if (auto message = sp::ReadScaleParameters(p, f)) {
        std::fprintf(stderr, "%s\n", message->c_str());
        return 1;
    }
    using Clock = std::chrono::steady_clock;
    const auto seconds = [](auto d) { return std::chrono::duration<double>(d).count(); };
    const auto t0 = Clock::now();
    if (banded) {
        const sp::DisplayList list = sp::RecordScale(p, f, {}, false);
        const auto t1 = Clock::now();
        sp::WritePictureFile(sp::OutputFormat::Bmp, nullptr, &list, argv[2]);
        const auto t2 = Clock::now();
        std::printf("banded: %d x %d px, %zu calls recorded %.2f s, drawn and written in bands %.2f s, total %.2f s\n",
                    list.Width, list.Height, list.Items.size(), seconds(t1 - t0), seconds(t2 - t1), seconds(t2 - t0));
        return 0;
    }
    sp::RasterSurface surface(/*deferMirror=*/true);
    sp::DrawScale(surface, p, f, {}, false);
    const auto picture = surface.TakePicture();
    const auto t1 = Clock::now();
    sp::WritePictureFile(sp::OutputFormat::Bmp, picture.get(), nullptr, argv[2], {surface.MirrorPending(), p.Dpi});
    const auto t2 = Clock::now();
    std::printf("whole: %d x %d px, drawn %.2f s, written %.2f s, total %.2f s\n", picture->Width(), picture->Height(),
                seconds(t1 - t0), seconds(t2 - t1), seconds(t2 - t0));
    return 0;
}
