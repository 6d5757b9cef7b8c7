#include "scale/input/FieldTable.h"

#include "base/Procs.h"
#include "text/DefaultFont.h"

namespace sp {

namespace {
using F = FormFields;
constexpr FieldKind M = FieldKind::Masked, P = FieldKind::Plain, D = FieldKind::Decimal, C = FieldKind::Check;
}  // namespace

const std::vector<FieldRow>& FieldTable() {
    // section, key, kind, positions, built-in, first run, missing, member(s), control
    static const std::vector<FieldRow> rows = {
        {"Dimensions", "Width", M, 3, "80", "80", "80", &F::width, nullptr, "medtWidth"},
        {"Dimensions", "Height", M, 3, "40", "40", "40", &F::height, nullptr, "medtHeight"},
        {"Angles", "Left", P, 0, "135", "135", "135", &F::leftAngle, nullptr, "edtLAngle"},
        {"Angles", "Right", P, 0, "45", "45", "45", &F::rightAngle, nullptr, "edtRAngle"},
        {"Center", "X", M, 3, "40", "40", "40", &F::centerX, nullptr, "medtX"},
        {"Center", "Y", M, 3, "5", "1", "5", &F::centerY, nullptr, "medtY"},
        {"Center", "Radius", M, 3, "30", "15", "30", &F::radius, nullptr, "medtRadius"},
        {"Center", "CentralRadius", M, 3, "30", "3", "3", &F::centralRadius, nullptr, "medtCentralRadius"},
        {"Scale", "Segments", M, 3, "15", "10", "10", &F::segments, nullptr, "medtNumSegments"},
        {"Scale", "SegmentLength", M, 3, "3", "3", "3", &F::segmentLength, nullptr, "medtSegmentLength"},
        {"Scale", "FrameWidth", M, 2, "1", "1", "1", &F::frameWidth, nullptr, "medtFrameLine"},
        {"Scale", "ArchWidth", M, 2, "2", "2", "1", &F::arcWidth, nullptr, "medtArchLine"},
        {"Scale", "SegmentWidth", M, 2, "1", "1", "1", &F::segmentWidth, nullptr, "medtSegmentWidth"},
        {"Scale", "Master", M, 3, "5", "5", "5", &F::masterEvery, nullptr, "medtMasterSegment"},
        {"Scale", "Doubled", C, 0, "0", "0", "1", nullptr, &F::doubledArc, "cboxDual"},
        {"Scale", "HalfSmall", C, 0, "0", "0", "0", nullptr, &F::halfSmall, "cboxHalfSmall"},
        {"Scale", "Frame", C, 0, "0", "0", "1", nullptr, &F::frame, "cboxFrame"},
        {"Scale", "Mirror", C, 0, "1", "0", "1", nullptr, &F::mirror, "cboxMirror"},
        // After every older key, in a section of their own: a first-run file
        // keeps its older lines and their order, older copies ignore these.
        {"Numbers", "ValueLeft", D, 0, "", "", "", &F::valueLeft, nullptr, "edtValueLeft"},
        {"Numbers", "ValueRight", D, 0, "", "", "", &F::valueRight, nullptr, "edtValueRight"},
        {"Numbers", "Unit", P, 0, "", "", "", &F::unit, nullptr, "edtUnit"},
        {"Numbers", "TextHeight", D, 0, "3,5", "3,5", "3,5", &F::textHeight, nullptr, "edtTextHeight"},
        {"Numbers", "Font", P, 0, DefaultFontFamily, DefaultFontFamily, DefaultFontFamily, &F::font, nullptr, "edtFont"},
        {"Numbers", "Inside", C, 0, "0", "0", "0", nullptr, &F::numbersInside, "cboxInside"},
        {"Numbers", "Radial", C, 0, "0", "0", "0", nullptr, &F::radialNumbers, "cboxRadial"},
        {"Numbers", "DecimalPoint", C, 0, "0", "0", "0", nullptr, &F::decimalPoint, "cboxDecimalPoint"},
        {"Numbers", "NumberGap", D, 0, "", "", "", &F::numberGap, nullptr, "edtNumberGap"},
    };
    return rows;
}

std::string MaskedFieldText(const std::string& text) {
    std::size_t e = text.size();
    while (e > 0 && text[e - 1] == ' ') --e;
    return text.substr(0, e);
}

const FieldRow* FindFieldByKey(const std::string& key) {
    const std::string upper = UpperAscii(key);
    for (const FieldRow& row : FieldTable())
        if (UpperAscii(row.key) == upper) return &row;
    return nullptr;
}

FormFields FieldColumn(const char* FieldRow::*column) {
    FormFields f;
    for (const FieldRow& row : FieldTable()) SetFieldText(f, row, row.*column);
    return f;
}

void SetFieldText(FormFields& fields, const FieldRow& row, const std::string& text) {
    switch (row.kind) {
        case FieldKind::Check: fields.*row.flag = text == "1"; break;
        case FieldKind::Masked: fields.*row.text = MaskedFieldText(text); break;
        case FieldKind::Plain:
        case FieldKind::Decimal: fields.*row.text = text; break;
    }
}

}  // namespace sp
