// The plate's items as the designer's tree shows them, and the structural
// edits on a plate value: add, duplicate, delete and move an item. Every
// function works on a plain Plate, so an edit is a change from one plate to
// another that a command can undo by putting the first back.
#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "scale/plate/Plate.h"

namespace sp {

enum class PlateItemKind { Sheet, Scale, Row, Zone, Hole, Text, Mark, Cutout, MirrorStrip, CropMarks, Frame };

// One item of a plate: its kind, its place among the items of its kind,
// and for a row or a zone its place within the scale `index`.
struct PlateItemRef {
    PlateItemKind kind = PlateItemKind::Sheet;
    int index = 0;
    int sub = 0;
    friend bool operator==(const PlateItemRef&, const PlateItemRef&) = default;
};

// "Prázdna doska": 80 x 50 mm (the main window's first plate), no items.
Plate EmptyPlate();

// The items in the tree's order: the plate, each scale followed by its rows
// and zones, the holes, the texts, the marks and the single items that are
// present.
std::vector<PlateItemRef> ItemsOf(const Plate& plate);

bool Exists(const Plate& plate, PlateItemRef ref);

// The item's name in the tree: "Stupnica 2", "Zóna 1", "Text „mA“", "Značka 1".
QString ItemTitle(const Plate& plate, PlateItemRef ref);

// The name of a kind as the Add menu and the Edit menu's commands show it.
QString KindName(PlateItemKind kind);

// The kinds a user can add, in the Add menu's order.
const std::vector<PlateItemKind>& AddableKinds();

// Whether an item of `kind` can be added now: a row or a zone needs a
// scale (the selected one, else the first); a single item must be missing.
bool CanAdd(const Plate& plate, PlateItemKind kind, PlateItemRef selected);

// Adds an item of `kind` with values that draw at once (after the selected
// item of its kind, else at the end); gives the new item.
std::optional<PlateItemRef> AddItem(Plate& plate, PlateItemKind kind, PlateItemRef selected);

// A copy of the item right after it (items in lists only).
std::optional<PlateItemRef> DuplicateItem(Plate& plate, PlateItemRef ref);

// Removes the item (not the plate itself); gives the item to select next.
std::optional<PlateItemRef> DeleteItem(Plate& plate, PlateItemRef ref);

// Moves the item one place up (-1) or down (+1) in its list, which is the
// order the file keeps and the drawing follows.
std::optional<PlateItemRef> MoveItem(Plate& plate, PlateItemRef ref, int delta);

}  // namespace sp
