// A private-profile (INI) file named by full path (its text: IniText).
#pragma once

#include <functional>
#include <string>

#include "scale/settings/IniText.h"

namespace sp {

class IniFile {
public:
    // Does no input or output; the file need not exist.
    explicit IniFile(std::string fileName);

    const std::string& FileName() const { return fileName_; }

    // The file's text, read once; a file that is missing or cannot be read
    // reads as empty, so every value takes its default.
    IniText Load() const;

    // Reads the file once (a missing file is empty), lets `edit` change its
    // text, and writes it once, replaced whole only when every byte is on
    // the disk. Throws EIniFileError("Unable to write to <full path>") when
    // the file cannot be read or written, and then leaves it as it was.
    void Update(const std::function<void(IniText&)>& edit);

    // One value each, by Load (reads) or Update (writes).
    std::string ReadText(const std::string& section, const std::string& key, const std::string& def) const;
    std::int32_t ReadNumber(const std::string& section, const std::string& key, std::int32_t def) const;
    bool ReadFlag(const std::string& section, const std::string& key, bool def) const;
    void WriteText(const std::string& section, const std::string& key, const std::string& value);
    void WriteNumber(const std::string& section, const std::string& key, std::int32_t value);
    void WriteFlag(const std::string& section, const std::string& key, bool value);

    static constexpr std::size_t MaxValueChars = IniText::MaxValueChars;

private:
    std::string fileName_;
};

}  // namespace sp
