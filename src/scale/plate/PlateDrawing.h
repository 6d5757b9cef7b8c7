// Draws a plate on any DrawingSurface through the scale drawing's own steps
// (ScalePoint, the arc's chords, radial ticks, the number placement), so a
// plate with the window's one scale gives the window's picture pixel for
// pixel. Order: background, zones, the pivot disc, the scales in file order
// (arc, ticks, numbers, rows, unit), the mirror strip, the cut-out, holes,
// texts, frame, edge, crop marks, then the mirror.
#pragma once

#include <memory>
#include <string>

#include "scale/drawing/DisplayList.h"
#include "scale/drawing/DrawingSurface.h"
#include "scale/output/OutputFormat.h"
#include "scale/plate/Plate.h"

namespace sp {

// `folder` places the definition files the scales name (the plate file's
// folder). Throws what the drawing throws: EOutOfResources for a picture
// too large for the memory, EScaleInput for values a law refuses (a plate
// read by ReadPlateFile has been checked for these).
void DrawPlate(DrawingSurface& surface, const Plate& plate, const std::string& folder);

// On the raster; with `deferMirror` the mirror is left to the file writer
// (MirrorPending on the surface), as the picture command does.
std::unique_ptr<TBitmap> DrawPlateRaster(const Plate& plate, const std::string& folder, bool* mirrorPending = nullptr);

// On the recorder, with the page the plate and its margin at true size.
DisplayList RecordPlate(const Plate& plate, const std::string& folder);

// Writes the plate's picture in `format` to `fileName`, whole or not at all:
// the raster formats at the plate's dpi (mirrored on the way out), the
// vector ones from the recorded calls. Throws as DrawPlate and
// WritePictureFile.
void WritePlatePicture(const Plate& plate, const std::string& folder, OutputFormat format,
                       const std::string& fileName);

}  // namespace sp
