// A scale described in values: the text form shared by the window and
// scaleplate-define. One "key = value" per line; blank lines and lines
// starting with "#" are ignored; keys are case-insensitive:
//
//   law      linear | power | log | db | ohm-series | ohm-shunt | points
//   from     value at the low end of the scale (left for rising laws)
//   to       value at the other end (the full-scale value of db)
//   exponent power law: deflection = (v^p - from^p) / (to^p - from^p)
//   center   ohm-series, ohm-shunt: the value at half deflection
//   points   calibration pairs VALUE:ANGLE, separated by ";" (or by ","
//            when no value uses a decimal comma), at least 3
//   left     angle of deflection 0, degrees    right  angle of full deflection
//   radius   arc radius in mm (sets the least distances between ticks)
//   major    step of the numbered ticks        labels  the numbered values,
//            each "VALUE" or "VALUE=TEXT" ("1000=1k"); values may carry an
//            SI prefix ("2,2k", "1M", "500m"), printed as typed
//   medium   step of the medium ticks          minor   step of the minor ticks
//   decimal  comma (default) | point: how the numbers are written
//
// Values take a decimal point or a decimal comma; from, to, center and labels
// also an SI prefix, and "inf" or "∞" for the infinite end of an ohmmeter.
#pragma once

#include <set>
#include <string>

#include "scale/generator/MeterLaw.h"
#include "scale/generator/TickChooser.h"
#include "scale/input/FormFields.h"

namespace sp {

// Whether `key` (lower case, as written) is a key of the text form. The
// keys are listed once, here in the core: the text form, the generate dialog
// and scaleplate-define's options (--law, --from, ...) take exactly these.
bool IsDescriptionKey(const std::string& key);

struct ScaleDescription {
    LawInput law;
    TickSteps steps;
    TickRoom room;
    std::set<std::string> given;  // the keys set so far
};

// Sets one key. Throws EScaleInput naming the key for an unknown key or a
// value that is no number of the kind the key needs.
void SetDescriptionValue(ScaleDescription& desc, const std::string& key, const std::string& value);

// The arc and the numbers as the main window's fields draw them: the
// angles, the radius, the numbered tick's length, the text height, font,
// number gap and the inside and turned options, so that numbers are chosen
// by the room they will have. Throws EScaleInput for angles or a radius
// that are no numbers.
void SetDescriptionRoom(ScaleDescription& desc, const FormFields& fields);

// Reads the text form over the values already in `desc`. Throws EScaleInput.
void ParseScaleDescription(const std::string& text, ScaleDescription& desc);

// Throws EScaleInput naming the first key the law needs that is not given.
void CheckDescriptionComplete(const ScaleDescription& desc);

}  // namespace sp
