#include "base/FileText.h"

#include "base/Cp1250.h"
#include "base/Utf8.h"

namespace sp {

bool HasUtf8Bom(const std::string& bytes) { return bytes.rfind(kUtf8Bom, 0) == 0; }

namespace {

// Whether `bytes` is valid UTF-8, and whether it holds a multi-byte sequence.
struct Utf8Shape {
    bool valid = true;
    bool multiByte = false;
};

Utf8Shape ShapeOf(const std::string& bytes) {
    Utf8Shape shape;
    for (std::size_t i = 0; i < bytes.size();) {
        const std::size_t start = i;
        // A malformed byte is consumed alone; a well-formed U+FFFD takes three.
        if (NextUtf8(bytes, i) == kMalformedUtf8 && i - start == 1) return {false, shape.multiByte};
        shape.multiByte = shape.multiByte || i - start > 1;
    }
    return shape;
}

}  // namespace

bool IsMultiByteUtf8(const std::string& bytes) {
    const Utf8Shape shape = ShapeOf(bytes);
    return shape.valid && shape.multiByte;
}

FileEncoding DetectFileEncoding(const std::string& bytes) {
    if (HasUtf8Bom(bytes)) return FileEncoding::Utf8WithMark;
    return IsMultiByteUtf8(bytes) ? FileEncoding::Utf8 : FileEncoding::Cp1250;
}

bool FitsCp1250(const std::string& text) {
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t start = i;
        const std::uint32_t cp = NextUtf8(text, i);
        const std::string one = text.substr(start, i - start);
        // A malformed byte is no character: it is written as "?", as always.
        if (cp == kMalformedUtf8 && one != "\xEF\xBF\xBD") continue;
        if (Cp1250ToUtf8(Utf8ToCp1250(one)) != one) return false;
    }
    return true;
}

std::string FileBytesToUtf8(const std::string& bytes) {
    switch (DetectFileEncoding(bytes)) {
        case FileEncoding::Utf8WithMark: return bytes.substr(3);
        case FileEncoding::Utf8: return bytes;
        case FileEncoding::Cp1250: break;
    }
    return Cp1250ToUtf8(bytes);
}

std::string EncodeFileText(const std::string& text, FileEncoding encoding) {
    if (encoding == FileEncoding::Cp1250) {
        std::string bytes = Utf8ToCp1250(text);
        if (!IsMultiByteUtf8(bytes)) return bytes;
    } else if (encoding == FileEncoding::Utf8 && ShapeOf(text).valid) {
        return text;
    }
    return kUtf8Bom + text;
}

std::string Utf8ToFileBytes(const std::string& text) {
    return EncodeFileText(text, FitsCp1250(text) ? FileEncoding::Cp1250 : FileEncoding::Utf8WithMark);
}

}  // namespace sp
