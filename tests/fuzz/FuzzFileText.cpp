// The file encoding rule: any bytes decode, and the text written back in the
// encoding found gives the same bytes; any text written reads back.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "base/Cp1250.h"
#include "base/FileText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const sp::FileEncoding encoding = sp::DetectFileEncoding(bytes);
    const std::string text = sp::FileBytesToUtf8(bytes);
    if (sp::EncodeFileText(text, encoding) != bytes) std::abort();

    // The same bytes taken as a text to write: back as written, or through
    // the code page where Windows-1250 was chosen and they are no UTF-8.
    const std::string back = sp::FileBytesToUtf8(sp::Utf8ToFileBytes(bytes));
    if (back != bytes && back != sp::Cp1250ToUtf8(sp::Utf8ToCp1250(bytes))) std::abort();
    return 0;
}
