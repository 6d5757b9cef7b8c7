// The definition file: one segment per line, angle, comma, type letter
// ("45,M"), optionally a comma and the label ("90,M,0,5"), CR LF after every
// line, Windows-1250 bytes.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace sp {

// One row of the editor grid: the angle, type and label cells as typed.
// Rows of two cells ({"45", "M"}) stay valid: the label is then empty.
struct DefinitionRow {
    DefinitionRow() = default;
    DefinitionRow(std::string angleCell, std::string typeCell, std::string labelCell = {})
        : angle(std::move(angleCell)), type(std::move(typeCell)), label(std::move(labelCell)) {}

    std::string angle;
    std::string type;
    std::string label;
};

// The label of a definition line: everything after its second comma,
// trimmed, so it may hold blanks and commas ("90,M,0,5" gives "0,5"); empty
// when the line has fewer than two commas.
std::string DefinitionLabel(const std::string& line);

// Orders whole lines for the writer: letters compared without regard to case
// (a to z and the accented Latin letters, folded to lower case), then by
// Unicode code point, so digits sort before letters and "100,M" before
// "45,N"; a byte that is no UTF-8 reads as U+FFFD. Gives < 0, 0 or > 0; 0
// only for lines that differ in case alone.
int CompareDefinitionLines(const std::string& a, const std::string& b);

// The lines the writer makes of `rows`: rows with an empty cell, a type not
// starting with M, N or S (after upper-casing a to z) or an angle that is
// neither accepted by IsIntegerStr nor a decimal with a point that
// DefinitionAngle reads (blanks around allowed: "90.0000", " -3.5 ") are
// skipped; the rest become "<angle as typed>,<letter>", followed by
// ",<label as typed>" when the label cell is not empty, sorted by
// CompareDefinitionLines, equal lines kept once. Sorting puts generated rows
// in text order, not value order; the drawing does not depend on the order.
std::vector<std::string> DefinitionLines(const std::vector<DefinitionRow>& rows);

// Writes DefinitionLines(rows) to `fileName` in one piece, replacing the file
// only when every byte is written. Throws EFCreateError or EWriteError.
void WriteDefinition(const std::vector<DefinitionRow>& rows, const std::string& fileName);

// Writes `lines` in the order given, each followed by CR LF, with the
// bytes and the all-or-nothing replacement of WriteDefinition. For
// definitions made from values, whose lines stay in the order of the values.
// Throws EFCreateError or EWriteError.
void WriteDefinitionLines(const std::vector<std::string>& lines, const std::string& fileName);

// Cuts file bytes into lines: CR, LF or CR LF end a line (LF CR is two ends);
// text after the last end is the last line; a NUL byte ends the text. The
// lines are converted to UTF-8, nothing is trimmed.
std::vector<std::string> SplitDefinitionText(const std::string& bytes);

// Replaces `list` with the lines of `fileName`. Throws EFOpenError and then
// leaves `list` as it was.
void ReadDefinition(const std::string& fileName, std::vector<std::string>& list);

}  // namespace sp
