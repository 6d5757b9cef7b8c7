// A write followed by a read back, in memory: the value reads back as
// written, and every line of the file that was not written survives, in
// order (in the file's own encoding).
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "base/Cp1250.h"
#include "base/FileText.h"
#include "base/Procs.h"
#include "scale/settings/IniText.h"

namespace {

std::vector<std::string> Lines(const std::string& bytes) {
    std::vector<std::string> out;
    std::string cur;
    bool any = false;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c == '\r' || c == '\n') {
            out.push_back(cur);
            cur.clear();
            any = false;
            if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
        } else {
            cur += c;
            any = true;
        }
    }
    if (any) out.push_back(cur);
    return out;
}

// Names are letters only: "[", "]", "=" and line ends cannot be stored in one.
std::string Name(const std::uint8_t* d, std::size_t n) {
    std::string s;
    for (std::size_t i = 0; i < n; ++i) s += static_cast<char>('a' + d[i] % 26);
    return s.empty() ? "k" : s;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 4) return 0;
    const std::size_t sn = data[0] % 8, kn = data[1] % 8, vn = data[2];
    std::size_t at = 3;
    if (at + sn + kn + vn > size) return 0;
    const std::string section = Name(data + at, sn);
    const std::string key = Name(data + at + sn, kn);
    std::string value(reinterpret_cast<const char*>(data + at + sn + kn), vn);
    at += sn + kn + vn;
    const std::string file(reinterpret_cast<const char*>(data + at), size - at);

    sp::IniText ini(file);
    // A key line whose value holds a NUL or the file's own quirks aside, the
    // first matching key is the one written.
    ini.WriteText(section, key, value);
    const std::string written = ini.Bytes();
    const std::string got = sp::IniText(written).ReadText(section, key, "\x01");

    // What the value reads back as: CR and LF become spaces; in a
    // Windows-1250 file text that is no UTF-8 comes back through the code page.
    for (char& c : value)
        if (c == '\r' || c == '\n') c = ' ';
    const std::string expect = sp::DetectFileEncoding(written) == sp::FileEncoding::Cp1250
                                   ? sp::Cp1250ToUtf8(sp::Utf8ToCp1250(value))
                                   : value;
    if (got != expect) {
        fprintf(stderr, "section=%s key=%s\nexpect=", section.c_str(), key.c_str());
        for (unsigned char c : expect) fprintf(stderr, "%02x", c);
        fprintf(stderr, "\ngot=   ");
        for (unsigned char c : got) fprintf(stderr, "%02x", c);
        fprintf(stderr, "\n");
        std::abort();
    }

    // Every old line survives in order, but for the one key line replaced.
    const std::vector<std::string> before = Lines(sp::FileBytesToUtf8(file)),
                                   after = Lines(sp::FileBytesToUtf8(written));
    std::size_t j = 0, skipped = 0;
    for (const std::string& line : before) {
        while (j < after.size() && after[j] != line) ++j;
        if (j == after.size()) {
            if (++skipped > 1) std::abort();
            j = 0;
            continue;
        }
        ++j;
    }
    return 0;
}
