// The definition file: one segment per line, angle, comma, type letter
// ("45,M"), CR LF after every line, Windows-1250 bytes.
#pragma once

#include <string>
#include <vector>

namespace sp {

// One row of the editor grid: the angle cell and the type cell as typed.
struct DefinitionRow {
    std::string angle;
    std::string type;
};

// Orders whole lines for the writer: letters compared without regard to case
// (a to z and the accented Latin letters, folded to lower case), then by
// Unicode code point, so digits sort before letters and "100,M" before
// "45,N"; a byte that is no UTF-8 reads as U+FFFD. Gives < 0, 0 or > 0; 0
// only for lines that differ in case alone.
int CompareDefinitionLines(const std::string& a, const std::string& b);

// The lines the writer makes of `rows`: rows with an empty cell, a type not
// starting with M, N or S (after upper-casing a to z) or an angle that
// IsIntegerStr refuses are skipped; the rest become "<angle as typed>,<letter>",
// sorted by CompareDefinitionLines, equal lines kept once.
std::vector<std::string> DefinitionLines(const std::vector<DefinitionRow>& rows);

// Writes DefinitionLines(rows) to `fileName` in one piece, replacing the file
// only when every byte is written. Throws EFCreateError or EWriteError.
void WriteDefinition(const std::vector<DefinitionRow>& rows, const std::string& fileName);

// Cuts file bytes into lines: CR, LF or CR LF end a line (LF CR is two ends);
// text after the last end is the last line; a NUL byte ends the text. The
// lines are converted to UTF-8, nothing is trimmed.
std::vector<std::string> SplitDefinitionText(const std::string& bytes);

// Replaces `list` with the lines of `fileName`. Throws EFOpenError and then
// leaves `list` as it was.
void ReadDefinition(const std::string& fileName, std::vector<std::string>& list);

}  // namespace sp
