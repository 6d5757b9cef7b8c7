// The keys of the plate file, one table per item kind: each key's name, the
// member of the document it sets, its kind of value, its range and whether
// it must be given. The reader and the writer both work from these tables,
// so a key is described once; the README lists the same keys and defaults.
#pragma once

#include <limits>
#include <optional>
#include <string>
#include <tuple>
#include <variant>
#include <vector>

#include "scale/plate/Plate.h"

namespace sp {

template <class Item>
struct PlateKey {
    using Member = std::variant<double Item::*, std::optional<double> Item::*, std::int32_t Item::*, bool Item::*,
                                std::string Item::*, TColor Item::*, PlatePair Item::*,
                                std::optional<PlatePair> Item::*, PlateTriple Item::*, std::vector<double> Item::*,
                                std::vector<PlatePair> Item::*, std::vector<PlateTick> Item::*>;
    const char* name;
    Member member;
    // Numbers (each number of a pair, triple or list): from `min` to `max`;
    // with `above` the value must be greater than `min`.
    double min = -std::numeric_limits<double>::max();
    double max = std::numeric_limits<double>::max();
    bool above = false;
    std::vector<const char*> choices;  // a text that must be one of these
    bool required = false;
};

// Bounds shared by the tables and the reader's messages.
constexpr double kMaxPlateMm = 999;   // the largest side, as the window's fields allow
constexpr double kMaxMarginMm = 100;
constexpr double kMaxValue = 1e15;    // scale values and steps
constexpr std::int32_t kMaxPlateDpi = 4800;

const std::vector<PlateKey<PlateSheet>>& SheetKeys();
const std::vector<PlateKey<PlateScale>>& ScaleKeys();
const std::vector<PlateKey<PlateRow>>& RowKeys();
const std::vector<PlateKey<PlateZone>>& ZoneKeys();
const std::vector<PlateKey<PlateHole>>& HoleKeys();
const std::vector<PlateKey<PlateCutout>>& CutoutKeys();
const std::vector<PlateKey<PlateMirrorStrip>>& MirrorStripKeys();
const std::vector<PlateKey<PlateCropMarks>>& CropMarksKeys();
const std::vector<PlateKey<PlateText>>& TextKeys();
const std::vector<PlateKey<PlateFrame>>& FrameKeys();

// The plate's own item kinds below the scales, in the order the writer
// writes them: a list is an array of tables ([[hole]]), a single one a table
// ([cutout]). The reader and the writer take every kind from here; a new
// kind is one more entry (and its drawing in PlateItems.cpp).
template <class Item>
struct PlateItemList {
    const char* name;
    std::vector<Item> Plate::*member;
    const std::vector<PlateKey<Item>>& (*keys)();
};

template <class Item>
struct PlateItemOne {
    const char* name;
    std::optional<Item> Plate::*member;
    const std::vector<PlateKey<Item>>& (*keys)();
};

inline const auto& PlateItemKinds() {
    static const auto kinds = std::make_tuple(
        PlateItemList<PlateHole>{"hole", &Plate::holes, &HoleKeys},
        PlateItemOne<PlateCutout>{"cutout", &Plate::cutout, &CutoutKeys},
        PlateItemOne<PlateMirrorStrip>{"mirror_strip", &Plate::mirrorStrip, &MirrorStripKeys},
        PlateItemOne<PlateCropMarks>{"crop_marks", &Plate::cropMarks, &CropMarksKeys},
        PlateItemOne<PlateFrame>{"frame", &Plate::frame, &FrameKeys},
        PlateItemList<PlateText>{"text", &Plate::texts, &TextKeys});
    return kinds;
}

}  // namespace sp
