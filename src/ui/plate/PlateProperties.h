// The properties of a plate item as the designer's panel edits them, made
// from the plate file's key tables (PlateKeys): one property per key, with
// the key's Slovak label, unit, range and choices, so every key of the file
// can be set here and none is described a second time.
//
// Numbers are shown with a decimal comma and read with a comma or a point;
// pairs, triples and lists are numbers parted by ";" ("30; 6"); the points
// of a law are "value angle" pairs and the hand-made ticks "angle kind
// label" triples, parted by ";" as well. An empty field gives a value left
// to the drawing (an optional key).
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "scale/plate/Plate.h"
#include "ui/plate/PlateEdits.h"

namespace sp {

struct PlateProperty {
    enum class Editor { Text, Check, Choice, Font, Colour };
    std::string key;  // the file's key
    QString label;    // "Polomer"
    QString unit;     // "mm", "°" or empty
    Editor editor = Editor::Text;
    QStringList choices;  // the file's values of a choice
    bool optional = false;  // an empty text leaves the value to the drawing

    // The value as the field shows it; for a check "1" or "0", for a colour
    // its file text ("red", "#RRGGBB").
    std::function<QString(const Plate&)> text;
    // Sets the value from the field's text; the reason in Slovak when the
    // text is no valid value (the plate is then left as it was).
    std::function<std::optional<QString>(Plate&, const QString&)> set;
};

// The properties of the item `ref` in its key table's order.
std::vector<PlateProperty> PropertiesOf(PlateItemRef ref);

// A choice's value as the panel names it ("out" gives "von").
QString ChoiceCaption(const QString& value);

// A number as the fields show it: the shortest exact text, decimal comma.
QString NumberText(double v);

}  // namespace sp
