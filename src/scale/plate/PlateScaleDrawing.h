// One scale of a plate: its zones, and its arc, ticks, numbers, rows and
// unit, drawn with the scale drawing's steps.
#pragma once

#include <map>
#include <memory>
#include <string>

#include "scale/drawing/DrawingSurface.h"
#include "scale/plate/PlateGrid.h"
#include "text/TextLayout.h"

namespace sp {

// The fonts of one drawing, each looked up once.
class PlateFonts {
public:
    const TextFont& Get(const std::string& family);

private:
    std::map<std::string, std::unique_ptr<TextFont>> fonts_;
};

// Fills a placed text: black as the window's text is, else in its colour.
void FillPlateText(DrawingSurface& c, const TextFont& font, const std::string& text, const TextPlacementBox& box,
                   TColor color);

void DrawScaleZones(DrawingSurface& c, const PlateGrid& grid, const PlateScale& scale, PlateFonts& fonts);

void DrawPlateScale(DrawingSurface& c, const PlateGrid& grid, const PlateScale& scale, const std::string& folder,
                    PlateFonts& fonts);

}  // namespace sp
