// Every field of the main window, described once: where the settings file
// keeps it, what kind of control holds it, the texts it starts with, the
// FormFields member it fills and the object name of its control. The
// settings file, the window, scaleplate-render's --set and the tests all
// read this table, so a new field is one new row (plus its widget).
#pragma once

#include <string>
#include <vector>

#include "scale/input/FormFields.h"

namespace sp {

enum class FieldKind {
    Masked,   // a masked field of `positions` digits; its text loses trailing blanks
    Plain,    // a free text field, taken as typed
    Decimal,  // a free text field for a decimal number (comma or point) or nothing
    Check,    // a check box; its texts are "1" and "0"
};

struct FieldRow {
    const char* section;  // settings file section and key
    const char* key;
    FieldKind kind;
    int positions;         // the masked field's positions, 0 for other kinds
    const char* builtIn;   // what the window shows before the settings load
    const char* firstRun;  // what CreateSettings writes
    const char* missing;   // what LoadSettings takes for a missing key
    std::string FormFields::*text;  // the text member, nullptr for a check box
    bool FormFields::*flag;         // the check box member, nullptr otherwise
    const char* control;            // the control's object name
};

// The rows in the order the settings file holds them.
const std::vector<FieldRow>& FieldTable();

// The row whose settings key is `key` in any letter case, or nullptr.
const FieldRow* FindFieldByKey(const std::string& key);

// The fields filled from one text column of the table (&FieldRow::builtIn,
// &FieldRow::firstRun or &FieldRow::missing), check boxes set by "1".
FormFields FieldColumn(const char* FieldRow::*column);

// What a masked field hands over for a text put into it: the text less its
// trailing spaces (padding is added when it is shown and removed when read).
std::string MaskedFieldText(const std::string& text);

// Puts a text into the field of `row` as its control hands it over: a masked
// text less its trailing blanks, a check box set by "1" (any other text
// clears it), a plain text as it is.
void SetFieldText(FormFields& fields, const FieldRow& row, const std::string& text);

}  // namespace sp
