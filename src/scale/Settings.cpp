#include "Settings.h"

#include "IniFile.h"
#include "SafeFile.h"
#include "ScaleParameters.h"

namespace sp {

namespace {
using F = FormFields;
constexpr const char* kDimensions = "Dimensions";
constexpr const char* kDpi = "Dpi";
constexpr std::int32_t kDefaultDpi = 600;
}  // namespace

const std::vector<SettingsKey>& SettingsKeys() {
    static const std::vector<SettingsKey> keys = {
        {kDimensions, "Width", &F::medtWidth, nullptr, "80", "80"},
        {kDimensions, "Height", &F::medtHeight, nullptr, "40", "40"},
        {"Angles", "Left", &F::edtLAngle, nullptr, "135", "135"},
        {"Angles", "Right", &F::edtRAngle, nullptr, "45", "45"},
        {"Center", "X", &F::medtX, nullptr, "40", "40"},
        {"Center", "Y", &F::medtY, nullptr, "1", "5"},
        {"Center", "Radius", &F::medtRadius, nullptr, "15", "30"},
        {"Center", "CentralRadius", &F::medtCentralRadius, nullptr, "3", "3"},
        {"Scale", "Segments", &F::medtNumSegments, nullptr, "10", "10"},
        {"Scale", "SegmentLength", &F::medtSegmentLength, nullptr, "3", "3"},
        {"Scale", "FrameWidth", &F::medtFrameLine, nullptr, "1", "1"},
        {"Scale", "ArchWidth", &F::medtArchLine, nullptr, "2", "1"},
        {"Scale", "SegmentWidth", &F::medtSegmentWidth, nullptr, "1", "1"},
        {"Scale", "Master", &F::medtMasterSegment, nullptr, "5", "5"},
        {"Scale", "Doubled", nullptr, &F::cboxDual, "0", "1"},
        {"Scale", "HalfSmall", nullptr, &F::cboxHalfSmall, "0", "0"},
        {"Scale", "Frame", nullptr, &F::cboxFrame, "0", "1"},
        {"Scale", "Mirror", nullptr, &F::cboxMirror, "0", "1"},
    };
    return keys;
}

bool IsMaskedField(std::string FormFields::*text) { return text != &F::edtLAngle && text != &F::edtRAngle; }

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

void CreateSettings(const std::string& path) {
    if (FileExists(path)) return;
    IniFile ini(path);
    for (const SettingsKey& k : SettingsKeys()) {
        if (k.flag)
            ini.WriteFlag(k.section, k.key, k.firstRun[0] == '1');
        else
            ini.WriteText(k.section, k.key, k.firstRun);
        if (k.text == &F::medtHeight) ini.WriteNumber(kDimensions, kDpi, kDefaultDpi);
    }
}

void LoadSettings(const std::string& path, FormFields& fields, std::int32_t& dpi) {
    const IniFile ini(path);
    for (const SettingsKey& k : SettingsKeys()) {
        if (k.flag) {
            fields.*k.flag = ini.ReadFlag(k.section, k.key, k.missing[0] == '1');
        } else {
            const std::string v = ini.ReadText(k.section, k.key, k.missing);
            fields.*k.text = IsMaskedField(k.text) ? MaskedFieldText(v) : v;
        }
        if (k.text == &F::medtHeight) dpi = ini.ReadNumber(kDimensions, kDpi, kDefaultDpi);
    }
}

void SaveSettings(const std::string& path, const FormFields& fields) {
    IniFile ini(path);
    for (const SettingsKey& k : SettingsKeys()) {
        if (k.flag)
            ini.WriteFlag(k.section, k.key, fields.*k.flag);
        else
            ini.WriteText(k.section, k.key, fields.*k.text);
    }
}

FormFields FirstRunFields() {
    FormFields f;
    for (const SettingsKey& k : SettingsKeys()) {
        if (k.flag)
            f.*k.flag = k.firstRun[0] == '1';
        else
            f.*k.text = k.firstRun;
    }
    return f;
}

}  // namespace sp
