#include "scale/settings/Settings.h"

#include "base/SafeFile.h"
#include "scale/input/FieldTable.h"
#include "scale/input/ScaleParameters.h"
#include "scale/settings/IniFile.h"

namespace sp {

namespace {
using F = FormFields;
constexpr const char* kDimensions = "Dimensions";
constexpr const char* kDpi = "Dpi";
constexpr std::int32_t kDefaultDpi = 600;
}  // namespace

std::string SettingsPath(const std::string& exePath) {
    const std::size_t slash = exePath.rfind('/');
    const std::size_t dot = exePath.rfind('.');
    if (dot != std::string::npos && (slash == std::string::npos || dot > slash)) return exePath.substr(0, dot) + ".ini";
    return exePath + ".ini";
}

std::string ApplicationTitle(const std::string& exePath) {
    std::string name = exePath.substr(exePath.rfind('/') + 1);
    name = name.substr(0, name.find('.'));
    for (std::size_t i = 1; i < name.size(); ++i)
        if (name[i] >= 'A' && name[i] <= 'Z') name[i] = static_cast<char>(name[i] - 'A' + 'a');
    return name;
}

std::string ProgramFolder(const std::string& exePath) { return exePath.substr(0, exePath.rfind('/') + 1); }

std::vector<std::string> SettingsKeyNames() {
    std::vector<std::string> names;
    for (const FieldRow& row : FieldTable()) {
        names.emplace_back(row.key);
        if (row.text == &F::height) names.emplace_back(kDpi);
    }
    return names;
}

void CreateSettings(const std::string& path) {
    if (FileExists(path)) return;
    IniFile(path).Update([](IniText& ini) {
        for (const FieldRow& row : FieldTable()) {
            ini.WriteText(row.section, row.key, row.firstRun);
            if (row.text == &F::height) ini.WriteNumber(kDimensions, kDpi, kDefaultDpi);
        }
    });
}

void LoadSettings(const std::string& path, FormFields& fields, std::int32_t& dpi) {
    ReadSettings(IniFile(path).Load(), fields, dpi);
}

void ReadSettings(const IniText& ini, FormFields& fields, std::int32_t& dpi) {
    for (const FieldRow& row : FieldTable()) {
        if (row.kind == FieldKind::Check)
            fields.*row.flag = ini.ReadFlag(row.section, row.key, row.missing[0] == '1');
        else
            SetFieldText(fields, row, ini.ReadText(row.section, row.key, row.missing));
        if (row.text == &F::height) dpi = ini.ReadNumber(kDimensions, kDpi, kDefaultDpi);
    }
}

void SaveSettings(const std::string& path, const FormFields& fields) {
    IniFile(path).Update([&](IniText& ini) {
        for (const FieldRow& row : FieldTable()) {
            if (row.kind == FieldKind::Check)
                ini.WriteFlag(row.section, row.key, fields.*row.flag);
            else
                ini.WriteText(row.section, row.key, fields.*row.text);
        }
    });
}

FormFields FirstRunFields() { return FieldColumn(&FieldRow::firstRun); }

FormFields CommandLineFields(const std::string* file, std::int32_t& dpi) {
    FormFields fields = FirstRunFields();
    dpi = kDefaultDpi;
    if (file) {
        ReadWholeFile(*file);  // an unreadable file is an error, not the defaults
        LoadSettings(FullPath(*file), fields, dpi);
    }
    return fields;
}

}  // namespace sp
