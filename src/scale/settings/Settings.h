// The settings file: the last entered values, stored beside the executable
// and shown again at the next start, plus the drawing resolution "Dpi".
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "scale/input/FormFields.h"
#include "scale/settings/IniText.h"

namespace sp {

// The keys of the settings file in its order: the fields' keys, with "Dpi"
// after "Height" ("Dpi" has no field and is never written back).
std::vector<std::string> SettingsKeyNames();

// The executable's path with its extension replaced by ".ini" (".ini"
// appended when its name has none; a "." in a folder name is no extension).
std::string SettingsPath(const std::string& exePath);

// The application's title: the executable's file name without its folder
// and without everything from its first ".", every letter after the first in
// lower case ("/opt/SCALEPLATE.bin" gives "Scaleplate").
std::string ApplicationTitle(const std::string& exePath);

// The executable's folder, up to and including the last "/".
std::string ProgramFolder(const std::string& exePath);

// Creates the file with the first-run values when no file is there, in one
// write. Throws EIniFileError when it fails; then no file is left.
void CreateSettings(const std::string& path);

// Reads the file once, every key with its default into `fields` and "Dpi"
// (default 600, taken as read) into `dpi`. Masked-field texts lose their trailing spaces,
// as the field hands them over.
void LoadSettings(const std::string& path, FormFields& fields, std::int32_t& dpi);

// LoadSettings on a text already in memory.
void ReadSettings(const IniText& ini, FormFields& fields, std::int32_t& dpi);

// Writes every field back as a whole: the file is read once and written
// once ("Dpi", unknown keys and comments stay as they are). Throws
// EIniFileError when that fails; then the file stays as it was.
void SaveSettings(const std::string& path, const FormFields& fields);

// The values a first run puts into the fields.
FormFields FirstRunFields();

// What the command-line programs start from: the fields and "Dpi" of the
// settings file `file`, or the first-run values and 600 without one. A file
// that cannot be read throws its error instead of giving the defaults.
FormFields CommandLineFields(const std::string* file, std::int32_t& dpi);

}  // namespace sp
