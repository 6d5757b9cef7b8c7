#include "scale/settings/IniFile.h"

#include <sys/stat.h>

#include "base/Errors.h"
#include "base/SafeFile.h"

namespace sp {

IniFile::IniFile(std::string fileName) : fileName_(std::move(fileName)) {}

IniText IniFile::Load() const {
    try {
        return IniText(ReadWholeFile(fileName_));
    } catch (const EError&) {
        return IniText();
    }
}

void IniFile::Update(const std::function<void(IniText&)>& edit) {
    const std::string full = FullPath(fileName_);
    try {
        struct stat st {};
        IniText text = ::stat(full.c_str(), &st) == 0 ? IniText(ReadWholeFile(full)) : IniText();
        edit(text);
        WriteFileAtomically(full, {text.Bytes()});
    } catch (const EError&) {
        throw EIniFileError(full);
    }
}

std::string IniFile::ReadText(const std::string& section, const std::string& key, const std::string& def) const {
    return Load().ReadText(section, key, def);
}

std::int32_t IniFile::ReadNumber(const std::string& section, const std::string& key, std::int32_t def) const {
    return Load().ReadNumber(section, key, def);
}

bool IniFile::ReadFlag(const std::string& section, const std::string& key, bool def) const {
    return Load().ReadFlag(section, key, def);
}

void IniFile::WriteText(const std::string& section, const std::string& key, const std::string& value) {
    Update([&](IniText& text) { text.WriteText(section, key, value); });
}

void IniFile::WriteNumber(const std::string& section, const std::string& key, std::int32_t value) {
    Update([&](IniText& text) { text.WriteNumber(section, key, value); });
}

void IniFile::WriteFlag(const std::string& section, const std::string& key, bool value) {
    Update([&](IniText& text) { text.WriteFlag(section, key, value); });
}

}  // namespace sp
