#include "base/FileText.h"

#include <gtest/gtest.h>

#include "base/Cp1250.h"

using namespace sp;

namespace {
// Every letter of the Slovak alphabet beyond ASCII, small and capital.
const std::string kSlovak = "áäčďéíĺľňóôŕšťúýžÁÄČĎÉÍĹĽŇÓÔŔŠŤÚÝŽ";
}  // namespace

// A file without the mark is UTF-8 only when it is valid UTF-8 holding a
// multi-byte sequence; Windows-1250 text, Slovak letters included, is not.
TEST(FileText, EncodingOfAFileWithoutTheMark) {
    struct Row {
        std::string bytes;
        FileEncoding encoding;
    };
    std::vector<Row> rows = {
        {"Unit=\xCE\xA9\r\n", FileEncoding::Utf8},                       // "Ω" from a Linux editor
        {"90,M,\xE2\x88\x9E\n", FileEncoding::Utf8},                     // "∞"
        {"Font=\xC4\xBD" "ava\n", FileEncoding::Utf8},                   // "Ľava" in UTF-8
        {"\xF0\x9F\x98\x80", FileEncoding::Utf8},                         // a four-byte sequence
        {"Width=80\r\n", FileEncoding::Cp1250},                           // ASCII reads the same either way
        {"\xEF\xBB\xBF" "A=1", FileEncoding::Utf8WithMark},
        {"\xBC" "av\xFD uhol", FileEncoding::Cp1250},                     // "Ľavý uhol" in Windows-1250
        {"a\xC0\x80", FileEncoding::Cp1250},                              // an overlong NUL is no UTF-8
        {"\xED\xA0\x80", FileEncoding::Cp1250},                           // nor is a surrogate
        {"\xCE\xA9\xBE", FileEncoding::Cp1250},                           // one bad byte decides
        {Utf8ToCp1250(kSlovak), FileEncoding::Cp1250},
    };
    for (std::size_t i = 0; i < kSlovak.size();) {
        const std::size_t start = i++;
        while (i < kSlovak.size() && (static_cast<unsigned char>(kSlovak[i]) & 0xC0) == 0x80) ++i;
        const std::string letter = kSlovak.substr(start, i - start);
        rows.push_back({"Unit=" + Utf8ToCp1250(letter) + "x\r\n", FileEncoding::Cp1250});
        rows.push_back({"Unit=" + letter + "x\r\n", FileEncoding::Utf8});
    }
    for (const Row& r : rows) {
        EXPECT_EQ(DetectFileEncoding(r.bytes), r.encoding) << r.bytes;
        const std::string text = FileBytesToUtf8(r.bytes);
        EXPECT_EQ(text, r.encoding == FileEncoding::Cp1250         ? Cp1250ToUtf8(r.bytes)
                        : r.encoding == FileEncoding::Utf8WithMark ? r.bytes.substr(3)
                                                                   : r.bytes);
    }
}

// What is written reads back as written: Windows-1250 bytes that would pass
// for UTF-8 ("ÚŠ" is DA 8A) and a text no UTF-8 reader takes get the mark.
TEST(FileText, WrittenTextReadsBack) {
    for (const std::string& text : {std::string("Width=80"), "Unit=" + kSlovak, std::string("SKÚŠKA"), std::string("1 kΩ"),
                                   std::string("a\xC0\x80")}) {
        for (FileEncoding e : {FileEncoding::Cp1250, FileEncoding::Utf8, FileEncoding::Utf8WithMark}) {
            const std::string bytes = EncodeFileText(text, e);
            const std::string expect = e == FileEncoding::Cp1250 ? Cp1250ToUtf8(Utf8ToCp1250(text)) : text;
            EXPECT_EQ(FileBytesToUtf8(bytes), expect) << text << " " << static_cast<int>(e);
        }
    }
    EXPECT_EQ(Utf8ToFileBytes("Ľavý"), "\xBC" "av\xFD");
    EXPECT_EQ(Utf8ToFileBytes("SKÚŠKA"), "\xEF\xBB\xBF" "SKÚŠKA");
    EXPECT_EQ(Utf8ToFileBytes("1 kΩ"), "\xEF\xBB\xBF" "1 kΩ");
    EXPECT_EQ(EncodeFileText("Ω", FileEncoding::Utf8), "Ω");
}
